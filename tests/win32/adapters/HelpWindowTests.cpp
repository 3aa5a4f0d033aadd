// The help window in this process: a change of DPI and closing.
#include <gtest/gtest.h>

#include "win32/help/Help.h"
#include "win32/help/HelpWindow.h"

namespace hw {
namespace {

int FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return abs(font.lfHeight);
}

TEST(HelpWindow, TakesTheSuggestedRectangleAndALargerFontAtAHigherDpiAndCloses) {
    ShowHelp(nullptr, HelpContext::Options);  // this program has no help text: the window says so
    HWND help = HelpWindow::Find();
    ASSERT_TRUE(help);
    HWND text = FindWindowExW(help, nullptr, L"Edit", nullptr);
    const int before = FontHeight(text);
    RECT suggested{40, 30, 40 + 900, 30 + 640}, got{}, page{};
    SendMessageW(help, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(help, &got);
    GetWindowRect(text, &page);
    EXPECT_TRUE(EqualRect(&got, &suggested));
    EXPECT_GT(page.right, got.right - 60) << "the text fills the new width";
    EXPECT_GT(FontHeight(text), before * 3 / 2);
    CloseHelp();
    EXPECT_FALSE(IsWindow(help));
    EXPECT_FALSE(HelpWindow::Find());
}

}  // namespace
}  // namespace hw
