#include <gtest/gtest.h>

#include <iterator>

#include "engine/MatchPreview.h"
#include "engine/TitleMatch.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TableCaseMapping.h"

namespace hw {
namespace {

constexpr auto M = MatchResult::Match;
constexpr auto N = MatchResult::NoMatch;
constexpr auto X = MatchResult::Malformed;

struct MatchCase {
    const char16_t* pattern;
    const char16_t* caption;
    MatchResult expected;
} const kCases[] = {
    {u"NOTEPAD", u"Untitled - Notepad", N}, {u"*notepad", u"Untitled - Notepad", M}, {u"", u"a", N}, {u"**", u"", M},
    {u"WORD - *", u"Word - Letter.doc", M}, {u"A?C", u"ac", N}, {u"REPORT#", u"Report7", M}, {u"#", u"9", M}, {u"#", u"0", M}, {u"#", u":", N}, {u"#", u"/", N},
    {u"REPORT#", u"Report", N}, {u"REPORT#", u"Report10", N}, {u"[A-C]*", u"beta", M}, {u"[A-C]*", u"delta", N},
    {u"[a-c]*", u"BETA", M}, {u"[!A-C]*", u"delta", M}, {u"[!A-C]*", u"beta", N}, {u"[XA-CZ]", u"y", N},
    {u"[!]", u"q", M}, {u"A[*]", u"Ab", N}, {u"[?][#]", u"?#", M}, {u"[#]", u"5", N}, {u"[[]X]", u"[x]", M},
    {u"[-A]", u"-", M}, {u"[A-]", u"-", M}, {u"[!-]", u"-", N}, {u"[ABC", u"[ABC", X}, {u"*[!", u"", X},
    {u"[C-A]", u"b", X}, {u"ÄRGER*", u"ärger", M}, {u"я[а-я]", u"ЯЖ", M}, {u"ΟΔΟΣ", u"οδος", M},
    {u"ŁÓDŹ", u"łódź", M}, {u"ÿ", u"Ÿ", M}, {u"É", u"E", N},
};

TEST(TitleMatch, Table) {
    const test::TableCaseMapping upper;
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const MatchCase& c = kCases[i];
        EXPECT_EQ(MatchTitle(c.caption, c.pattern, upper), c.expected) << "case " << i;
        EXPECT_EQ(IsValidTitlePattern(c.pattern, upper), c.expected != X) << "case " << i;
    }
}

TEST(TitleMatch, SaysWhyAPatternCanNeverMatch) {
    const test::TableCaseMapping upper;
    const Text longest(kLongestCaption, u'a');
    const struct {
        Text pattern;
        PatternFault fault;
        std::size_t rangeAt;
    } cases[] = {
        {u"*[ABC", PatternFault::UnclosedBracket, 0},
        {u"x[!a-cZ-A]*", PatternFault::DescendingRange, 6},
        {u"[z-a]", PatternFault::DescendingRange, 1},
        {u"[a-Z]", PatternFault::None, 0},  // upper-cased first: A-Z
        {longest, PatternFault::None, 0},
        {longest + u"*?", PatternFault::TooLong, 0},
        {longest + u"[AB]", PatternFault::TooLong, 0},
        {u"*" + longest + u"**", PatternFault::None, 0},  // stars take no character of their own
    };
    for (const auto& c : cases) {
        const PatternCheck check = CheckTitlePattern(c.pattern, upper);
        EXPECT_EQ(check.fault, c.fault) << c.pattern.size();
        if (c.fault == PatternFault::DescendingRange) {
            EXPECT_EQ(check.rangeAt, c.rangeAt);
        }
        EXPECT_EQ(IsValidTitlePattern(c.pattern, upper), c.fault == PatternFault::None);
    }
    // Too long to match any caption the scan reads.
    EXPECT_EQ(MatchTitle(longest + u"a", longest + u"a", upper), X);
}

TEST(TitleMatch, KnowsPatternsThatMatchEveryCaption) {
    const test::TableCaseMapping upper;
    for (const char16_t* every : {u"*", u"***", u"?*", u"*[!]*"})
        EXPECT_TRUE(TitlePattern(every, upper).MatchesEveryCaption());
    for (const char16_t* some : {u"", u"?", u"??*", u"*A*", u"#*", u"[Z-A]*"})
        EXPECT_FALSE(TitlePattern(some, upper).MatchesEveryCaption());
    // Pathological patterns: how fast is measured in bench/native/MatchBench.cpp, here only the answers.
    const Text as(254, u'A');
    EXPECT_FALSE(TitlePattern(u"*A*A*A*A*A*A*A*A*B", upper).MatchesUpper(as));
    EXPECT_TRUE(TitlePattern(u"*A*A*A*A*A*A*A*A*A", upper).MatchesUpper(as));
}

class MatchPreviewTest : public ::testing::Test {
protected:
    TitleVerdict Judge(const Text& title, const std::vector<Text>& above = {}, const Text& by = u"") {
        std::vector<Entry> entries;
        for (const Text& t : above) entries.push_back({t, u""});
        MatchPreview preview(desktop, upper, entries);
        preview.Scan();
        return preview.Judge({title, u"", false, by});
    }
    test::FakeDesktop desktop;
    const test::TableCaseMapping upper;
};

TEST_F(MatchPreviewTest, CountsAndNamesTheOpenWindowsTheTitleMatches) {
    desktop.Add(u"Untitled - Notepad");
    desktop[desktop.Add(u"notes.txt - Notepad", true)].visible = false;  // hidden by Hidewell
    desktop[desktop.Add(u"Hidewell")].own = true;
    desktop[desktop.Add(u"Invisible")].visible = false;
    desktop.Add(u"Find", false, desktop.Add(u"Report - Word"));  // owned
    desktop.Add(u"");
    // A floating tool palette is never hidden, so it is not counted either.
    desktop[desktop.Add(u"Notepad Palette")].exStyle = kWsExToolWindow | kWsExNoActivate;

    EXPECT_EQ(Judge(u"*NOTEPAD").matches, u"Matches 2 open windows: notes.txt - Notepad, Untitled - Notepad");
    EXPECT_EQ(Judge(u"*NOTEPAD*").matches, u"Matches 2 open windows: notes.txt - Notepad, Untitled - Notepad");
    EXPECT_EQ(Judge(u"UNTITLED*").matches, u"Matches 1 open window: Untitled - Notepad");
    for (const char16_t* none : {u"*HIDEWELL*", u"INVISIBLE", u"FIND", u"X"})
        EXPECT_EQ(Judge(none).matches, u"Matches no open window.");
    EXPECT_EQ(Judge(u""), TitleVerdict{});

    desktop.Add(u"Mail");
    desktop.Add(u"Calc");
    EXPECT_EQ(Judge(u"?*").matches, u"Matches 5 open windows: Calc, Mail, Report - Word, …");

    // By program or class: the chosen field is judged, and named beside the caption.
    for (WindowHandle h : desktop.Windows()) {
        desktop[h].program = desktop[h].caption.find(u"Notepad") != Text::npos ? u"notepad.exe" : u"other.exe";
        desktop[h].className = desktop[h].program == u"notepad.exe" ? u"Notepad" : u"Other";
    }
    desktop.Add(u"notepad.exe");  // another program's window with that caption
    EXPECT_EQ(Judge(u"NOTEPAD.EXE", {}, u"Program").matches,
              u"Matches 2 open windows: notes.txt - Notepad (notepad.exe), Untitled - Notepad (notepad.exe)");
    EXPECT_EQ(Judge(u"notepad", {}, u"class").matches,
              u"Matches 2 open windows: notes.txt - Notepad (Notepad), Untitled - Notepad (Notepad)");
    EXPECT_EQ(Judge(u"notepad.exe").matches, u"Matches 1 open window: notepad.exe");
    EXPECT_EQ(Judge(u"*", {}, u"Window").refusal, UnknownKindMessage(u"Window"));
}

TEST_F(MatchPreviewTest, WarnsOfTitlesThatTakeEveryWindowOrOnlyWhatIsTakenAboveAndRefusesHopelessOnes) {
    desktop.Add(u"Untitled - Notepad");
    desktop.Add(u"Report - Word");
    EXPECT_EQ(Judge(u"*").warning, kEveryWindowWarning);
    EXPECT_EQ(Judge(u"*").matches, u"Matches 2 open windows: Report - Word, Untitled - Notepad");
    EXPECT_EQ(Judge(u"*?*", {u"*PAD*"}).warning, kEveryWindowWarning);
    EXPECT_EQ(Judge(u"*NOTEPAD", {u"*PAD*"}).warning, kTakenAboveWarning);
    EXPECT_EQ(Judge(u"*O*", {u"*PAD*", u"REPORT*"}).warning, kTakenAboveWarning);  // by two entries together
    EXPECT_EQ(Judge(u"*O*", {u"*PAD*"}).warning, u"");                             // the report is its own
    EXPECT_EQ(Judge(u"*MAIL*", {u"*"}).warning, u"");  // matches nothing now: nothing to say
    EXPECT_EQ(Judge(u"*PAD*", {u"[Z-A]*"}).warning, u"");  // a malformed entry above takes nothing
    EXPECT_EQ(Judge(u"*", {}, u"Program").warning, kEveryWindowWarning);

    // Titles that can never match are refused.
    EXPECT_EQ(Judge(u"*[NOTE").refusal, kUnclosedBracketMessage);
    EXPECT_EQ(Judge(u"[z-a]*").refusal, u"This title has a range from z to a and can never match a window.");
    EXPECT_EQ(Judge(Text(255, u'x')).refusal, kTooLongTitleMessage);
    EXPECT_EQ(Judge(u"[z-a]*").matches, u"");
    EXPECT_EQ(Judge(u"*NOTEPAD").refusal, u"");
}

}  // namespace
}  // namespace hw
