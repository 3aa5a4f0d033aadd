#include "engine/TitleMatch.h"

namespace hw {

namespace {

// Lower case of a pair block where upper and lower case alternate: the upper case letter
// sits at the even code when upperEven is true.
bool InPairBlock(char16_t c, char16_t from, char16_t to, bool upperEven) {
    return c >= from && c <= to && ((c % 2 == 0) != upperEven);
}

char16_t UpperGreek(char16_t c) {
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;
    switch (c) {
    case 0x3AC: return 0x386;
    case 0x3AD: return 0x388;
    case 0x3AE: return 0x389;
    case 0x3AF: return 0x38A;
    case 0x3C2: return 0x3A3;  // final sigma
    case 0x3CC: return 0x38C;
    case 0x3CD: return 0x38E;
    case 0x3CE: return 0x38F;
    case 0x3D0: return 0x392;
    case 0x3D1: return 0x398;
    case 0x3D5: return 0x3A6;
    case 0x3D6: return 0x3A0;
    case 0x3F0: return 0x39A;
    case 0x3F1: return 0x3A1;
    case 0x3F5: return 0x395;
    default: break;
    }
    if (InPairBlock(c, 0x3D8, 0x3EF, true)) return c - 1;
    return c;
}

char16_t UpperCyrillic(char16_t c) {
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c == 0x4CF) return 0x4C0;
    if (InPairBlock(c, 0x460, 0x481, true) || InPairBlock(c, 0x48A, 0x4BF, true) ||
        InPairBlock(c, 0x4C1, 0x4CE, false) || InPairBlock(c, 0x4D0, 0x52F, true))
        return c - 1;
    return c;
}

char16_t UpperLatin(char16_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
    case 0xB5: return 0x39C;   // micro sign
    case 0xFF: return 0x178;
    case 0x131: return u'I';   // dotless i
    case 0x17F: return u'S';   // long s
    default: break;
    }
    if (InPairBlock(c, 0x100, 0x12F, true) || InPairBlock(c, 0x132, 0x137, true) ||
        InPairBlock(c, 0x139, 0x148, false) || InPairBlock(c, 0x14A, 0x177, true) ||
        InPairBlock(c, 0x179, 0x17E, false))
        return c - 1;
    return c;
}

}  // namespace

char16_t UpperCase(char16_t c) {
    if (c < 0x80) return (c >= u'a' && c <= u'z') ? c - 0x20 : c;
    if (c < 0x180) return UpperLatin(c);
    if (c >= 0x370 && c < 0x400) return UpperGreek(c);
    if (c >= 0x400 && c < 0x530) return UpperCyrillic(c);
    return c;
}

Text UpperCase(const Text& text) {
    Text upper(text);
    for (char16_t& c : upper) c = UpperCase(c);
    return upper;
}

TitlePattern::TitlePattern(const Text& pattern) {
    const Text p = UpperCase(pattern);
    for (std::size_t i = 0; i < p.size() && valid_;) {
        char16_t c = p[i++];
        switch (c) {
        case u'*':
            // A run of stars matches what one star matches.
            if (tokens_.empty() || tokens_.back().kind != Kind::Star) tokens_.push_back({Kind::Star, false, 0, 0, 0});
            break;
        case u'?': tokens_.push_back({Kind::AnyChar, false, 0, 0, 0}); break;
        case u'#': tokens_.push_back({Kind::Digit, false, 0, 0, 0}); break;
        case u'[': valid_ = ParseList(p, i); break;
        default: tokens_.push_back({Kind::Literal, false, c, 0, 0}); break;
        }
    }
    if (!valid_) {
        tokens_.clear();
        ranges_.clear();
    }
}

// Reads a list that starts at p[i] (just after its "["), up to and including its "]".
bool TitlePattern::ParseList(const Text& p, std::size_t& i) {
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
            if (high < low) return false;
        }
        ranges_.push_back({low, high});
        ++t.count;
    }
    if (i == p.size()) return false;  // no closing bracket
    ++i;
    tokens_.push_back(t);
    return true;
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
MatchResult TitlePattern::Match(const Text& caption) const {
    if (!valid_) return MatchResult::Malformed;
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
        } else if (t < m && TokenMatches(tokens_[t], UpperCase(caption[c]))) {
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

MatchResult MatchTitle(const Text& caption, const Text& pattern) { return TitlePattern(pattern).Match(caption); }

bool IsValidTitlePattern(const Text& pattern) { return TitlePattern(pattern).IsValid(); }

}  // namespace hw
