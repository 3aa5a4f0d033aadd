#pragma once
// One picture of a top-level window: what Hidewell knows of it, read once per scan, and the
// one rule of which windows Hidewell may hide. The tick, the entry editor's live line, hiding
// by hand and the rescue after a crash all see windows through it.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/Desktop.h"

namespace hw {

struct WindowFacts {
    WindowHandle window;
    Text caption;  // at most kScanCaptionMax - 1 characters
    Text className;
    std::uint32_t processId = 0;
    Text program;  // the file name of its process's program ("notepad.exe"); empty when unknown
    Text programPath;  // the same in full
    bool aboveUs = false;  // its process runs with higher rights: Windows drops requests to it
    WindowHandle owner;  // its parent or owner; 0 for none
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    bool cloaked = false;
    bool visible = false;
    bool minimised = false;
    bool own = false;  // one of Hidewell's windows
};

// A scan holds at most this many windows.
constexpr int kScanMaxCount = 32767;
// Captions are read with this maximum count, so they are cut to 254 characters.
constexpr int kScanCaptionMax = 255;

// Whether the window is an application window Hidewell may hide, whatever its state: not
// Hidewell's own, titled, neither owned nor a child, not a tool palette nor a window that
// never takes the front, not kept out of sight by the system (a suspended Store app's frame,
// a window on another virtual desktop), and not the shell's taskbar or desktop.
bool Qualifies(const WindowFacts& w);

// Reads windows' facts. The program of each process is looked up once and remembered while
// the process has windows, so a steady scan opens no process.
class WindowReader {
public:
    explicit WindowReader(Desktop& desktop) : desktop_(desktop) {}

    // Everything about one window; empty facts (no window) when it is gone.
    WindowFacts Read(WindowHandle h);

    // Fills found, in Z order (topmost first), with the qualifying windows that are minimised
    // (hidden ones too), and with alsoShown those that are visible. False when more windows
    // qualified than a scan holds: found then holds the first kScanMaxCount.
    bool Scan(std::vector<WindowFacts>& found, bool alsoShown);

    // Processes whose programs are remembered now.
    std::size_t KnownPrograms() const { return programs_.size(); }

private:
    const ProcessFacts& ProcessOf(std::uint32_t processId);

    struct Program {
        ProcessFacts facts;
        std::uint64_t seenInScan = 0;
    };
    Desktop& desktop_;
    std::unordered_map<std::uint32_t, Program> programs_;
    std::uint64_t scan_ = 0;
};

}  // namespace hw
