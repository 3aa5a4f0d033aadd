// The command inbox of Hidewell.exe, driven by hidewellctl.exe and by raw WM_COPYDATA.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

const std::wstring kOmega = L"Hidewell T\u00EBst \u03A9mega \u0414\u043E\u043C";
const std::wstring kDelta = L"Hidewell T\u00EBst \u0394\u03CD\u03BF";

struct CtlRun {
    DWORD exitCode = 99;
    std::wstring output;  // standard output, decoded from UTF-8
};

// Runs hidewellctl.exe with the arguments, its standard output going to a file.
CtlRun RunCtl(const std::wstring& arguments) {
    CtlRun run;
    wchar_t folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"hwc", 0, path);
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    UniqueKernelHandle out(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out.Get();
    std::wstring command = L"\"" + ProgramFolder() + L"hidewellctl.exe\" " + arguments;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
        return run;
    CloseHandle(pi.hThread);
    UniqueKernelHandle process(pi.hProcess);
    if (WaitForSingleObject(process.Get(), 15000) != WAIT_OBJECT_0) return run;
    GetExitCodeProcess(process.Get(), &run.exitCode);
    std::string bytes(GetFileSize(out.Get(), nullptr), '\0');
    DWORD read = 0;
    SetFilePointer(out.Get(), 0, nullptr, FILE_BEGIN);
    ReadFile(out.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    int size = static_cast<int>(read);
    run.output.resize(read);
    size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, run.output.data(), size);
    run.output.resize(static_cast<size_t>(size));
    return run;
}

class Inbox : public ::testing::Test {
protected:
    void Start() {
        WriteSettings({{L"HIDEWELL T?ST *", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, 300);
        ASSERT_TRUE(app.Start());
    }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
    }
    LRESULT Send(ULONG_PTR code, const void* bytes, DWORD size) {
        COPYDATASTRUCT data{code, size, const_cast<void*>(bytes)};
        DWORD_PTR result = 0;
        SendMessageTimeoutW(app.Main(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000,
                            &result);
        return static_cast<LRESULT>(result);
    }
    HidewellApp app;
};

TEST_F(Inbox, CtlListsRestoresAndClosesByNonAsciiCaption) {
    Start();
    TestWindow omega, delta;
    ASSERT_TRUE(omega.Start(kOmega, L"minimized"));
    ASSERT_TRUE(WaitFor([&] { return omega.IsHidden(); }, 5s));
    ASSERT_TRUE(delta.Start(kDelta, L"minimized"));
    ASSERT_TRUE(WaitFor([&] { return delta.IsHidden(); }, 5s));

    CtlRun list = RunCtl(L"list");
    EXPECT_EQ(list.exitCode, 0u);
    EXPECT_EQ(list.output, kOmega + L"\r\n" + kDelta + L"\r\n");

    EXPECT_EQ(RunCtl(L"restore \"" + kOmega + L"\"").exitCode, 0u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(omega.Hwnd()) && !IsIconic(omega.Hwnd()); }, 3s));

    EXPECT_EQ(RunCtl(L"close \"" + kDelta + L"\"").exitCode, 0u);
    EXPECT_TRUE(delta.Proc().WaitExit(3000));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(kDelta).empty(); }, 3s));
    EXPECT_TRUE(WaitFor([] { return RunCtl(L"list").output.empty(); }, 3s));
    EXPECT_TRUE(app.Messages().empty());
}

TEST_F(Inbox, HidewellRejectsMalformedRequestsAndReportsUnknownCaptions) {
    Start();
    const wchar_t caption[] = L"Nothing hidden";
    const DWORD size = static_cast<DWORD>(wcslen(caption) * sizeof(wchar_t));
    EXPECT_EQ(Send(1, caption, size + sizeof(wchar_t)), FALSE) << "terminator inside";
    EXPECT_EQ(Send(3, nullptr, 0), FALSE) << "list without a window to answer";
    EXPECT_TRUE(app.Messages().empty());

    EXPECT_EQ(Send(1, caption, size), TRUE);
    EXPECT_TRUE(WaitFor([&] { return app.Messages() == std::vector<std::wstring>{L"Error 909745"}; }, 3s));
    app.DismissMessages();
}

TEST_F(Inbox, CtlExitCodes) {
    // Hidewell is not running here.
    const std::pair<std::wstring, DWORD> runs[] = {
        {L"", 2}, {L"list extra", 2}, {L"restore", 2}, {L"restore \"\"", 2}, {L"open x", 2},
        {L"close " + std::wstring(1025, L'x'), 2}, {L"list", 1}, {L"close x", 1},
    };
    for (const auto& [arguments, code] : runs) EXPECT_EQ(RunCtl(arguments).exitCode, code) << arguments;
}

}  // namespace
}  // namespace hw::wine
