#pragma once
// Drives Hidewell.exe for end-to-end tests: settings in the registry, start, find its
// windows, dismiss its messages, and end it as a user would.
#include <windows.h>

#include <string>
#include <vector>

#include "harness/Process.h"

namespace hw::wine {

constexpr const wchar_t* kSettingsKey = L"Software\\Pellworth\\Hidewell";

// Replaces the stored settings by these entries (title, icon reference) and options.
void WriteSettings(const std::vector<std::pair<std::wstring, std::wstring>>& entries, int interval = 500,
                   bool single = false);
void DeleteSettings();
std::wstring ReadSetting(const wchar_t* name, bool* exists = nullptr);

// The folder of the test programs (Hidewell.exe, testwindow.exe).
std::wstring ProgramFolder();

class HidewellApp {
public:
    ~HidewellApp() { Stop(); }
    bool Start();
    // Asks Hidewell to end (WM_CLOSE to its main window); kills it if it does not.
    bool Stop();
    HWND Main() const;
    HWND Receiver() const;  // the own icon's receiver window
    // Text of message boxes Hidewell shows now; Dismiss closes them with the given button.
    std::vector<std::wstring> Messages() const;
    void DismissMessages(int button = IDOK);
    Process& Proc() { return process_; }

private:
    Process process_;
};

}  // namespace hw::wine
