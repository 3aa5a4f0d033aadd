#pragma once
// "hidewellctl start": starts a program as the Run dialog would, then has Hidewell hide its
// first window that Hidewell may hide, by hand, as soon as it appears. A program whose window
// comes from a process it starts (a launcher) is followed one level down.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/CommandInbox.h"
#include "platform/Types.h"

namespace hw {

constexpr int kDefaultStartWaitSeconds = 30;
constexpr int kMaxStartWaitSeconds = 3600;
// How often Hidewell is asked again while the program has no window yet.
constexpr int kStartPollMs = 100;

struct StartCall {
    Text program;
    Text parameters;  // the arguments, quoted for the program's command line
    int waitSeconds = kDefaultStartWaitSeconds;
};

// The words after "start": [--wait <seconds>] <program> [arguments...]. Nothing, with what was
// wrong, for a call that cannot be carried out.
std::optional<StartCall> ParseStartCall(const std::vector<Text>& words, Text& problem);

// One argument as a Windows program's command line splits it again: quoted when it holds a
// blank or a quote, with backslashes doubled before a quote.
Text QuoteArgument(const Text& argument);

// What starting a program hidden needs of the system and of Hidewell.
class LaunchHost {
public:
    virtual ~LaunchHost() = default;
    // Starts the program; its process id, or nothing with the system's reason.
    virtual std::optional<std::uint32_t> StartProgram(const Text& program, const Text& parameters, Text& error) = 0;
    // The processes the process started.
    virtual std::vector<std::uint32_t> ChildProcesses(std::uint32_t processId) = 0;
    // Asks Hidewell to hide the process's first window it may hide: kInboxAccepted when it
    // did, kInboxNotFound when the process has no such window (yet); nothing when Hidewell
    // did not answer.
    virtual std::optional<InboxAnswer> AskHide(std::uint32_t processId) = 0;
    virtual std::uint64_t NowMs() = 0;
    virtual void Pause(int milliseconds) = 0;
};

// hidewellctl's exit codes for start.
enum StartExit : int {
    kStartHidden = 0,
    kStartRejected = 3,     // Hidewell rejected the request or did not answer
    kStartNeedsRights = 5,  // hide asked from a program with fewer rights than Hidewell
    kStartFailed = 6,       // the program could not be started
    kStartNoWindow = 7,     // no window of the program appeared within the wait
};

// Starts the program and waits for its window; the exit code, with a message for any other
// than kStartHidden.
int StartHidden(LaunchHost& host, const StartCall& call, Text& message);

}  // namespace hw
