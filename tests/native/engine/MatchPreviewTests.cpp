#include <gtest/gtest.h>

#include "engine/MatchPreview.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TableCaseMapping.h"

namespace hw {
namespace {

class MatchPreviewTest : public ::testing::Test {
protected:
    TitleVerdict Judge(const Text& title, const std::vector<Text>& above = {}) {
        MatchPreview preview(upper, above);
        preview.Scan(desktop);
        return preview.Judge(title);
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

    EXPECT_EQ(Judge(u"*NOTEPAD").matches, u"Matches 2 open windows: notes.txt - Notepad, Untitled - Notepad");
    EXPECT_EQ(Judge(u"UNTITLED*").matches, u"Matches 1 open window: Untitled - Notepad");
    for (const char16_t* none : {u"*HIDEWELL*", u"INVISIBLE", u"FIND", u"X"})
        EXPECT_EQ(Judge(none).matches, u"Matches no open window.");
    EXPECT_EQ(Judge(u""), TitleVerdict{});

    desktop.Add(u"Mail");
    desktop.Add(u"Calc");
    EXPECT_EQ(Judge(u"?*").matches, u"Matches 5 open windows: Calc, Mail, Report - Word, …");
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

    // Titles that can never match are refused.
    EXPECT_EQ(Judge(u"*[NOTE").refusal, kUnclosedBracketMessage);
    EXPECT_EQ(Judge(u"[z-a]*").refusal, u"This title has a range from z to a and can never match a window.");
    EXPECT_EQ(Judge(Text(255, u'x')).refusal, kTooLongTitleMessage);
    EXPECT_EQ(Judge(u"[z-a]*").matches, u"");
    EXPECT_EQ(Judge(u"*NOTEPAD").refusal, u"");
}

}  // namespace
}  // namespace hw
