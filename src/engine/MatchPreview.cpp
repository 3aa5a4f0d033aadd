#include "engine/MatchPreview.h"

#include <algorithm>

#include "common/NumericParse.h"
#include "engine/WindowFacts.h"

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

Text UnknownKindMessage(const Text& stored) {
    return u"This entry matches by \"" + stored + u"\", which Hidewell does not know, and can never match a window.";
}

MatchPreview::MatchPreview(Desktop& desktop, const CaseMapping& upper, const std::vector<Entry>& above)
    : upper_(upper), reader_(desktop), above_(upper) {
    above_.Compile(above);
}

void MatchPreview::Scan() {
    reader_.Scan(scan_, true);
    open_.clear();
    for (WindowFacts& w : scan_) {
        const bool taken = above_.FirstMatch(w) != EntryMatcher::kNone;
        open_.push_back({std::move(w), taken});
    }
}

TitleVerdict MatchPreview::Judge(const Entry& entry) const {
    TitleVerdict verdict;
    const Text& title = entry.titlePattern;
    if (title.empty()) return verdict;
    const MatchBy by = entry.Kind();
    if (by == MatchBy::Unknown) {
        verdict.refusal = UnknownKindMessage(entry.matchBy);
        return verdict;
    }
    const TitlePattern pattern(title, upper_);
    verdict.refusal = TitleRefusal(title, pattern.Check());
    if (!verdict.refusal.empty()) return verdict;

    std::size_t count = 0;
    bool allTaken = true;
    Text names;
    for (const OpenWindow& w : open_) {
        const Text& text = MatchedText(w.facts, by);
        if (text.empty() || !pattern.MatchesUpper(upper_.Upper(text))) continue;
        ++count;
        allTaken = allTaken && w.takenAbove;
        if (count > kNamed + 1) continue;
        if (count == kNamed + 1) {
            names += u", …";
            continue;
        }
        // Named by caption, and by what matched when that is not the caption.
        names += (count > 1 ? u", " : u"") + w.facts.caption;
        if (by != MatchBy::Caption) names += u" (" + text + u")";
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
