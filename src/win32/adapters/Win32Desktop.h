#pragma once
// The desktop's top-level windows through user32.
#include <windows.h>

#include <optional>

#include "platform/Desktop.h"

namespace hw {

// The integrity level of the window's process against Hidewell's: below (-1), the same (0) or
// above (1); nothing when it cannot be read.
std::optional<int> CompareIntegrity(HWND window);

class Win32Desktop : public Desktop {
public:
    // Time-out for messages sent to other programs' windows.
    static constexpr unsigned kSendTimeoutMs = 500;

    WindowHandle FirstTopLevel() override;
    WindowHandle NextWindow(WindowHandle h) override;
    bool IsIconic(WindowHandle h) override;
    bool IsWindow(WindowHandle h) override;
    Text GetText(WindowHandle h, int maxCount) override;
    WindowHandle ParentOrOwner(WindowHandle h) override;
    std::uint32_t GetStyle(WindowHandle h) override;
    std::uint32_t GetExStyle(WindowHandle h) override;
    bool IsCloaked(WindowHandle h) override;
    WindowHandle Foreground() override;
    bool IsOwnWindow(WindowHandle h) override;
    std::uint32_t ProcessId(WindowHandle h) override;
    Text ClassName(WindowHandle h) override;
    ProcessFacts Process(std::uint32_t processId) override;
    ShowRequest ShowWindow(WindowHandle h, int command) override;
    std::uint32_t CurrentSession() override;
    bool SessionExists(std::uint32_t session) override;
    bool SetForeground(WindowHandle h) override;
    void Flash(WindowHandle h) override;
    bool SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t lParam) override;
};

}  // namespace hw
