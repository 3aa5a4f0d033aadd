#pragma once
// Matching window captions against the title patterns of application entries.
//
// Both sides are upper-cased by the platform's case mapping, then the pattern must account
// for the whole caption:
//   *        any run of zero or more characters
//   ?        exactly one character
//   #        exactly one digit 0-9
//   [list]   one character in the list; [!list] one character not in it
//   other    that same character
// A list holds single characters and ascending ranges (A-Z); a hyphen first or last stands
// for itself, and [ ? # * inside brackets are literal. An unclosed bracket, a descending
// range, or more characters to match than a caption can hold makes the pattern malformed; a
// malformed pattern matches nothing.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/CaseMapping.h"

namespace hw {

enum class MatchResult { Match, NoMatch, Malformed };

// Captions are read up to this many characters.
constexpr std::size_t kLongestCaption = 254;

// Why a pattern can never match a caption.
enum class PatternFault : std::uint8_t { None, UnclosedBracket, DescendingRange, TooLong };
struct PatternCheck {
    PatternFault fault = PatternFault::None;
    std::size_t rangeAt = 0;  // DescendingRange: where the range starts; its end is 2 further
};

// A title pattern compiled (and upper-cased) once, to be matched against many captions.
// Matching takes at most caption length x pattern length steps.
class TitlePattern {
public:
    TitlePattern(const Text& pattern, const CaseMapping& upper);

    bool IsValid() const { return check_.fault == PatternFault::None; }
    const PatternCheck& Check() const { return check_; }
    // True when every caption (never empty) matches: stars, with at most one "?" among them.
    bool MatchesEveryCaption() const;
    // The caption upper-cased with the same mapping as the pattern.
    MatchResult MatchUpper(const Text& upperCaption) const;
    bool MatchesUpper(const Text& upperCaption) const { return MatchUpper(upperCaption) == MatchResult::Match; }

private:
    enum class Kind : std::uint8_t { Literal, AnyChar, Digit, Star, List };
    struct Token {
        Kind kind;
        bool negated;
        char16_t ch;           // Literal
        std::uint32_t first;   // List: ranges_[first, first + count)
        std::uint32_t count;
    };
    struct Range {
        char16_t low;
        char16_t high;
    };

    // Sets check_ when the list is malformed.
    void ParseList(const Text& p, std::size_t& i);
    bool TokenMatches(const Token& t, char16_t c) const;

    std::vector<Token> tokens_;
    std::vector<Range> ranges_;
    PatternCheck check_;
};

// One-off match of a caption against a title pattern.
MatchResult MatchTitle(const Text& caption, const Text& pattern, const CaseMapping& upper);

// False for a pattern that can never match anything because it is malformed; the check says why.
bool IsValidTitlePattern(const Text& pattern, const CaseMapping& upper);
PatternCheck CheckTitlePattern(const Text& pattern, const CaseMapping& upper);

}  // namespace hw
