#pragma once
// Drives Hidewell.exe for end-to-end tests: settings in the registry, start, find its
// windows, dismiss its messages, and end it as a user would.
#include <windows.h>

#include <string>
#include <vector>

#include "harness/Process.h"
#include "settings/Settings.h"

namespace hw::wine {

constexpr const wchar_t* kSettingsKey = L"Software\\Pellworth\\Hidewell";

// Replaces the stored settings by these entries (title, icon reference) and options.
void WriteSettings(const std::vector<std::pair<std::wstring, std::wstring>>& entries, int interval = 500,
                   bool single = false, bool hideDate = true);
void WriteSettings(const std::vector<Entry>& entries, const OptionValues& options);
void DeleteSettings();
// Removes the current user's start-with-Windows value.
void DeleteRunValue();
std::wstring ReadSetting(const wchar_t* name, bool* exists = nullptr);

// The folder of the test programs (Hidewell.exe, testwindow.exe).
std::wstring ProgramFolder();

// Runs hidewellctl.exe with the arguments: its exit code and its standard output (with standard
// error when asked), decoded from UTF-8.
std::pair<int, std::wstring> RunCtl(const std::wstring& arguments, bool withErrors = false);

class HidewellApp {
public:
    ~HidewellApp() { Stop(); }
    // Starts the Hidewell.exe beside the tests, or the one given, with the arguments.
    bool Start(const std::wstring& program = {}, const std::wstring& arguments = {});
    // Asks Hidewell to end (WM_CLOSE to its main window, Yes to the question); kills it if
    // it does not.
    bool Stop();
    HWND Main() const;
    HWND Receiver() const;  // the own icon's receiver window
    // Hidewell's first window of the class once it is visible; null if it is not shown in time.
    HWND Shown(const wchar_t* cls) const;
    // Text of message boxes Hidewell shows now; Dismiss closes them with the given button.
    std::vector<std::wstring> Messages() const;
    void DismissMessages(int button = IDOK);
    // Waits for Hidewell's next message box and answers it; returns its text.
    std::wstring Answer(int button);
    Process& Proc() { return process_; }

private:
    Process process_;
};

}  // namespace hw::wine

namespace hw::wine {

// A test window (testwindow.exe) with the given caption and options.
class TestWindow {
public:
    bool Start(const std::wstring& caption, const std::wstring& options = L"");
    HWND Hwnd() const { return hwnd_; }
    Process& Proc() { return process_; }
    void Minimise() { ShowWindow(hwnd_, SW_MINIMIZE); }
    // Hidden by Hidewell: still minimised, not visible, no taskbar button.
    bool IsHidden() const { return IsWindow(hwnd_) && IsIconic(hwnd_) && !IsWindowVisible(hwnd_); }

private:
    Process process_;
    HWND hwnd_ = nullptr;
};

// Counts pixels of the icon's place on screen that are close to the colour.
int PixelsLike(const RECT& rect, COLORREF colour);

}  // namespace hw::wine
