#pragma once
// The scan of the desktop's top-level windows for minimised, titled, unowned windows.
#include <vector>

#include "platform/Desktop.h"

namespace hw {

struct ScannedWindow {
    WindowHandle window;
    Text caption;
    bool minimised = true;
};

// A scan holds at most this many windows.
constexpr int kScanMaxCount = 32767;
// Captions are read with this maximum count, so they are cut to 254 characters.
constexpr int kScanCaptionMax = 255;

// Fills found, in Z order (topmost first), with the windows that are minimised, have a
// caption, have neither parent nor owner and are not Hidewell's own; hidden windows count too.
// With alsoShown, shown windows that are not minimised count as well. Returns false when
// more windows qualified than a scan can hold: found then holds the first kScanMaxCount.
bool ScanMinimisedWindows(Desktop& desktop, std::vector<ScannedWindow>& found, bool alsoShown = false);

}  // namespace hw
