#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "fakes/FakeMenus.h"
#include "fakes/SimulatedEngine.h"
#include "hiddenwindows/OwnMenu.h"
#include "hiddenwindows/SysMenuMirror.h"
#include "hiddenwindows/TaskList.h"

namespace hw::test {
namespace {

constexpr std::uint32_t kScMove = 0xF010, kScClose = 0xF060;
using IdStates = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

IdStates IdsAndStates(const std::vector<FakeMenuItem>& items) {
    IdStates result;
    for (const FakeMenuItem& item : items) result.emplace_back(item.id, item.state);
    return result;
}

class SysMenuMirrorTest : public ::testing::Test {
protected:
    // The caller's popup: title and separator, then four own items after the mirror.
    SysMenuMirrorTest() {
        for (const char16_t* text : {u"App Title", u"", u"System Menu", u"", u"Confi&gure", u"&Task List"})
            menus.Append(operation, text, 1);
    }
    std::vector<FakeMenuItem> Mirrored() {
        std::vector<FakeMenuItem>& items = menus.Items(operation);
        return {items.begin() + 2, items.end() - 4};
    }

    FakeDesktop desktop;
    FakeMenus menus;
    WindowHandle window = desktop.Add(u"Untitled - Notepad", true);
    MenuHandle sys = menus.AddSystemMenu(window);
    MenuHandle operation = menus.CreatePopupMenu();  // the only menu created outside the mirror
    std::optional<SysMenuMirror> mirror{std::in_place, menus, desktop};
};

// States follow the commands, not the words: a German menu is mirrored like an English one.
TEST_F(SysMenuMirrorTest, LocalisedSystemMenuWithAndWithoutMaximizeBox) {
    // A minimised window's menu: text, command, state.
    const std::tuple<const char16_t*, std::uint32_t, std::uint32_t> plain[] = {
        {u"&Wiederherstellen", kScRestore, kMfGrayed}, {u"&Verschieben", kScMove, 0},
        {u"&Gr\u00f6\u00dfe \u00e4ndern", 0xF000, 0}, {u"Mi&nimieren", 0xF020, 0}, {u"Ma&ximieren", 0xF030, kMfGrayed},
        {u"", 0, 0}, {u"&Schlie\u00dfen\tAlt+F4", kScClose, 0}};
    for (auto [text, id, state] : plain) menus.Append(sys, text, id, state);
    // The second build must replace the first.
    for (auto [style, maximize] : {std::pair{0x10CF0000u, 0u}, {0x10CE0000u, std::uint32_t{kMfGrayed}}}) {
        desktop[window].style = style;
        mirror->Build(operation, window);
        EXPECT_EQ(IdsAndStates(Mirrored()), (IdStates{{100, 0}, {101, kMfGrayed}, {102, kMfGrayed}, {103, kMfGrayed},
                                                      {104, maximize}, {105, kMfSeparator}, {106, 0}}));
    }
    EXPECT_EQ(mirror->CommandMap(),
              (std::vector<std::uint32_t>{kScRestore, kScMove, 0xF000, 0xF020, 0xF030, 0, kScClose}));
    EXPECT_EQ(mirror->ItemCount(), 7);
    EXPECT_EQ(Mirrored()[2].text, u"&Gr\u00f6\u00dfe \u00e4ndern");
    std::uint32_t cmd = 0;
    EXPECT_TRUE(mirror->SysCommandFor(106, cmd) && cmd == kScClose);
    for (int id : {99, 105, 107}) EXPECT_FALSE(mirror->SysCommandFor(id, cmd)) << id;

    mirror->Build(operation, desktop.Add(u"No system menu"));
    EXPECT_EQ(menus.Items(operation).size(), 6u);
}

// Also: a rebuild and the destructor free the copied submenus; a menu that contains itself is bounded.
TEST_F(SysMenuMirrorTest, SubmenuInTheMiddle) {
    MenuHandle options = menus.AddSystemMenu({});
    menus.Append(options, u"&Opaque", 0x5001, kMfGrayed | kMfDisabled);
    menus.Append(options, u"&Transparent", 0x5002, kMfChecked);
    menus.Append(sys, u"&Restore", kScRestore);
    menus.Append(sys, u"&Options", 0, 0, options);
    menus.Append(sys, u"&Close\tAlt+F4", kScClose);

    for (int build = 0; build < 2; ++build) mirror->Build(operation, window);
    std::vector<FakeMenuItem> items = Mirrored();
    ASSERT_EQ(IdsAndStates(items), (IdStates{{100, 0}, {kMenuNoId, 0}, {103, 0}}));
    EXPECT_EQ(IdsAndStates(menus.Items(items[1].submenu)), (IdStates{{101, kMfGrayed}, {102, kMfChecked}}));
    EXPECT_EQ(mirror->CommandMap(), (std::vector<std::uint32_t>{kScRestore, 0x5001, 0x5002, kScClose}));
    EXPECT_EQ(menus.LiveCreated(), 2u);

    menus.Append(sys, u"&Again", 0, 0, sys);
    mirror->Build(operation, window);
    EXPECT_LE(mirror->ItemCount(), 1000);
    mirror.reset();
    EXPECT_EQ(menus.Items(operation).size(), 6u);
    EXPECT_EQ(menus.LiveCreated(), 1u);
}

TEST_F(SysMenuMirrorTest, StatesAskedOfTheWindowButNotOfAHungOne) {
    menus.Append(sys, u"&Close", kScClose);
    desktop.onMessage = [&](WindowHandle, std::uint32_t msg, std::uint64_t wParam) {
        if (msg == kWmInitMenuPopup && wParam == sys.Value()) menus.Items(sys)[0].state = kMfGrayed;
    };
    desktop[window].hung = true;
    mirror->Build(operation, window);
    EXPECT_EQ(desktop.sent.size(), 1u);  // each further message would wait out another time-out

    desktop[window].hung = false;
    mirror->Build(operation, window);
    EXPECT_EQ(Mirrored()[0].state, kMfGrayed);
}

class TaskListTest : public ::testing::Test, public SimulatedEngine {
protected:
    TaskListTest() {
        Start({{u"*", u""}});
        a = desktop.Add(u"Untitled - Notepad", true);
        b = desktop.Add(u"Calculator", true);
        c = desktop.Add(u"Minesweeper", true);
        Tick();
        list.Load();
    }
    int RowOf(WindowHandle h) {
        for (std::size_t k = 0; k < list.Rows().size(); ++k)
            if (list.Rows()[k] == desktop[h].caption) return static_cast<int>(k);
        return -1;
    }
    WindowHandle a, b, c;
    TaskList list{engine.Windows(), desktop};
};

TEST_F(TaskListTest, SelectionFollowsItsWindowAndNeverMovesToAnother) {
    ASSERT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Selection(), -1);
    list.Select(RowOf(b));
    desktop[b].caption = u"Calculator - Scientific";
    EXPECT_FALSE(list.Refresh());
    EXPECT_EQ(list.Rows()[static_cast<std::size_t>(list.Selection())], u"Calculator - Scientific");

