#pragma once
// The tray shell: what the engine drives through its host. The poll timer, the receivers of
// the tray icons' mouse messages, Hidewell's pictures, the tray popups, the task list, the
// command inbox and the taskbar's coming back. It shares the configuration window's window,
// by which other programs find Hidewell and which the taskbar's broadcast reaches, and gets
// first look at that window's messages.
#include <map>
#include <memory>
#include <vector>

#include "engine/TrayEngine.h"
#include "platform/Log.h"
#include "platform/EngineHost.h"
#include "win32/app/ConfigWindow.h"
#include "win32/app/CopyDataInbox.h"
#include "win32/app/TrustedInboxWindow.h"
#include "win32/app/ReceiverWindow.h"
#include "win32/app/TrayPictures.h"
#include "win32/adapters/RightClickHook.h"
#include "win32/menus/Win32Menus.h"
#include "win32/tasklist/TaskListWindow.h"
#include "hiddenwindows/SysMenuMirror.h"

namespace hw {

class TrayShell : public EngineHost {
public:
    TrayShell(ConfigWindow& config, Log& log);
    ~TrayShell() override;
    TrayShell(const TrayShell&) = delete;
    TrayShell& operator=(const TrayShell&) = delete;

    // Starts taking the configuration window's messages (which must exist by then) and
    // creates the own icon's receiver; false when that fails.
    bool Create(TrayEngine& engine, Desktop& desktop);

    // EngineHost
    void SetPollTimer(bool enabled) override;
    void SetPollInterval(int milliseconds) override;
    WindowHandle OwnReceiver() override;
    WindowHandle CreateReceiver(int slot) override;
    void DestroyReceiver(int slot) override;
    IconHandle PictureIcon(Picture picture) override;
    int TrayIconSize() override;
    bool NewIconsGoToOverflow() override;
    void SetMainIcon(Picture picture) override;
    void ShowConfiguration() override;
    void EntriesChanged() override;
    std::uint32_t RegisterHotkey(int id, std::uint8_t modifiers, std::uint8_t key) override;
    void UnregisterHotkey(int id) override;
    std::uint32_t SetRightClickHiding(bool on) override;
    void ShowOwnMenu() override;
    void ShowIconMenu(int slot) override;
    void ShowTaskList() override;

private:
    // A message of the shared window; true when the shell took it, with its result.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Loads Hidewell's pictures again when the notification area's icon size changed, and
    // has the engine draw every icon again.
    void OnIconSizeMaybeChanged();
    void CreateOperationMenu();
    // A command of the tray popups (or posted to the window); false when it is not one.
    bool OnCommand(int id);
    // Shows a popup with Hidewell in the foreground, at the mouse or at the tray icon whose
    // receiver is given (TrayPopupPoint); returns the chosen command.
    int TrackPopup(HMENU menu, HWND icon = nullptr);
    HWND Hwnd() const { return config_.Hwnd(); }

    ConfigWindow& config_;

    Log& log_;
    TrayEngine* engine_ = nullptr;
    Desktop* desktop_ = nullptr;
    UINT taskbarCreated_ = 0;
    UINT showConfiguration_ = 0;
    bool pollTimerOn_ = false;
    int interval_ = 2000;
    TrayPictures pictures_;
    ReceiverWindow ownReceiver_;
    std::map<int, std::unique_ptr<ReceiverWindow>> slotReceivers_;
    std::vector<WindowRef> ownMenuWindows_;  // the window of each hidden-window item of the last own menu
    WindowRef popupWindow_;                  // the window whose popup was opened last
    Win32Menus menus_;
    UniqueMenu operation_;  // the popup of a hidden window's icon
    std::unique_ptr<SysMenuMirror> mirror_;  // declared after operation_: cleared before it goes
    CopyDataInbox inbox_;
    TrustedInboxWindow trustedInbox_;
    std::unique_ptr<TaskListWindow> taskList_;
    std::unique_ptr<RightClickHook> rightClick_;  // made when first turned on
};

}  // namespace hw
