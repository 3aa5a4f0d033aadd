#pragma once
// The one place where a window meets the entries: the entries' patterns compiled once, and
// the first entry that takes a window, judged from its facts.
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "engine/TitleMatch.h"
#include "engine/WindowFacts.h"
#include "settings/Settings.h"

namespace hw {

// The text of the window an entry of this kind matches its pattern against.
const Text& MatchedText(const WindowFacts& w, MatchBy by);

class EntryMatcher {
public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    explicit EntryMatcher(const CaseMapping& upper) : upper_(upper) {}

    // Takes the entries; compiles again only when a pattern or a kind changed.
    void Compile(const std::vector<Entry>& entries);
    std::size_t Size() const { return compiled_.size(); }

    // The first entry that takes the window, or kNone. Whether it may be hidden at all is
    // Qualifies's to say. A window met in this round or the one before with the same
    // caption, program and class is not matched again: the answer depends on nothing else.
    std::size_t FirstMatch(const WindowFacts& w);
    // A new round (a tick): answers for windows not met since the last round are forgotten.
    void NextRound();

private:
    struct Compiled {
        MatchBy by;
        TitlePattern pattern;
    };
    struct Answer {
        Text caption, program, className;
        std::size_t entry;
        bool Fits(const WindowFacts& w) const {
            return caption == w.caption && program == w.program && className == w.className;
        }
    };
    std::size_t Match(const WindowFacts& w) const;

    const CaseMapping& upper_;
    std::vector<Entry> sources_;  // what was compiled: patterns and kinds
    std::vector<Compiled> compiled_;
    std::unordered_map<WindowHandle, Answer> now_, before_;
};

}  // namespace hw