    // A window above it leaves: the rows are rebuilt and the selection moves with its window.
    desktop.Close(RowOf(a) < RowOf(b) ? a : c);
    Tick();
    EXPECT_TRUE(list.Refresh());
    EXPECT_EQ(list.Selection(), RowOf(b));

    // Its own window leaves, and a new one takes the same handle: nothing stays selected.
    desktop.Reuse(b, u"Other", true);
    Tick();
    Tick();
    list.Refresh();
    EXPECT_EQ(list.Selection(), -1);
    list.EndTask();
    EXPECT_TRUE(desktop.Exists(b)) << "End Task never ends a window the user did not choose";
}

TEST_F(TaskListTest, ActionsGoThroughTheLedgerForTheChosenWindowOnly) {
    list.Select(7);
    list.SwitchTo();
    list.EndTask();
    EXPECT_TRUE(desktop.sent.empty());

    list.Select(RowOf(a));
    list.SwitchTo();
    Tick();
    EXPECT_FALSE(desktop[a].iconic);
    EXPECT_EQ(engine.Windows().HiddenCount(), 2);

    list.Refresh();
    list.Select(RowOf(c));
    EXPECT_FALSE(engine.Windows().Close(WindowRef{}));  // no such record
    list.EndTask();
    desktop.Advance();
    EXPECT_FALSE(desktop.Exists(c));
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    list.Refresh();
    EXPECT_FALSE(list.Refresh());
    EXPECT_TRUE(list.CanAct());
}

// The own menu holds fifty hidden windows; past them its last item opens the task list and
// says how many more there are.
TEST(OwnMenu, FiftyWindowsThenOneItemForTheRest) {
    for (auto [count, items, more] : {std::tuple{0, 0, 0}, {1, 1, 0}, {50, 50, 0}, {51, 50, 1}, {62, 50, 12}}) {
        std::vector<HiddenWindowView> hidden;
        for (int i = 1; i <= count; ++i) {
            hidden.emplace_back();
            hidden.back().slot = i;
        }
        const OwnMenuWindows menu = OwnMenuWindowsOf(hidden);
        ASSERT_EQ(menu.items.size(), std::size_t(items)) << count;
        EXPECT_EQ(menu.more, std::size_t(more)) << count;
        EXPECT_EQ(items ? menu.items.back().slot : 0, items) << count;
    }
    EXPECT_EQ(MoreWindowsText(12), u"12 more\u2026");
}

}  // namespace
}  // namespace hw::test
