#include "engine/WindowScan.h"

#include <utility>

namespace hw {

bool ScanMinimisedWindows(Desktop& desktop, ScanLists& lists) {
    lists.Titles.assign(kScanInitialUpper + 1, Text());
    lists.Handles.assign(kScanInitialUpper + 1, 0);
    std::size_t count = 0;
    for (WindowHandle h = desktop.FirstTopLevel(); h != 0; h = desktop.NextWindow(h)) {
        if (!desktop.IsIconic(h)) continue;
        // One read serves both the test and the list, so a window that vanishes in between
        // cannot leave an empty caption in the middle of the list.
        Text caption = desktop.GetText(h, kScanCaptionMax);
        if (caption.empty() || desktop.ParentOrOwner(h) != 0) continue;
        if (count == kScanMaxCount) return false;
        ++count;
        if (count >= lists.Titles.size()) {
            lists.Titles.resize(count + 10 + 1);
            lists.Handles.resize(count + 10 + 1);
        }
        if (caption.size() > kScanCaptionMax - 1) caption.resize(kScanCaptionMax - 1);
        lists.Titles[count] = std::move(caption);
        lists.Handles[count] = h;
    }
    return true;
}

}  // namespace hw
