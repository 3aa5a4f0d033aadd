#pragma once
// The main window: the configuration window, and the host of what the engine drives (the
// tray icons' receivers, the poll timer, the pictures, the popups).
#include <map>
#include <memory>

#include "engine/TrayEngine.h"
#include "platform/EngineHost.h"
#include "ui/ConfigWindowModel.h"
#include "ui/IconPicture.h"
#include "win32/app/CopyDataInbox.h"
#include "win32/app/MainWindowClass.h"
#include "win32/app/ReceiverWindow.h"
#include "win32/app/TrayPictures.h"
#include "win32/tasklist/TaskListWindow.h"
#include "win32/base/Window.h"
#include "win32/menus/Win32Menus.h"
#include "win32/ui/EntryEditor.h"
#include "windows/SysMenuMirror.h"

namespace hw {

class MainWindow : public Window, public EngineHost {
public:
    static constexpr const wchar_t* kClassName = kMainWindowClass;
    static constexpr int kWidthTwips = 5625;

    MainWindow();
    ~MainWindow() override;
    // Creates the window (hidden) and its controls; events go to the engine from then on.
    bool Create(TrayEngine& engine, Desktop& desktop, Ui& ui, Icons& icons, Log& log);
    // Keys of the menu bar (F1); true when the message was one of them.
    bool HandleKeys(MSG& msg);

    // EngineHost
    void SetPollTimer(bool enabled) override;
    void SetPollInterval(int milliseconds) override;
    WindowHandle OwnReceiver() override;
    WindowHandle CreateReceiver(int slot) override;
    void DestroyReceiver(int slot) override;
    IconHandle PictureIcon(Picture picture) override;
    int TrayIconSize() override;
    void SetMainIcon(Picture picture) override;
    void ShowConfiguration() override;
    void EntriesChanged() override;
    void ShowOwnMenu() override;
    void ShowIconMenu(int slot) override;
    void ShowTaskList() override;
    // Sets the configuration window's height (twips).
    void SetHeightTwips(int twips);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Placed {
        HWND hwnd;
        RECT twips;  // left, top, right, bottom in twips of the client area
    };

    void CreateControls();
    HWND Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h);
    void CreateMenuBar();
    // Loads Hidewell's pictures again when the notification area's icon size changed, and
    // has the engine draw every icon again.
    void OnIconSizeMaybeChanged();
    // Places the controls for the window's width: the list's frame stretches, the icon frame
    // and Ok keep to the right edge.
    void Layout();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void HoldWidth(MINMAXINFO& limits) const;
    int WidthPixels() const;

    // The configuration window's list and its buttons.
    void ShowRows();
    void ShowPreview();
    void OnActivate();
    void OnSelect();
    EntryEditorResult RunEditor(const EntryEditorArgs& args);
    void OnNew();
    void OnEdit();
    void OnRemove();
    void OnMove(bool up);
    void OnOk();
    void OnUndo();
    void OnOptions();
    // Saves the window's height and the settings; false when a value could not be written
    // (each failure is logged).
    bool SaveHeightAndSettings();
    // The same, telling the user when it fails.
    void SaveReported();
    // Ends Hidewell for the reason, after the quit question where it is asked; false when
    // the user chose to keep Hidewell running.
    bool Quit(QuitReason reason);
    void CreateOperationMenu();
    void OnCommand(int id);
    // Shows a popup with Hidewell in the foreground, at the mouse or at the tray icon whose
    // receiver is given (TrayPopupPoint); returns the chosen command.
    int TrackPopup(HMENU menu, HWND icon = nullptr);

    TrayEngine* engine_ = nullptr;
    Desktop* desktop_ = nullptr;
    Ui* ui_ = nullptr;
    Icons* icons_ = nullptr;
    Log* log_ = nullptr;
    UINT taskbarCreated_ = 0;
    bool pollTimerOn_ = false;
    int interval_ = 2000;
    int dpi_ = 96;
    TrayPictures pictures_;
    UniqueFont font_;
    std::vector<Placed> placed_;
    HWND list_ = nullptr;
    HWND preview_ = nullptr;
    HWND buttons_[4] = {};  // Edit, Remove, Up, Down
    UniqueHandle<HACCEL, &DestroyAcceleratorTable> accelerators_;
    std::unique_ptr<ConfigWindowModel> config_;
    std::unique_ptr<IconPicture> previewIcon_;
    std::unique_ptr<EntryEditor> editor_;  // made on first use, kept between uses
    ReceiverWindow ownReceiver_;
    std::map<int, std::unique_ptr<ReceiverWindow>> slotReceivers_;
    std::vector<int> ownMenuSlots_;  // slot of each hidden-window item of the last own menu
    int popupSlot_ = 0;              // the slot whose popup was opened last
    Win32Menus menus_;
    UniqueMenu operation_;  // the popup of a hidden window's icon
    std::unique_ptr<SysMenuMirror> mirror_;  // declared after operation_: cleared before it goes
    CopyDataInbox inbox_;
    std::unique_ptr<TaskListWindow> taskList_;
};

}  // namespace hw
