#pragma once
// The date icon's pictures: a calendar leaf with the day of the month on it, drawn at the
// size the notification area asks for.
#include <windows.h>

#include <map>

#include "win32/base/Handles.h"

namespace hw {

class DayIcons {
public:
    // The icon for day 1 to 31, drawn on first use; null when it cannot be drawn.
    HICON Get(int day);
    // Drops the drawn icons when the small-icon size changed (DPI or settings change).
    // True when they were dropped.
    bool Resize();

private:
    int Size();
    std::map<int, UniqueIcon> icons_;
    int size_ = 0;
};

// Draws one calendar leaf of the given size in pixels.
UniqueIcon DrawDayIcon(int day, int size);

}  // namespace hw
