// The command inbox of Hidewell.exe, driven by hidewellctl.exe and by raw WM_COPYDATA.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

class Inbox : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"HIDEWELL T?ST *", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, 300);
        ASSERT_TRUE(app.Start());
    }
    void TearDown() override { app.Stop(); DeleteSettings(); }
    HidewellApp app;
};

TEST_F(Inbox, CtlListsRestoresAndClosesByNonAsciiCaption) {
    const std::wstring omega = L"Hidewell T\u00EBst \u03A9mega \u0414\u043E\u043C";
    const std::wstring delta = L"Hidewell T\u00EBst \u0394\u03CD\u03BF";
    TestWindow first, second;
    for (auto [w, caption] : {std::pair{&first, omega}, {&second, delta}}) {
        ASSERT_TRUE(w->Start(caption, L"minimized"));
        ASSERT_TRUE(WaitFor([&] { return w->IsHidden(); }, 5s));
    }
    EXPECT_EQ(RunCtl(L"list"), std::pair(0, omega + L"\r\n" + delta + L"\r\n"));

    EXPECT_EQ(RunCtl(L"restore \"" + omega + L"\"").first, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(first.Hwnd()) && !IsIconic(first.Hwnd()); }, 3s));
    EXPECT_EQ(RunCtl(L"close \"" + delta + L"\"").first, 0);
    EXPECT_TRUE(second.Proc().WaitExit(3000));
    EXPECT_TRUE(WaitFor([] { return RunCtl(L"list").second.empty(); }, 3s));
    EXPECT_TRUE(app.Messages().empty());
}

TEST_F(Inbox, RejectsMalformedRequestsAndCloseAtTheOpenDoorAndAnswersUnknownCaptions) {
    const wchar_t caption[] = L"Nothing hidden";
    COPYDATASTRUCT data{1, sizeof(caption), const_cast<wchar_t*>(caption)};  // restore, terminator inside
    DWORD_PTR accepted = TRUE;
    SendMessageTimeoutW(app.Main(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &accepted);
    EXPECT_EQ(accepted, DWORD_PTR{FALSE});
    // Close reaches only the trusted inbox, which Windows shields from programs of fewer rights.
    const wchar_t target[] = L"Nothing hidden";
    COPYDATASTRUCT close{2, sizeof(target) - sizeof(wchar_t), const_cast<wchar_t*>(target)};
    SendMessageTimeoutW(app.Main(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&close), SMTO_ABORTIFHUNG, 5000, &accepted);
    EXPECT_EQ(accepted, DWORD_PTR{3});
    // So does a list to be answered to a window the sender names (here Hidewell's own), unless
    // the sender has fewer rights: with Hidewell's rights it asks at the trusted inbox.
    COPYDATASTRUCT list{3, 0, nullptr};
    SendMessageTimeoutW(app.Main(), WM_COPYDATA, reinterpret_cast<WPARAM>(app.Main()), reinterpret_cast<LPARAM>(&list),
                        SMTO_ABORTIFHUNG, 5000, &accepted);
    EXPECT_EQ(accepted, DWORD_PTR{3});
    EXPECT_EQ(RunCtl(L"close " + std::wstring(1025, L'x')).first, 2) << "hidewellctl checks requests first";
    EXPECT_TRUE(app.Messages().empty());

    // An unknown caption is answered, with no box; the next restore, in another case, is
    // carried out by the time hidewellctl ends, and a caption with a line feed crosses intact.
    EXPECT_EQ(RunCtl(L"restore \"Nothing hidden\"", true),
              std::pair(4, std::wstring(L"hidewellctl: no hidden window has the caption \"Nothing hidden\".\r\n")));
    TestWindow ledger;
    ASSERT_TRUE(ledger.Start(L"Hidewell Test Ledger"));
    SetWindowTextW(ledger.Hwnd(), L"Hidewell Test Ledger One\nLedger Two");
    ledger.Minimise();
    ASSERT_TRUE(WaitFor([&] { return ledger.IsHidden(); }, 5s));
    auto [code, json] = RunCtl(L"list --json");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(json.find(L"[{\"caption\":\"Hidewell Test Ledger One\\u000aLedger Two\",\"handle\":"), 0u) << json;
    EXPECT_EQ(RunCtl(L"list"), std::pair(0, std::wstring(L"Hidewell Test Ledger One\\nLedger Two\r\n")));
    const std::wstring lower = L"hidewell test ledger one\nledger two";
    COPYDATASTRUCT restore{1, static_cast<DWORD>(lower.size() * sizeof(wchar_t)), const_cast<wchar_t*>(lower.data())};
    // Asked again while a tick runs, as hidewellctl does.
    EXPECT_TRUE(WaitFor([&] {
        SendMessageTimeoutW(app.Main(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&restore), SMTO_ABORTIFHUNG, 5000,
                            &accepted);
        return accepted != DWORD_PTR{4};
    }, 5s));
    EXPECT_EQ(accepted, DWORD_PTR{1});
    EXPECT_TRUE(IsWindowVisible(ledger.Hwnd()) && !IsIconic(ledger.Hwnd()));
    EXPECT_TRUE(app.Messages().empty());
}

// A program that is busy for two seconds right after it minimises gets the hide late: its
// window keeps its icon meanwhile, is listed, and comes back on hidewellctl exit.
TEST_F(Inbox, ABusyProgramsWindowKeepsItsWayBackAndComesBackOnExit) {
    const std::wstring caption = L"Hidewell Test Busy";
    TestWindow w;
    ASSERT_TRUE(w.Start(caption));
    PostMessageW(w.Hwnd(), WM_APP + 3, 0, 2000);
    ASSERT_TRUE(WaitFor([&] { return TrayIconsWithTip(caption).size() == 1; }, 3s));
    EXPECT_EQ(RunCtl(L"list"), std::pair(0, caption + L"\r\n"));
    ASSERT_TRUE(WaitFor([&] { return w.IsHidden(); }, 6s));
    Sleep(600);  // a few ticks after the hide
    EXPECT_EQ(TrayIconsWithTip(caption).size(), 1u);
    EXPECT_TRUE(app.Messages().empty());

    EXPECT_EQ(RunCtl(L"exit").first, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) != FALSE; }, 5s));
    EXPECT_TRUE(WaitFor([&] { return !app.Proc().Running(); }, 5s));
}

}  // namespace
}  // namespace hw::wine
