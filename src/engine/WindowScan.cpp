#include "engine/WindowScan.h"

#include <utility>

namespace hw {

bool ScanMinimisedWindows(Desktop& desktop, std::vector<ScannedWindow>& found, bool alsoShown) {
    found.clear();
    for (WindowHandle h = desktop.FirstTopLevel(); h; h = desktop.NextWindow(h)) {
        // Hidewell's own windows (the put-away configuration window stays minimised) are
        // not Hidewell's to hide.
        const bool minimised = desktop.IsIconic(h);
        if (!minimised && !(alsoShown && (desktop.GetStyle(h) & kWindowVisible))) continue;
        if (desktop.IsOwnWindow(h)) continue;
        // One read serves both the test and the list, so a window that vanishes in between
        // cannot leave an empty caption in the list.
        Text caption = desktop.GetText(h, kScanCaptionMax);
        if (caption.empty() || desktop.ParentOrOwner(h)) continue;
        // Not an application window on this desktop: a tool palette, a window that never
        // takes the front, or one the system keeps out of sight (a suspended Store app's
        // frame, a window on another virtual desktop).
        if (desktop.GetExStyle(h) & (kWsExToolWindow | kWsExNoActivate) || desktop.IsCloaked(h)) continue;
        if (found.size() == kScanMaxCount) return false;
        if (caption.size() > kScanCaptionMax - 1) caption.resize(kScanCaptionMax - 1);
        found.push_back({h, std::move(caption), minimised});
    }
    return true;
}

}  // namespace hw
