#pragma once
// The diagnostics log as a file: %LOCALAPPDATA%\Hidewell\hidewell.log, one line per failure,
// kept under a size cap with one older file (hidewell.log.1) beside it. The file is opened
// for each line only, so a log that cannot be written costs nothing but the line.
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/Log.h"

namespace hw {

// The log's folder, %LOCALAPPDATA%\Hidewell; empty when the system names no such folder.
std::wstring LogFolder();
// Opens the log's folder in Explorer, creating it first; false when it could not be shown.
bool OpenLogFolder(HWND owner);

class Win32Log : public Log {
public:
    static constexpr std::uint64_t kCapBytes = 1024 * 1024;
    static constexpr const wchar_t* kFileName = L"hidewell.log";
    static constexpr const wchar_t* kOlderFileName = L"hidewell.log.1";

    Win32Log();
    // A log in this folder, kept under capBytes.
    Win32Log(std::wstring folder, std::uint64_t capBytes);

    void Failure(const Text& what, const Text& caption, std::uint32_t systemError) override;

private:
    // Appends the line, moving a file that would pass the cap aside first; false when it
    // could not be written.
    bool Append(const std::string& line);

    std::wstring folder_;
    std::uint64_t cap_;
};

}  // namespace hw
