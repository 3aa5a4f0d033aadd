#include "engine/TitleMatch.h"

namespace hw {

TitlePattern::TitlePattern(const Text& pattern, const CaseMapping& upper) {
    const Text p = upper.Upper(pattern);
    std::size_t oneEach = 0;  // tokens that take exactly one character
    for (std::size_t i = 0; i < p.size() && IsValid();) {
        char16_t c = p[i++];
        switch (c) {
        case u'*':
            // A run of stars matches what one star matches.
            if (tokens_.empty() || tokens_.back().kind != Kind::Star) tokens_.push_back({Kind::Star, false, 0, 0, 0});
            break;
        case u'?': tokens_.push_back({Kind::AnyChar, false, 0, 0, 0}); break;
        case u'#': tokens_.push_back({Kind::Digit, false, 0, 0, 0}); break;
        case u'[': ParseList(p, i); break;
        default: tokens_.push_back({Kind::Literal, false, c, 0, 0}); break;
        }
        if (!tokens_.empty() && tokens_.back().kind != Kind::Star) ++oneEach;
    }
    if (IsValid() && oneEach > kLongestCaption) check_.fault = PatternFault::TooLong;
    if (!IsValid()) {
        tokens_.clear();
        ranges_.clear();
    }
}

// Reads a list that starts at p[i] (just after its "["), up to and including its "]".
void TitlePattern::ParseList(const Text& p, std::size_t& i) {
    Token t{Kind::List, false, 0, static_cast<std::uint32_t>(ranges_.size()), 0};
    if (i < p.size() && p[i] == u'!') {
        t.negated = true;
        ++i;
    }
    while (i < p.size() && p[i] != u']') {
        char16_t low = p[i++];
        char16_t high = low;
        // A hyphen between two characters makes a range; first or last it is itself.
        if (i + 1 < p.size() && p[i] == u'-' && p[i + 1] != u']') {
            high = p[i + 1];
            i += 2;
            if (high < low) {
                check_ = {PatternFault::DescendingRange, i - 3};
                return;
            }
        }
        ranges_.push_back({low, high});
        ++t.count;
    }
    if (i == p.size()) {
        check_.fault = PatternFault::UnclosedBracket;
        return;
    }
    ++i;
    tokens_.push_back(t);
}

bool TitlePattern::MatchesEveryCaption() const {
    int anyOne = 0;
    bool star = false;
    for (const Token& t : tokens_) {
        if (t.kind == Kind::Star)
            star = true;
        else if (t.kind == Kind::AnyChar || (t.kind == Kind::List && t.negated && t.count == 0))
            ++anyOne;
        else
            return false;
    }
    return star && anyOne <= 1;
}

bool TitlePattern::TokenMatches(const Token& t, char16_t c) const {
    switch (t.kind) {
    case Kind::Literal: return c == t.ch;
    case Kind::AnyChar: return true;
    case Kind::Digit: return c >= u'0' && c <= u'9';
    case Kind::List: {
        bool inList = false;
        for (std::uint32_t r = t.first; r < t.first + t.count && !inList; ++r)
            inList = c >= ranges_[r].low && c <= ranges_[r].high;
        return inList != t.negated;
    }
    case Kind::Star: break;
    }
    return false;
}

// Every token but the star takes exactly one character, so on a mismatch it is enough to
// let the most recent star take one more character and retry from just after it.
MatchResult TitlePattern::MatchUpper(const Text& caption) const {
    if (!IsValid()) return MatchResult::Malformed;
    const std::size_t n = caption.size();
    const std::size_t m = tokens_.size();
    std::size_t c = 0;
    std::size_t t = 0;
    constexpr std::size_t kNoStar = static_cast<std::size_t>(-1);
    std::size_t afterStar = kNoStar;  // the token after the most recent star
    std::size_t starTaken = 0;        // where that star's run ends
    while (c < n) {
        if (t < m && tokens_[t].kind == Kind::Star) {
            afterStar = ++t;
            starTaken = c;
        } else if (t < m && TokenMatches(tokens_[t], caption[c])) {
            ++t;
            ++c;
        } else if (afterStar == m) {
            return MatchResult::Match;  // a final star takes the rest
        } else if (afterStar != kNoStar) {
            t = afterStar;
            c = ++starTaken;
        } else {
            return MatchResult::NoMatch;
        }
    }
    while (t < m && tokens_[t].kind == Kind::Star) ++t;
    return t == m ? MatchResult::Match : MatchResult::NoMatch;
}

MatchResult MatchTitle(const Text& caption, const Text& pattern, const CaseMapping& upper) {
    return TitlePattern(pattern, upper).MatchUpper(upper.Upper(caption));
}

bool IsValidTitlePattern(const Text& pattern, const CaseMapping& upper) { return TitlePattern(pattern, upper).IsValid(); }

PatternCheck CheckTitlePattern(const Text& pattern, const CaseMapping& upper) {
    return TitlePattern(pattern, upper).Check();
}

}  // namespace hw
