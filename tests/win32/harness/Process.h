#pragma once
#include <chrono>
// A child process started by a test; it is ended when the owner goes away.
#include <windows.h>

#include <string>
#include <vector>

#include "win32/base/Handles.h"

namespace hw::wine {

class Process {
public:
    Process() = default;
    ~Process() { Kill(); }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&&) = default;
    Process& operator=(Process&&) = default;

    bool Start(const std::wstring& commandLine);
    // True when the process ended within the time; exitCode is set then.
    bool WaitExit(DWORD milliseconds, DWORD* exitCode = nullptr);
    bool Running() const;
    void Kill();
    // Lets the process run on after this owner goes away.
    void Detach() {
        process_.Reset();
        id_ = 0;
    }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.Get(); }

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

// The top-level windows of a process with the given class (any class when empty).
std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className = nullptr);
// The process's first window of the class once it has made one; null when none came in time.
HWND WaitForWindowOf(DWORD processId, const wchar_t* className, std::chrono::milliseconds timeout);

}  // namespace hw::wine
