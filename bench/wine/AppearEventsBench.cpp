// What watching for new windows costs: the events delivered to Hidewell's thread while another
// program makes and shows 1,000 child controls. Measured for the watch Hidewell used before
// (a hook on objects made, destroyed and shown, of every process, and the caption hook of the
// new window's process), for the watch it uses now (the shell's notices of new top-level
// windows, or else a hook on shown windows and the caption hook), and, to show what the
// platform delivers at all, for a hook on every event. Goal: at most 10 now.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Process.h"
#include "win32/adapters/WinEventHook.h"

namespace {

using namespace hw::wine;
using namespace std::chrono_literals;

constexpr std::uint64_t kGoal = 10;

// A way of watching, begun once the busy program's window exists.
class Watch {
public:
    virtual ~Watch() = default;
    virtual void Begin(HWND window, DWORD processId) = 0;
    virtual std::uint64_t Delivered() = 0;
    // The busy program's end mark has arrived: everything it caused before has too.
    virtual bool Ended() = 0;
};

// Raw hooks, counted by event; the minimise of the busy program's window is the end mark.
class RawHooks : public Watch {
public:
    explicit RawHooks(bool every) : every_(every) {}
    ~RawHooks() override {
        for (HWINEVENTHOOK h : hooks_) UnhookWinEvent(h);
        t_raw = nullptr;
    }
    void Begin(HWND window, DWORD processId) override {
        t_raw = this;
        endMark_ = window;
        const DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
        if (every_) {
            hooks_.push_back(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &OnEvent, 0, 0, flags));
            return;
        }
        hooks_.push_back(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, &OnEvent, 0, 0, flags));
        hooks_.push_back(SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &OnEvent,
                                         processId, 0, WINEVENT_OUTOFCONTEXT));
        hooks_.push_back(SetWinEventHook(EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZESTART, nullptr, &OnEvent, 0,
                                         0, flags));
    }
    std::uint64_t Delivered() override { return total_; }
    bool Ended() override { return ended_; }
    const std::map<DWORD, std::uint64_t>& ByEvent() const { return byEvent_; }

private:
    static thread_local RawHooks* t_raw;
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG, LONG, DWORD, DWORD) {
        RawHooks* self = t_raw;
        if (!self) return;
        if (event == EVENT_SYSTEM_MINIMIZESTART && hwnd == self->endMark_) {
            self->ended_ = true;
            return;
        }
        if (event == EVENT_SYSTEM_MINIMIZESTART && !self->every_) return;  // the end mark's hook
        ++self->byEvent_[event];
        ++self->total_;
    }
    bool every_;
    std::vector<HWINEVENTHOOK> hooks_;
    HWND endMark_ = nullptr;
    bool ended_ = false;
    std::uint64_t total_ = 0;
    std::map<DWORD, std::uint64_t> byEvent_;
};
thread_local RawHooks* RawHooks::t_raw = nullptr;

// Hidewell's own watch, asked for as the engine does while a window is new.
class HidewellWatch : public Watch, hw::WindowEventSink {
public:
    HidewellWatch() : hook_(*this) {}
    ~HidewellWatch() override {
        hook_.WatchAppearances(false);
        hook_.WatchCaptionsOf({});
    }
    void Begin(HWND window, DWORD processId) override {
        endMark_ = window;
        how = hook_.WatchAppearances(true);
        if (!how.shellNotices) hook_.WatchCaptionsOf({processId});
    }
    // The end mark is delivered too; it is not part of the cost.
    std::uint64_t Delivered() override { return hook_.Delivered() - (ended_ ? 1 : 0); }
    bool Ended() override { return ended_; }
    hw::AppearanceWatch how;

private:
    void OnWindowEvent(hw::WindowEvent e, hw::WindowHandle h) override {
        if (e == hw::WindowEvent::Minimized && h.Value() == reinterpret_cast<std::uintptr_t>(endMark_)) ended_ = true;
    }
    hw::WinEventHook hook_;
    HWND endMark_ = nullptr;
    bool ended_ = false;
};

// Starts the busy program, watches, lets it make its controls and waits for its end mark;
// the events delivered meanwhile, -1 on failure.
long long Measure(Watch& watch) {
    Process program;
    if (!program.Start(L"\"" + ProgramFolder() + L"controls_window.exe\"")) return -1;
    const HWND window = WaitForWindowOf(program.Id(), L"HidewellControlsWindow", 20s);
    if (!window) return -1;
    watch.Begin(window, program.Id());
    Pump();
    const std::uint64_t before = watch.Delivered();
    PostMessageW(window, WM_APP, 0, 0);
    const bool done = WaitFor([&] { Pump(); return watch.Ended(); }, 60s);
    const std::uint64_t delivered = watch.Delivered() - before;
    PostMessageW(window, WM_CLOSE, 0, 0);
    program.WaitExit(5000);
    return done ? static_cast<long long>(delivered) : -1;
}

}  // namespace

int main() {
    long long before = 0, now = 0, every = 0;
    hw::AppearanceWatch how;
    std::map<DWORD, std::uint64_t> byEvent;
    {
        RawHooks old(false);
        before = Measure(old);
    }
    {
        HidewellWatch watch;
        now = Measure(watch);
        how = watch.how;
    }
    {
        RawHooks all(true);
        every = Measure(all);
        byEvent = all.ByEvent();
    }
    std::printf("events delivered while another program makes and shows 1,000 controls\n");
    std::printf("  before: hook on objects made..shown, caption hook of the program   %6lld\n", before);
    std::printf("  now: %-62s %6lld (goal: at most %llu)\n",
                how.shellNotices ? "the shell's notices of new windows"
                : how.shownHook  ? "hook on shown windows, caption hook of the program"
                                 : "polling alone, caption hook of the program",
                now, static_cast<unsigned long long>(kGoal));
    if (!how.shellNotices)
        std::printf("  the shell's notices could not be had (error %lu)\n", static_cast<unsigned long>(how.shellError));
    std::printf("  a hook on every event: %lld; by event:", every);
    for (const auto& [event, n] : byEvent)
        std::printf(" 0x%04lx=%llu", static_cast<unsigned long>(event), static_cast<unsigned long long>(n));
    std::printf("\n");
    return before >= 0 && now >= 0 && static_cast<std::uint64_t>(now) <= kGoal ? 0 : 1;
}
