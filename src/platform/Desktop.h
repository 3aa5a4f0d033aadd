#pragma once
// The desktop's top-level windows, as the engine sees them.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

// ShowWindow commands used by Hidewell.
enum ShowCommand : int {
    kSwHide = 0,
    kSwShowNoActivate = 4,  // shown as it was before it was minimised, not activated
    kSwShow = 5,
    kSwMinimize = 6,
    kSwShowNa = 8,
    kSwRestore = 9,
};

// Window messages Hidewell sends to other programs' windows.
enum : std::uint32_t {
    kWmClose = 0x0010,
    kWmSysCommand = 0x0112,
    kWmInitMenu = 0x0116,
    kWmInitMenuPopup = 0x0117,
};
constexpr std::uint32_t kScRestore = 0xF120;
constexpr std::uint32_t kWindowVisible = 0x10000000;
// Extended styles: a floating tool window, and a window that never takes the front by a click.
constexpr std::uint32_t kWsExToolWindow = 0x00000080;
constexpr std::uint32_t kWsExNoActivate = 0x08000000;

// What became of a show or hide request. Another program's window carries it out when its
// thread next pumps messages: at once, late, or never for a hung program.
struct ShowRequest {
    // The platform took the request; false when it refused (a window of higher rights).
    bool accepted = false;
    // Whether the window was visible when asked.
    bool wasVisible = false;
};

// A process that made windows: the file name of its program ("notepad.exe"; empty when it
// cannot be read), and whether it runs at a higher integrity level than Hidewell, so that
// Windows drops Hidewell's requests to its windows.
struct ProcessFacts {
    Text program;
    bool aboveUs = false;
    Text path;  // the program's full path, whose icon stands for a window that shows none
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // First top-level window in Z order (topmost first), then the next one; 0 ends the walk.
    virtual WindowHandle FirstTopLevel() = 0;
    virtual WindowHandle NextWindow(WindowHandle h) = 0;

    virtual bool IsIconic(WindowHandle h) = 0;
    virtual bool IsWindow(WindowHandle h) = 0;
    // The caption, at most maxCount - 1 characters (the terminator takes the last place).
    virtual Text GetText(WindowHandle h, int maxCount) = 0;
    // Non-zero when the window has a parent or an owner.
    virtual WindowHandle ParentOrOwner(WindowHandle h) = 0;
    virtual std::uint32_t GetStyle(WindowHandle h) = 0;
    virtual std::uint32_t GetExStyle(WindowHandle h) = 0;
    // True for a window the system keeps out of sight though it counts as visible (a
    // suspended Store app's frame, a window on another virtual desktop). A platform that
    // cannot tell answers false.
    virtual bool IsCloaked(WindowHandle h) = 0;
    // The window in front that gets the user's keys; 0 when there is none.
    virtual WindowHandle Foreground() = 0;
    // True for windows of Hidewell's own process.
    virtual bool IsOwnWindow(WindowHandle h) = 0;
    // The process that made the window and its window class; 0 and empty when it is gone.
    virtual std::uint32_t ProcessId(WindowHandle h) = 0;
    virtual Text ClassName(WindowHandle h) = 0;
    // What is known of the process: see ProcessFacts.
    virtual ProcessFacts Process(std::uint32_t processId) = 0;

    virtual ShowRequest ShowWindow(WindowHandle h, int command) = 0;
    // The session Hidewell runs in, and whether a session still exists.
    virtual std::uint32_t CurrentSession() = 0;
    virtual bool SessionExists(std::uint32_t session) = 0;
    // Brings the window to the front; false when the platform refuses, as Windows does for a
    // process that holds no foreground right (it neither got the user's last input nor was
    // allowed by the foreground process).
    virtual bool SetForeground(WindowHandle h) = 0;
    // Flashes the window's taskbar button until the user brings it to the front.
    virtual void Flash(WindowHandle h) = 0;
    // Sends with a time-out and gives up on a hung window; false when it was not delivered.
    virtual bool SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t lParam) = 0;
};

}  // namespace hw
