#pragma once
// The entry editor's live line: the open windows an entry matches now, why a title can never
// match, and the warnings for a title that takes every window or only windows that entries
// above it take already. One scan of the desktop serves every judgement until the next.
#include <vector>

#include "engine/EntryMatcher.h"
#include "platform/Desktop.h"
#include "ui/TitleVerdict.h"

namespace hw {

inline const Text kUnclosedBracketMessage = u"This title has an unclosed [ and can never match a window.";
inline const Text kTooLongTitleMessage =
    u"This title needs more than 254 characters in a caption and can never match a window.";
inline const Text kEveryWindowWarning = u"This title matches every window.";
inline const Text kTakenAboveWarning = u"Entries above this one already take every window this title matches now.";

// "This title has a range from Z to A and can never match a window."
Text DescendingRangeMessage(char16_t from, char16_t to);

// The message that refuses a title that can never match; empty for a title that can.
Text TitleRefusal(const Text& title, const PatternCheck& check);

// Why an entry of an unknown kind can never match a window.
Text UnknownKindMessage(const Text& stored);

class MatchPreview {
public:
    // How many windows the line names before "…".
    static constexpr std::size_t kNamed = 3;

    // above: the entries above the one being edited, which take a window first.
    MatchPreview(Desktop& desktop, const CaseMapping& upper, const std::vector<Entry>& above);

    // Reads the open windows Hidewell may hide (visible or minimised, so hidden ones count too).
    void Scan();

    // The verdict on an entry's pattern, of its kind, against the last scan; nothing for an
    // empty pattern.
    TitleVerdict Judge(const Entry& entry) const;

private:
    struct OpenWindow {
        WindowFacts facts;
        bool takenAbove;  // an entry above takes it
    };

    const CaseMapping& upper_;
    WindowReader reader_;
    EntryMatcher above_;
    std::vector<OpenWindow> open_;
    std::vector<WindowFacts> scan_;
};

}  // namespace hw
