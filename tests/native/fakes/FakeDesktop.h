#pragma once
// A simulated desktop: top-level windows with captions, Z order, states and owners. As on
// Windows, another program's window carries out a show or hide request only when its thread
// pumps messages: at once, after a delay, or never while it hangs.
#include <deque>
#include <functional>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/Desktop.h"

namespace hw::test {

struct FakeWindow {
    Text caption;
    bool iconic = false;
    bool visible = true;
    WindowHandle owner;
    std::uint32_t style = 0x10CF0000;  // overlapped window with both boxes, visible
    bool hung = false;                 // neither pumps nor answers sent messages
    bool refusesClose = false;
    bool own = false;  // one of Hidewell's windows: requests take effect at once
    bool elevated = false;     // runs with higher rights: Windows drops Hidewell's requests
    bool refusesHide = false;  // Windows refuses to queue a hide for it
    bool refusesShow = false;  // ... or a show (its program's message queue is full)
    // How long its program takes to get to a request (a busy program), and until when (in
    // the desktop's time) it pumps nothing at all.
    int pumpDelayMs = 0;
    std::int64_t busyUntilMs = 0;
    // Each window has a process of its own unless a test gives it another's.
    std::uint32_t processId = 0;
    Text program = u"app.exe";
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
    WindowHandle Add(const Text& caption, bool iconic = false, WindowHandle owner = {});
    WindowHandle AddWithHandle(WindowHandle h, const Text& caption, bool iconic = false);
    // The window goes; its pending requests go with it.
    void Close(WindowHandle h);
    // The window goes and a new one of another program gets its handle.
    void Reuse(WindowHandle h, const Text& caption, bool iconic = false);
    FakeWindow& operator[](WindowHandle h) { return windows_.at(h); }
    bool Exists(WindowHandle h) const { return windows_.count(h) != 0; }
    std::vector<WindowHandle> Windows() const { return zOrder_; }

    // Time passes: every program that is neither hung nor busy carries out the requests due by
    // then, in the order they came.
    void Advance(int ms = 0);
    // Whether the window will be visible once its program has carried out every request.
    bool VisibleInTheEnd(WindowHandle h) const;
    bool HasPendingRequests(WindowHandle h) const;
    std::int64_t NowMs() const { return nowMs_; }

    std::vector<SentMessage> sent;
    std::vector<std::pair<WindowHandle, int>> shows;  // every show request, as asked
    WindowHandle foreground;
    // Windows' foreground rule: Hidewell may bring a window to the front only while it holds
    // the right (the user's last input went to it: a tray click, its own menu; or the
    // foreground process allowed it), and loses it with the foreground.
    bool foregroundRight = false;
    std::vector<WindowHandle> flashed;
    std::uint32_t session = 1;
    // This many windows of another program below the others, minimised and captioned "x": a
    // desktop more crowded than a scan can hold, without the cost of real ones.
    int crowd = 0;
    std::set<std::uint32_t> otherSessions;
    // Called for every show request as it is made.
    std::function<void(WindowHandle, int)> onShow;
    // Called for every message a window receives (after the built-in handling).
    std::function<void(WindowHandle, std::uint32_t, std::uint64_t)> onMessage;

    WindowHandle FirstTopLevel() override;
    WindowHandle NextWindow(WindowHandle h) override;
    bool IsIconic(WindowHandle h) override;
    bool IsWindow(WindowHandle h) override { return Exists(h) || InCrowd(h); }
    Text GetText(WindowHandle h, int maxCount) override;
    WindowHandle ParentOrOwner(WindowHandle h) override;
    std::uint32_t GetStyle(WindowHandle h) override;
    std::uint32_t GetExStyle(WindowHandle h) override { return Exists(h) ? windows_.at(h).exStyle : 0; }
    bool IsCloaked(WindowHandle h) override { return Exists(h) && windows_.at(h).cloaked; }
    WindowHandle Foreground() override { return Exists(foreground) ? foreground : WindowHandle{}; }
    bool IsOwnWindow(WindowHandle h) override { return Exists(h) && windows_.at(h).own; }
    std::uint32_t ProcessId(WindowHandle h) override { return Exists(h) ? windows_.at(h).processId : 0; }
    Text ClassName(WindowHandle h) override { return Exists(h) ? windows_.at(h).className : Text(); }
    // The program and rights of the process's first window; each call counts as opening the process.
    ProcessFacts Process(std::uint32_t processId) override;
    int programLookups = 0;
    ShowRequest ShowWindow(WindowHandle h, int command) override;
    std::uint32_t CurrentSession() override { return session; }
    bool SessionExists(std::uint32_t s) override { return s == session || otherSessions.count(s) != 0; }
    bool SetForeground(WindowHandle h) override;
    void Flash(WindowHandle h) override { flashed.push_back(h); }
    bool SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t lParam) override;

private:
    // A request waiting for the window's program: a show command, or a sent message that
    // timed out (its program still handles it when it gets there).
    struct Request {
        std::int64_t dueMs;
        bool isShow;
        int command;
        std::uint32_t msg;
        std::uint64_t wParam;
    };
    void ApplyShow(WindowHandle h, int command);
    // False when the window closed.
    bool Deliver(WindowHandle h, std::uint32_t msg, std::uint64_t wParam);
    bool Pumps(const FakeWindow& w) const { return !w.hung && nowMs_ >= w.busyUntilMs; }
    static constexpr std::uint64_t kCrowdBase = 0x7000'0000;
    bool InCrowd(WindowHandle h) const {
        return h.Value() >= kCrowdBase && h.Value() < kCrowdBase + static_cast<std::uint64_t>(crowd);
    }
    WindowHandle CrowdWindow(int i) const { return i < crowd ? WindowHandle{kCrowdBase + static_cast<std::uint64_t>(i)} : WindowHandle{}; }

    std::unordered_map<WindowHandle, FakeWindow> windows_;
    std::unordered_map<WindowHandle, std::deque<Request>> queues_;
    std::vector<WindowHandle> zOrder_;  // topmost first
    std::size_t walkAt_ = 0;            // where NextWindow found the last window
    std::uint64_t next_ = 0x10010;
    std::uint32_t nextProcess_ = 5000;
    std::int64_t nowMs_ = 0;
};

}  // namespace hw::test
