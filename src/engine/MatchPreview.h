#pragma once
// The entry editor's live line: the open windows a title matches now, why a title can never
// match, and the warnings for a title that takes every window or only windows that entries
// above it take already. One scan of the desktop serves every judgement until the next.
#include <vector>

#include "engine/TitleMatch.h"
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

class MatchPreview {
public:
    // How many captions the line names before "…".
    static constexpr std::size_t kNamed = 3;

    // titlesAbove: the entries above the one being edited, which take a window first.
    MatchPreview(const CaseMapping& upper, const std::vector<Text>& titlesAbove);

    // Reads the open windows: top-level, titled, unowned, visible or minimised (so hidden
    // ones count too), and not Hidewell's own.
    void Scan(Desktop& desktop);
    std::size_t OpenWindows() const { return open_.size(); }

    // The verdict on a title against the last scan; nothing for an empty title.
    TitleVerdict Judge(const Text& title) const;

private:
    struct OpenWindow {
        Text caption;
        Text upper;
        bool takenAbove;  // an entry above matches it
    };

    const CaseMapping& upper_;
    std::vector<TitlePattern> above_;
    std::vector<OpenWindow> open_;
};

}  // namespace hw
