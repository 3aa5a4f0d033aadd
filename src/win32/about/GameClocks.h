#pragma once
// The games' timers as WM_TIMER timers of one window, and their random numbers.
#include <windows.h>

#include <random>

#include "about/GameClock.h"
#include "win32/base/Window.h"

namespace hw {

class WindowTimer : public GameTimer {
public:
    WindowTimer(const Window& owner, UINT_PTR id) : owner_(owner), id_(id) {}
    void Start(int intervalMs) override {
        if (owner_.Hwnd()) SetTimer(owner_.Hwnd(), id_, static_cast<UINT>(intervalMs > 0 ? intervalMs : 1), nullptr);
    }
    void Stop() override {
        if (owner_.Hwnd()) KillTimer(owner_.Hwnd(), id_);
    }
    UINT_PTR Id() const { return id_; }

private:
    const Window& owner_;
    UINT_PTR id_;
};

class SeededRandom : public RandomSource {
public:
    int Below(int count) override {
        return count > 1 ? std::uniform_int_distribution<int>(0, count - 1)(engine_) : 0;
    }

private:
    // Seeded from the system's entropy and the clock, in case a runtime's entropy is fixed.
    std::mt19937 engine_{std::random_device{}() ^ static_cast<unsigned>(GetTickCount64())};
};

}  // namespace hw
