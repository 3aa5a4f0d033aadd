// The about box of Hidewell.exe, opened from the own icon's menu: the version line, the hidden
// way to the games, and a game of each played to its end.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

std::wstring TextOf(HWND h) {
    wchar_t text[256] = {};
    SendMessageW(h, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The box's children of a class, in creation order.
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

RECT ScreenRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

// The painted parts of the box from top to bottom, left to right: picture, bar, four shapes.
std::vector<HWND> PaintedParts(HWND box) {
    std::vector<HWND> parts = Children(box, L"HidewellPaintBox");
    std::sort(parts.begin(), parts.end(), [](HWND a, HWND b) {
        RECT ra = ScreenRect(a), rb = ScreenRect(b);
        return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
    });
    return parts;
}

// A real left click at the control's centre; the events carry the place, so no earlier move can divert them.
void ClickOn(HWND control) {
    RECT r = ScreenRect(control);
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(at.x, at.y);
    WaitFor([&] { POINT p{}; return GetCursorPos(&p) && p.x == at.x && p.y == at.y; }, 1s);
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        i.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(100);
}

bool Shows(HWND box, const wchar_t* text) {
    HWND c = ChildWithText(box, text);
    return c && IsWindowVisible(c);
}

TEST(AboutBoxScenario, OpensFromTheOwnMenuRevealsTheGamesAndPlaysBoth) {
    HidewellApp app;
    WriteSettings({{L"HIDEWELL ABOUT*", L""}}, 300);
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    ClickIcon(OwnIcons().at(0), Button::Right, 1);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 3s));
    PressKey('A');
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowW(L"HidewellAbout", L"About Hidewell")) && IsWindowVisible(box); },
                        5s));
    EXPECT_EQ(TextOf(ChildWithText(box, L"Version")), L"Version 2.2 - build 870");
    std::vector<HWND> parts = PaintedParts(box);
    ASSERT_EQ(parts.size(), 6u);
    HWND picture = parts[0], bar = parts[1];
    std::vector<HWND> shapes(parts.begin() + 2, parts.end());

    // Version line, title, second line, version line, second line: "21323"; then the picture.
    HWND title = ChildWithText(box, L"Hidewell"), second = ChildWithText(box, L"Keeps");
    HWND version = ChildWithText(box, L"Version");
    for (HWND line : {version, title, second, version, second}) ClickOn(line);
    RECT before{};
    GetClientRect(box, &before);
    ClickOn(picture);
    RECT grown{};
    ASSERT_TRUE(WaitFor([&] { return GetClientRect(box, &grown) && grown.bottom > before.bottom; }, 3s))
        << "the code collected: " << std::string(TextOf(box).begin(), TextOf(box).end());
    RECT frame{};
    GetWindowRect(ChildWithText(box, L"Last One to See : Level 1"), &frame);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_LE(frame.bottom, grown.bottom) << "the games are inside the grown box";
    EXPECT_EQ(TextOf(version), L"Version 2.2 - build 870");

    // Skill Chance: a click while the red bar is filling, not full, ends it.
    std::vector<HWND> goButtons = Children(box, L"Button");
    auto go = [&](size_t k) {
        std::vector<HWND> gos;
        for (HWND b : goButtons)
            if (TextOf(b) == L"Go") gos.push_back(b);
        SendMessageW(gos.at(k), BM_CLICK, 0, 0);
    };
    go(0);
    ASSERT_TRUE(WaitFor([&] { auto n = TextOf(bar).size(); return n >= 1 && n <= 5; }, 5s));
    ClickOn(bar);
    EXPECT_TRUE(WaitFor([&] { return Shows(box, L"Game Over"); }, 3s));

    // Last One to See: watch the flashes; when the turn ends, click the last one seen.
    // Waits for a turn to start and end, then clicks the shape seen last, or another one.
    auto playTurn = [&](bool right) {
        int last = -1;
        auto visible = [&] {
            std::vector<int> on;
            for (int k = 0; k < 4; ++k)
                if (IsWindowVisible(shapes[k])) on.push_back(k);
            if (on.size() == 1) last = on[0];
            return on.size();
        };
        ASSERT_TRUE(WaitFor([&] { return visible() < 4; }, 3s));
        ASSERT_TRUE(WaitFor([&] { return visible() == 4; }, 6s));
        ASSERT_GE(last, 0);
        ClickOn(shapes[right ? last : (last + 1) % 4]);
    };
    go(1);
    playTurn(true);
    EXPECT_TRUE(WaitFor([&] { return Shows(box, L"Last One to See : Level 2"); }, 3s));
    playTurn(false);
    auto gameOvers = [&] {
        int n = 0;
        for (HWND s : Children(box, L"Static")) n += TextOf(s) == L"Game Over" && IsWindowVisible(s);
        return n;
    };
    EXPECT_TRUE(WaitFor([&] { return gameOvers() == 2; }, 3s)) << "both games show Game Over";

    SendMessageW(ChildWithText(box, L"&Ok"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 3s));
    app.Stop();
    DeleteSettings();
}

}  // namespace
}  // namespace hw::wine
