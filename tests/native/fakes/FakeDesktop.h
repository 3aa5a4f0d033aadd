#pragma once
// A simulated desktop: top-level windows with captions, Z order, states and owners.
#include <functional>
#include <map>
#include <unordered_map>
#include <vector>

#include "platform/Desktop.h"

namespace hw::test {

struct FakeWindow {
    Text caption;
    bool iconic = false;
    bool visible = true;
    WindowHandle owner = 0;
    std::uint32_t style = 0x10CF0000;  // overlapped window with both boxes, visible
    bool hung = false;                 // does not answer sent messages
    bool refusesClose = false;
    bool own = false;  // one of Hidewell's windows
    bool refusesHide = false;          // an elevated program's window: a hide has no effect
    std::uint32_t processId = 1234;
    Text className = u"AppWindow";
    std::uint32_t exStyle = 0;
    bool cloaked = false;  // kept out of sight by the system (another virtual desktop)
};

struct SentMessage {
    WindowHandle h;
    std::uint32_t msg;
    std::uint64_t wParam;
};

class FakeDesktop : public Desktop {
public:
    // Adds a window on top of the Z order and returns its handle.
    WindowHandle Add(const Text& caption, bool iconic = false, WindowHandle owner = 0);
    WindowHandle AddWithHandle(WindowHandle h, const Text& caption, bool iconic = false);
    void Close(WindowHandle h);
    FakeWindow& operator[](WindowHandle h) { return windows_.at(h); }
    bool Exists(WindowHandle h) const { return windows_.count(h) != 0; }

    std::vector<SentMessage> sent;
    std::vector<std::pair<WindowHandle, int>> shows;
    WindowHandle foreground = 0;
    // Windows' foreground rule: Hidewell may bring a window to the front only while it holds
    // the right (the user's last input went to it: a tray click, its own menu; or the
    // foreground process allowed it), and loses it with the foreground.
    bool foregroundRight = false;
    std::vector<WindowHandle> flashed;
    // Called for every ShowWindow call (after it took effect).
    std::function<void(WindowHandle, int)> onShow;
    // Called for every message a window receives (after the built-in handling).
    std::function<void(WindowHandle, std::uint32_t, std::uint64_t)> onMessage;

    WindowHandle FirstTopLevel() override;
    WindowHandle NextWindow(WindowHandle h) override;
    bool IsIconic(WindowHandle h) override;
    bool IsWindow(WindowHandle h) override { return Exists(h); }
    Text GetText(WindowHandle h, int maxCount) override;
    WindowHandle ParentOrOwner(WindowHandle h) override;
    std::uint32_t GetStyle(WindowHandle h) override;
    std::uint32_t GetExStyle(WindowHandle h) override { return Exists(h) ? windows_.at(h).exStyle : 0; }
    bool IsCloaked(WindowHandle h) override { return Exists(h) && windows_.at(h).cloaked; }
    WindowHandle Foreground() override { return Exists(foreground) ? foreground : 0; }
    bool IsOwnWindow(WindowHandle h) override { return Exists(h) && windows_.at(h).own; }
    std::uint32_t ProcessId(WindowHandle h) override { return Exists(h) ? windows_.at(h).processId : 0; }
    Text ClassName(WindowHandle h) override { return Exists(h) ? windows_.at(h).className : Text(); }
    bool ShowWindow(WindowHandle h, int command) override;
    bool SetForeground(WindowHandle h) override;
    void Flash(WindowHandle h) override { flashed.push_back(h); }
    bool SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t lParam) override;

private:
    std::unordered_map<WindowHandle, FakeWindow> windows_;
    std::vector<WindowHandle> zOrder_;  // topmost first
    std::size_t walkAt_ = 0;            // where NextWindow found the last window
    WindowHandle next_ = 0x10010;
};

}  // namespace hw::test
