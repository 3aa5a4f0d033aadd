#include "engine/WindowFacts.h"

#include <iterator>

namespace hw {

namespace {

// The shell's own windows: hiding them would take the taskbar or the desktop away.
bool IsShellWindow(const Text& className) {
    for (const char16_t* shell : {u"Shell_TrayWnd", u"Shell_SecondaryTrayWnd", u"Progman", u"WorkerW"})
        if (className == shell) return true;
    return false;
}

}  // namespace

bool Qualifies(const WindowFacts& w) {
    return w.window && !w.own && !w.caption.empty() && !w.owner && !(w.exStyle & (kWsExToolWindow | kWsExNoActivate)) &&
           !w.cloaked && !IsShellWindow(w.className);
}

WindowFacts WindowReader::Read(WindowHandle h) {
    WindowFacts w;
    if (!h || !desktop_.IsWindow(h)) return w;
    w.window = h;
    w.style = desktop_.GetStyle(h);
    w.visible = (w.style & kWindowVisible) != 0;
    w.minimised = desktop_.IsIconic(h);
    w.own = desktop_.IsOwnWindow(h);
    w.caption = desktop_.GetText(h, kScanCaptionMax);
    if (w.caption.size() > kScanCaptionMax - 1) w.caption.resize(kScanCaptionMax - 1);
    w.owner = desktop_.ParentOrOwner(h);
    w.exStyle = desktop_.GetExStyle(h);
    w.cloaked = desktop_.IsCloaked(h);
    w.className = desktop_.ClassName(h);
    w.processId = desktop_.ProcessId(h);
    const ProcessFacts& process = ProcessOf(w.processId);
    w.program = process.program;
    w.programPath = process.path;
    w.aboveUs = process.aboveUs;
    return w;
}

const ProcessFacts& WindowReader::ProcessOf(std::uint32_t processId) {
    auto [it, added] = programs_.try_emplace(processId);
    if (added && processId != 0) it->second.facts = desktop_.Process(processId);
    it->second.seenInScan = scan_;
    return it->second.facts;
}

bool WindowReader::Scan(std::vector<WindowFacts>& found, bool alsoShown) {
    found.clear();
    ++scan_;
    bool complete = true;
    for (WindowHandle h = desktop_.FirstTopLevel(); h; h = desktop_.NextWindow(h)) {
        // The state first: most windows are neither minimised nor, unless asked for, shown.
        if (!desktop_.IsIconic(h) && !(alsoShown && (desktop_.GetStyle(h) & kWindowVisible))) continue;
        WindowFacts w = Read(h);
        if (!Qualifies(w)) continue;
        if (found.size() == kScanMaxCount) {
            complete = false;
            break;
        }
        found.push_back(std::move(w));
    }
    // A process with no window left in sight is forgotten: its id may be given to another.
    std::erase_if(programs_, [&](const auto& p) { return p.second.seenInScan != scan_; });
    return complete;
}

}  // namespace hw
