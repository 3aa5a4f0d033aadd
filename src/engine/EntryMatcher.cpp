#include "engine/EntryMatcher.h"

#include <algorithm>
#include <optional>

namespace hw {

const Text& MatchedText(const WindowFacts& w, MatchBy by) {
    switch (by) {
    case MatchBy::Program: return w.program;
    case MatchBy::Class: return w.className;
    case MatchBy::Caption:
    case MatchBy::Unknown: break;
    }
    return w.caption;
}

void EntryMatcher::Compile(const std::vector<Entry>& entries) {
    auto same = [](const Entry& a, const Entry& b) { return a.titlePattern == b.titlePattern && a.matchBy == b.matchBy; };
    if (std::equal(sources_.begin(), sources_.end(), entries.begin(), entries.end(), same)) return;
    sources_ = entries;
    compiled_.clear();
    compiled_.reserve(entries.size());
    for (const Entry& e : entries) compiled_.push_back({e.Kind(), TitlePattern(e.titlePattern, upper_)});
    now_.clear();
    before_.clear();
}

void EntryMatcher::NextRound() {
    before_.swap(now_);
    now_.clear();
}

std::size_t EntryMatcher::FirstMatch(const WindowFacts& w) {
    if (auto it = now_.find(w.window); it != now_.end() && it->second.Fits(w)) return it->second.entry;
    auto before = before_.find(w.window);
    const std::size_t entry = before != before_.end() && before->second.Fits(w) ? before->second.entry : Match(w);
    now_.insert_or_assign(w.window, Answer{w.caption, w.program, w.className, entry});
    return entry;
}

std::size_t EntryMatcher::Match(const WindowFacts& w) const {
    // Each text is upper-cased at most once, and only when an entry reads it.
    std::optional<Text> upper[3];
    for (std::size_t j = 0; j < compiled_.size(); ++j) {
        const Compiled& c = compiled_[j];
        if (c.by == MatchBy::Unknown) continue;
        std::optional<Text>& text = upper[static_cast<std::size_t>(c.by)];
        if (!text) text = upper_.Upper(MatchedText(w, c.by));
        if (!text->empty() && c.pattern.MatchesUpper(*text)) return j;
    }
    return kNone;
}

}  // namespace hw
