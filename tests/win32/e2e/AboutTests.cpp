// The about box of Hidewell.exe, opened from the own icon's menu: the version line, the hidden
// way to the games, and a game of each played to its end.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Controls.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

// The box's children of a class.
std::vector<HWND> Children(HWND box, const wchar_t* cls) {
    std::vector<HWND> found;
    for (HWND c = FindWindowExW(box, nullptr, cls, nullptr); c; c = FindWindowExW(box, c, cls, nullptr))
        found.push_back(c);
    return found;
}

HWND ChildWithText(HWND box, const std::wstring& start) {
    for (const wchar_t* cls : {L"Static", L"Button"})
        for (HWND c : Children(box, cls))
            if (TextOf(c).compare(0, start.size(), start) == 0) return c;
    return nullptr;
}

// A real left click at the control's centre; the events carry the place, so no earlier move can divert them.
void ClickOn(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv((r.left + r.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        i.mi.dy = MulDiv((r.top + r.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(100);
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override { WriteSettings({{L"HIDEWELL ABOUT*", L""}}, 300); }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
    }
    // The visible statics whose text starts so.
    int Showing(const std::wstring& start) {
        int n = 0;
        for (HWND c : Children(box, L"Static")) n += TextOf(c).starts_with(start) && IsWindowVisible(c);
        return n;
    }
    HidewellApp app;
    HWND box = nullptr;
};

TEST_F(AboutBox, OpensFromTheOwnMenuRevealsTheGamesAndPlaysBoth) {
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    ClickIcon(OwnIcons().at(0), Button::Right, 1);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 3s));
    PressKey('A');
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowW(L"HidewellAbout", L"About Hidewell")) && IsWindowVisible(box); },
                        5s));
    HWND title = ChildWithText(box, L"Hidewell"), second = ChildWithText(box, L"Keeps");
    HWND version = ChildWithText(box, L"Version");
    EXPECT_EQ(TextOf(version), L"Version 2.2 - build 870");
    // The painted parts from top to bottom, left to right: picture, bar, four shapes.
    std::vector<HWND> parts = Children(box, L"HidewellPaintBox");
    ASSERT_EQ(parts.size(), 6u);
    auto place = [](HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        return std::pair(r.top, r.left);
    };
    std::sort(parts.begin(), parts.end(), [&](HWND a, HWND b) { return place(a) < place(b); });
    HWND picture = parts[0], bar = parts[1];
    std::vector<HWND> shapes(parts.begin() + 2, parts.end());

    // Version line, title, second line, version line, second line: "21323"; then the picture.
    for (HWND line : {version, title, second, version, second}) ClickOn(line);
    RECT before{}, grown{}, frame{};
    GetClientRect(box, &before);
    ClickOn(picture);
    ASSERT_TRUE(WaitFor([&] { return GetClientRect(box, &grown) && grown.bottom > before.bottom; }, 3s));
    GetWindowRect(ChildWithText(box, L"Last One to See : Level 1"), &frame);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_LE(frame.bottom, grown.bottom) << "the games are inside the grown box";

    std::vector<HWND> go;
    for (HWND b : Children(box, L"Button"))
        if (TextOf(b) == L"Go") go.push_back(b);
    ASSERT_EQ(go.size(), 2u);
    // Skill Chance: a click while the red bar fills, before it is full, ends it.
    SendMessageW(go[0], BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return TextOf(bar).size() >= 1 && TextOf(bar).size() <= 5; }, 5s));
    ClickOn(bar);
    EXPECT_TRUE(WaitFor([&] { return Showing(L"Game Over") == 1; }, 3s));

    // Last One to See: watch a turn; when all four show, click the one seen last, or another one.
    auto playTurn = [&](bool right) {
        int last = -1;
        auto shown = [&] {
            std::vector<int> on;
            for (int k = 0; k < 4; ++k)
                if (IsWindowVisible(shapes[k])) on.push_back(k);
            if (on.size() == 1) last = on[0];
            return on.size();
        };
        ASSERT_TRUE(WaitFor([&] { return shown() < 4; }, 3s));
        ASSERT_TRUE(WaitFor([&] { return shown() == 4; }, 6s));
        ASSERT_GE(last, 0);
        ClickOn(shapes[right ? last : (last + 1) % 4]);
    };
    SendMessageW(go[1], BM_CLICK, 0, 0);
    playTurn(true);
    EXPECT_TRUE(WaitFor([&] { return ChildWithText(box, L"Last One to See : Level 2") != nullptr; }, 3s));
    playTurn(false);
    EXPECT_TRUE(WaitFor([&] { return Showing(L"Game Over") == 2; }, 3s));

    SendMessageW(ChildWithText(box, L"&Ok"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 3s));
}

}  // namespace
}  // namespace hw::wine
