// Where a window meets the entries: which windows qualify, what the scan reads of them, and
// the first entry that takes a window by its caption, its program or its class.
#include <gtest/gtest.h>

#include <iterator>

#include "engine/EntryMatcher.h"
#include "engine/WindowFacts.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TableCaseMapping.h"

namespace hw::test {
namespace {

WindowFacts Facts(const Text& caption, const Text& program, const Text& className) {
    WindowFacts w;
    w.window = WindowHandle{0x100};
    w.caption = caption;
    w.program = program;
    w.className = className;
    return w;
}

TEST(EntryMatcher, TakesTheFirstEntryByCaptionProgramOrClass) {
    const TableCaseMapping upper;
    const WindowFacts notepad = Facts(u"Untitled - Notepad", u"notepad.exe", u"Notepad");
    const WindowFacts impostor = Facts(u"notepad.exe", u"editor.exe", u"EditorFrame");
    const WindowFacts unknownProgram = Facts(u"Setup", u"", u"#32770");
    constexpr std::size_t kNone = EntryMatcher::kNone;
    const struct {
        Entry entry;
        std::size_t notepad, impostor, unknownProgram;  // 0: this entry takes it
    } cases[] = {
        {{u"*NOTEPAD", u"", false, u""}, 0, kNone, kNone},
        {{u"notepad.exe", u"", false, u"Program"}, 0, kNone, kNone},
        {{u"NOTEPAD.EXE", u"", false, u"pRoGrAm"}, 0, kNone, kNone},  // both sides without regard to case
        {{u"*pad.e?e", u"", false, u"program"}, 0, kNone, kNone},
        {{u"*", u"", false, u"Program"}, 0, 0, kNone},  // a program that cannot be read matches nothing
        {{u"notepad.exe", u"", false, u""}, kNone, 0, kNone},  // by caption: the impostor
        {{u"Notepad", u"", false, u"Class"}, 0, kNone, kNone},
        {{u"[#]32770", u"", false, u"CLASS"}, kNone, kNone, 0},  // "#" alone stands for a digit
        {{u"[E-N]*", u"", false, u"class"}, 0, 0, kNone},
        {{u"*", u"", false, u"Title"}, kNone, kNone, kNone},  // an unknown kind matches nothing
        {{u"[Z-A]*", u"", false, u"Class"}, kNone, kNone, kNone},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EntryMatcher matcher(upper);
        matcher.Compile({cases[i].entry});
        EXPECT_EQ(matcher.FirstMatch(notepad), cases[i].notepad) << "case " << i;
        EXPECT_EQ(matcher.FirstMatch(impostor), cases[i].impostor) << "case " << i;
        EXPECT_EQ(matcher.FirstMatch(unknownProgram), cases[i].unknownProgram) << "case " << i;
    }
    // The first entry that takes a window wins, whatever it matches by; a change of kind is
    // compiled again.
    EntryMatcher matcher(upper);
    std::vector<Entry> entries{{u"X*", u"", false, u""}, {u"NOTEPAD", u"", false, u"Class"}, {u"*", u"", false, u""}};
    matcher.Compile(entries);
    EXPECT_EQ(matcher.FirstMatch(notepad), 1u);
    EXPECT_EQ(matcher.FirstMatch(impostor), 2u);
    entries[1].matchBy = u"Program";
    matcher.Compile(entries);
    EXPECT_EQ(matcher.FirstMatch(notepad), 2u);
}

// One rule says which windows Hidewell may hide; the scan reads each window once, cuts
// captions to 254, and looks each program up once while its process has windows in sight.
TEST(WindowFacts, OneRuleQualifiesWindowsAndTheScanLooksEachProgramUpOnce) {
    FakeDesktop d;
    const WindowHandle owner = d.Add(u"Owner", true);
    d[owner].program = u"word.exe";
    d.Add(u"Dialog", true, owner);
    d.Add(u"", true);
    const WindowHandle open = d.Add(u"Open", false);
    const WindowHandle hidden = d.Add(u"Hidden", true);
    d[hidden].visible = false;
    d[hidden].processId = d[owner].processId;  // a second window of the same program
    d[hidden].program = u"word.exe";
    d[d.Add(u"Hidewell", true)].own = true;
    // No application windows on this desktop, as Windows 10 and 11 have them.
    d[d.Add(u"Palette", true)].exStyle = kWsExToolWindow;
    d[d.Add(u"Keyboard", true)].exStyle = kWsExNoActivate;
    d[d.Add(u"Other desktop", true)].cloaked = true;
    d[d.Add(u"Program Manager", true)].className = u"Progman";
    d[d.Add(u"Taskbar", false)].className = u"Shell_TrayWnd";
    const WindowHandle top = d.Add(Text(300, u'x'), true);

    WindowReader reader(d);
    std::vector<WindowFacts> found{Facts(u"stale", u"", u"")};
    ASSERT_TRUE(reader.Scan(found, false));
    std::vector<std::pair<WindowHandle, Text>> listed;
    for (const WindowFacts& w : found) listed.emplace_back(w.window, w.caption);
    EXPECT_EQ(listed, (decltype(listed){{top, Text(254, u'x')}, {hidden, u"Hidden"}, {owner, u"Owner"}}));
    EXPECT_EQ(found[1].program, u"word.exe");
    EXPECT_EQ(found[1].className, u"AppWindow");
    EXPECT_TRUE(found[1].minimised && !found[1].visible);
    ASSERT_TRUE(reader.Scan(found, true));
    EXPECT_EQ(found.size(), 4u);  // and the open one
    EXPECT_EQ(found[2].window, open);

    // A steady scan opens no process; a process with no window in sight is forgotten.
    const int lookups = d.programLookups;
    ASSERT_TRUE(reader.Scan(found, true));
    EXPECT_EQ(d.programLookups, lookups);
    const std::size_t known = reader.KnownPrograms();
    d.Close(open);
    ASSERT_TRUE(reader.Scan(found, true));
    EXPECT_EQ(reader.KnownPrograms(), known - 1);
    EXPECT_FALSE(Qualifies(reader.Read(open)));  // gone
}

}  // namespace
}  // namespace hw::test
