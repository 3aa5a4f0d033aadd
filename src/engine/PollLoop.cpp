// The poll timer's tick: the heart of Hidewell.
#include "common/WindowKey.h"
#include "engine/Hidewell.h"

namespace hw {

namespace {
constexpr int kErrOverflow = 6;

// True when the master list holds the key's record. Records are fixed-width, so only whole
// records are compared.
bool InMasterList(const Text& masterList, const Text& key) {
    for (std::size_t at = 0; at + kRecordLength <= masterList.size(); at += kRecordLength)
        if (masterList.compare(at, kKeyDigits, key) == 0) return true;
    return false;
}
}  // namespace

// Compiles the title patterns again only when the entries changed since the last time.
void Hidewell::CompilePatterns() {
    if (patternSources_ == Settings.ApplicationsList) return;
    patternSources_ = Settings.ApplicationsList;
    patterns_.clear();
    patterns_.reserve(patternSources_.size());
    for (const Text& title : patternSources_) patterns_.emplace_back(title);
    firstMatchNow_.clear();
    firstMatchBefore_.clear();
}

// The first entry whose pattern matches the caption, or kNoEntry. A caption already met in
// this tick or the one before is not matched again: the answer depends on nothing else.
std::size_t Hidewell::FirstMatch(const Text& caption) {
    if (auto now = firstMatchNow_.find(caption); now != firstMatchNow_.end()) return now->second;
    std::size_t j = 0;
    if (auto before = firstMatchBefore_.find(caption); before != firstMatchBefore_.end()) {
        j = before->second;
    } else {
        while (j < patterns_.size() && !patterns_[j].Matches(caption)) ++j;
        if (j == patterns_.size()) j = kNoEntry;
    }
    firstMatchNow_.emplace(caption, j);
    return j;
}

void Hidewell::Timer1_Timer() {
    // Phase 0: no second tick while this one runs, whatever handlers run in between.
    p_.forms.EnableTimer1(false);
    p_.forms.SetTimer1Interval(Settings.TimeScroll);
    CompilePatterns();
    firstMatchBefore_.swap(firstMatchNow_);
    firstMatchNow_.clear();

    // Phase 1: the windows already hidden, walked over a snapshot of the slots.
    std::vector<int> slots;
    for (auto& [k, item] : Lineer) slots.push_back(k);
    for (int k : slots) {
        auto item = Lineer.find(k);
        if (item == Lineer.end()) continue;
        WindowHandle h = HandleFromText(item->second.Tag);
        if (k > 0 && !p_.desktop.IsIconic(h)) {
            if (OperationBusy) break;
            BringBack(k, h);
            continue;
        }
        // A hidden window that showed itself again while minimised is hidden again.
        if (h != 0) p_.desktop.ShowWindow(h, kSwHide);
        if (k == 0) continue;
        Text caption = p_.desktop.GetText(h, kScanCaptionMax);
        clsTrayIcon& icon = TrayIconAt(k);
        if (icon.TrayToolTip().find(caption) == Text::npos) icon.TrayToolTip(caption + u'\0');
        if (FirstMatch(caption) == kNoEntry) BringBack(k, h);
    }

    // Phase 2: newly minimised windows that match an entry.
    if (!ScanMinimisedWindows(p_.desktop, Scan)) {
        FailurePath(kErrOverflow);
        return;
    }
    std::size_t upper = Scan.Titles.size();
    for (std::size_t i = 1; i < upper; ++i) {
        if (Scan.Titles[i].empty()) break;
        // A window already hidden finds its key in the master list for every entry, so it
        // needs no matching; otherwise the first matching entry decides.
        if (InMasterList(MasterList, BH(Scan.Handles[i]))) continue;
        std::size_t j = FirstMatch(Scan.Titles[i]);
        if (j == kNoEntry) continue;
        if (!Hide(static_cast<int>(i), static_cast<int>(j))) return;  // the tick ended in a refresh
    }

    // The own icon follows the number of application icons.
    if (PrevCount != IconCount) {
        if (Settings.chkHide == 1 && IconCount > 0) {
            DateRefresh = -1;
            OwnTray.RemoveIcon();
        } else {
            OwnTray.ShowIcon();
            DateRefresh = -1;
        }
        PrevCount = IconCount;
    }
    if (Settings.chkHideDate == 0 && DateTick) DateTick();
    if (!mnuSuspend) p_.forms.EnableTimer1(true);
}

// Hides window i of the scan for entry j. False when the slots ran out and the tick ended
// in a refresh.
bool Hidewell::Hide(int i, int j) {
    WindowHandle h = Scan.Handles[static_cast<std::size_t>(i)];
    const Text& caption = Scan.Titles[static_cast<std::size_t>(i)];
    p_.desktop.ShowWindow(h, kSwHide);
    int s = static_cast<int>(HandleFromText(SlotCounter)) + 1;
    SlotCounter = HandleText(static_cast<WindowHandle>(s));
    Lineer[s] = LineerItem{caption, HandleText(h)};
    MasterList += BH(h) + u';';
    // The window's own icon goes up first, so it appears as soon as the window is gone.
    bool iconShown = IconInTray(j, caption, s);
    SetOwnPicture(Picture::Got);
    if (!iconShown) {
        // No way back without an icon: the window is shown again rather than lost.
        BringBack(s, h);
    }
    // Slots run out at 30: renumber them from 1, but only when some have been freed; with
    // every slot still taken a renumbering would hide the same windows again at once, for ever.
    if (s >= kMaxSlots && SlotCount() < s) {
        RefreshAll();
        return false;
    }
    return true;
}

void Hidewell::FailurePath(int errorNumber) {
    LocalTime now = p_.clock.Now();
    Text text = HandleText(static_cast<WindowHandle>(errorNumber)) + u" : " + p_.clock.SystemDate(now) + u" : " +
                p_.clock.SystemTime(now);
    p_.ui.ShowMessage(text, kAppTitle, kMbIconCritical);
    RefreshAll();
    p_.forms.EnableTimer1(false);
}

void Hidewell::mnuSuspend_Click() {
    if (mnuSuspend) {
        mnuSuspend = false;
        p_.forms.SetTimer1Interval(1);
        p_.forms.EnableTimer1(true);
    } else {
        mnuSuspend = true;
        p_.forms.EnableTimer1(false);
    }
}

}  // namespace hw
