#pragma once
// The scan of the desktop's top-level windows for minimised, titled, unowned windows.
#include <vector>

#include "platform/Desktop.h"

namespace hw {

// Captions and handles of the windows a scan found, in Z order (topmost first).
// Elements 1 to n hold the n windows found; element 0 and every element above n hold
// the empty text and 0. The lists start with 101 elements and grow by 10 past the count.
struct ScanLists {
    std::vector<Text> Titles;
    std::vector<WindowHandle> Handles;
};

constexpr int kScanInitialUpper = 100;
constexpr int kScanMaxCount = 32767;
// Captions are read with this maximum count, so they are cut to 254 characters.
constexpr int kScanCaptionMax = 255;

// Rebuilds both lists from scratch. Takes windows that are
// minimised, have a caption and have neither parent nor owner; hidden windows count too.
// Returns false when more windows qualified than a scan can hold: the lists then hold the
// first kScanMaxCount of them.
bool ScanMinimisedWindows(Desktop& desktop, ScanLists& lists);

}  // namespace hw
