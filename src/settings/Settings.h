#pragma once
// Hidewell's settings as the program holds them: the entries and the five options.
#include <vector>

#include "platform/Types.h"

namespace hw {

// One application entry: the caption pattern, and the icon reference of the tray icon its
// windows get (empty: they are hidden without an icon).
struct Entry {
    Text titlePattern;
    Text iconReference;
    bool operator==(const Entry&) const = default;
};

constexpr int kDefaultPollIntervalMs = 3000;
constexpr int kMaxPollIntervalMs = 10000;

struct Settings {
    std::vector<Entry> entries;
    int pollIntervalMs = kDefaultPollIntervalMs;  // 1 to kMaxPollIntervalMs
    bool startWithWindows = false;
    bool hideOwnIcon = false;  // while application icons are shown
    bool hideDateIcon = false;
    bool singleClickRestores = false;

    // Takes only intervals the poll timer accepts; false leaves it as it was.
    bool SetPollInterval(int ms) {
        if (ms < 1 || ms > kMaxPollIntervalMs) return false;
        pollIntervalMs = ms;
        return true;
    }
};

}  // namespace hw
