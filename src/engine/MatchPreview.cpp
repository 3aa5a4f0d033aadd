#include "engine/MatchPreview.h"

#include <algorithm>

#include "common/NumericParse.h"
#include "engine/WindowScan.h"

namespace hw {

Text DescendingRangeMessage(char16_t from, char16_t to) {
    return u"This title has a range from " + Text(1, from) + u" to " + Text(1, to) + u" and can never match a window.";
}

Text TitleRefusal(const Text& title, const PatternCheck& check) {
    switch (check.fault) {
    case PatternFault::None: break;
    case PatternFault::UnclosedBracket: return kUnclosedBracketMessage;
    case PatternFault::TooLong: return kTooLongTitleMessage;
    case PatternFault::DescendingRange: {
        // The letters as typed: upper-casing keeps every character in its place.
        bool known = check.rangeAt + 2 < title.size();
        return DescendingRangeMessage(known ? title[check.rangeAt] : u'?', known ? title[check.rangeAt + 2] : u'?');
    }
    }
    return Text();
}

MatchPreview::MatchPreview(const CaseMapping& upper, const std::vector<Text>& titlesAbove) : upper_(upper) {
    above_.reserve(titlesAbove.size());
    for (const Text& title : titlesAbove) above_.emplace_back(title, upper);
}

void MatchPreview::Scan(Desktop& desktop) {
    open_.clear();
    for (WindowHandle h = desktop.FirstTopLevel(); h; h = desktop.NextWindow(h)) {
        if (desktop.IsOwnWindow(h)) continue;
        if (!desktop.IsIconic(h) && (desktop.GetStyle(h) & kWindowVisible) == 0) continue;
        Text caption = desktop.GetText(h, kScanCaptionMax);
        if (caption.empty() || desktop.ParentOrOwner(h)) continue;
        if (caption.size() > kLongestCaption) caption.resize(kLongestCaption);
        Text upper = upper_.Upper(caption);
        bool taken = std::any_of(above_.begin(), above_.end(), [&](const TitlePattern& p) { return p.MatchesUpper(upper); });
        open_.push_back({std::move(caption), std::move(upper), taken});
    }
}

TitleVerdict MatchPreview::Judge(const Text& title) const {
    TitleVerdict verdict;
    if (title.empty()) return verdict;
    const TitlePattern pattern(title, upper_);
    verdict.refusal = TitleRefusal(title, pattern.Check());
    if (!verdict.refusal.empty()) return verdict;

    std::size_t count = 0;
    bool allTaken = true;
    Text names;
    for (const OpenWindow& w : open_) {
        if (!pattern.MatchesUpper(w.upper)) continue;
        ++count;
        allTaken = allTaken && w.takenAbove;
        if (count <= kNamed) names += (count > 1 ? u", " : u"") + w.caption;
        else if (count == kNamed + 1) names += u", …";
    }
    if (count == 0)
        verdict.matches = u"Matches no open window.";
    else if (count == 1)
        verdict.matches = u"Matches 1 open window: " + names;
    else
        verdict.matches = u"Matches " + DecimalText(static_cast<std::int64_t>(count)) + u" open windows: " + names;

    if (pattern.MatchesEveryCaption())
        verdict.warning = kEveryWindowWarning;
    else if (count > 0 && allTaken)
        verdict.warning = kTakenAboveWarning;
    return verdict;
}

}  // namespace hw
