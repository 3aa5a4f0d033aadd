#pragma once
// What the engine asks of the program's own windows: the poll timer, the receivers of the
// tray icons' mouse messages, Hidewell's pictures, and the windows and popups it opens.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

// The pictures Hidewell shows for itself: no window hidden, some hidden, the program icon,
// and suspended.
enum class Picture { NoneHidden, SomeHidden, Program, Suspended };

// The platform's answer to a hotkey another program has registered.
constexpr std::uint32_t kErrorHotkeyTaken = 1409;

class EngineHost {
public:
    virtual ~EngineHost() = default;

    virtual void SetPollTimer(bool enabled) = 0;
    virtual void SetPollInterval(int milliseconds) = 0;

    // Receiver windows of the tray icons' mouse messages: one for the own icon, one per slot.
    // CreateReceiver answers 0 when the window could not be made.
    virtual WindowHandle OwnReceiver() = 0;
    virtual WindowHandle CreateReceiver(int slot) = 0;
    virtual void DestroyReceiver(int slot) = 0;

    // Icon handle of one of Hidewell's pictures (owned by the host) and the main window's icon.
    virtual IconHandle PictureIcon(Picture picture) = 0;
    // The size in pixels of the notification area's icons now.
    virtual int TrayIconSize() = 0;
    // True where the notification area puts new icons out of sight, behind its overflow
    // button (Windows 11).
    virtual bool NewIconsGoToOverflow() { return false; }
    virtual void SetMainIcon(Picture picture) = 0;

    // The configuration window, and its list after the entries changed.
    virtual void ShowConfiguration() = 0;
    virtual void EntriesChanged() = 0;

    // Global hotkeys by id: 0 when registered, otherwise the platform's error
    // (kErrorHotkeyTaken when another program has the combination).
    virtual std::uint32_t RegisterHotkey(int id, std::uint8_t modifiers, std::uint8_t key) = 0;
    virtual void UnregisterHotkey(int id) = 0;
    // The mouse hook by which a right click on a window's minimise button hides it: 0 when
    // installed or removed as asked, otherwise the platform's error.
    virtual std::uint32_t SetRightClickHiding(bool on) = 0;

    // The own icon's menu, the popup of a hidden window's icon, the task list.
    virtual void ShowOwnMenu() = 0;
    virtual void ShowIconMenu(int slot) = 0;
    virtual void ShowTaskList() = 0;
};

}  // namespace hw
