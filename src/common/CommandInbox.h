#pragma once
// The command inbox: another program asks Hidewell to restore or close a hidden window named
// by its caption, to hide a window by its caption or the window in front, asks for the hidden
// windows, or asks Hidewell to end.
//
// A request is a WM_COPYDATA message sent to Hidewell's main window (class kMainWindowClass, "HidewellMain"):
//   dwData  the command: 1 restore, 2 close, 3 list, 4 exit, 5 hide, 6 hide the window in
//           front, 7 list with details, 8 hide the first window of a process
//   lpData  restore, close and hide: the caption in UTF-16 without terminator (not empty);
//           hide the first window of a process: its process id in decimal digits;
//           the others: nothing (cbData 0)
//   cbData  the size of lpData in bytes: even, at most 2 x 1024
//   wParam  list and list with details: the window that receives the answer
// Hidewell answers kInboxRejected to a request that breaks the format or cannot be queued,
// kInboxNotFound to restore or close when no hidden window has the caption, and to hide when
// no shown window has it (or none is in front) or it cannot be hidden, kInboxAccepted
// otherwise. The caption is looked up before the answer; hide is done before it; restore,
// close and exit run after the sender's call has returned. Hidewell also reports an unknown
// caption itself. Exit ends
// Hidewell as its Exit command does, without asking: every hidden window comes back, the
// icons go and the settings are saved.
// The answer to list is a WM_COPYDATA message sent to the wParam window before the request
// returns: dwData 3, lpData the captions in UTF-16 joined by "\n", without terminator. The
// answer to list with details is the same with dwData 7, each line being the window's handle
// in decimal, a tab, "rule" or "manual" (why it is hidden), a tab, its program's file name, a
// tab, its window class, a tab and the caption.
//
// The main window takes requests from programs of any rights (an elevated Hidewell lets
// them through), so it refuses close and hide with kInboxNeedsRights: a program must not use
// Hidewell to close or hide windows it could not itself. Those go to the trusted inbox, a message-only
// window (class kTrustedInboxClass) to which Windows lets only programs with at least
// Hidewell's rights send; it takes every request.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Types.h"

namespace hw {

enum class InboxCommand : std::uint64_t {
    Restore = 1,
    Close = 2,
    List = 3,
    Exit = 4,
    Hide = 5,
    HideForeground = 6,
    ListDetails = 7,
    HideProcess = 8
};

constexpr std::size_t kInboxMaxChars = 1024;

// What the WM_COPYDATA message returns.
enum InboxAnswer : std::int64_t { kInboxRejected = 0, kInboxAccepted = 1, kInboxNotFound = 2, kInboxNeedsRights = 3 };

// Which window a request came to.
enum class InboxDoor { Open, Trusted };

// Whether a request may come through the door.
constexpr bool DoorAllows(InboxDoor door, InboxCommand command) {
    return door == InboxDoor::Trusted ||
           (command != InboxCommand::Close && command != InboxCommand::Hide && command != InboxCommand::HideForeground &&
            command != InboxCommand::HideProcess);
}

struct InboxRequest {
    InboxCommand command;
    Text caption;
};

// The process id that a request to hide a process's window names; nothing when it names none.
std::optional<std::uint32_t> RequestedProcess(const InboxRequest& request);

// The request in a message's command code and bytes; nothing when it breaks the format.
std::optional<InboxRequest> DecodeRequest(std::uint64_t code, const void* bytes, std::size_t size);

// The captions as the answer to list carries them.
Text JoinCaptions(const std::vector<Text>& captions);

// The captions in an answer to list; nothing when it breaks the format.
std::optional<std::vector<Text>> DecodeAnswer(std::uint64_t code, const void* bytes, std::size_t size);

// One line of the answer to list with details.
struct ListedWindow {
    WindowHandle window;
    bool manual = false;  // hidden by hand, not by an entry's rule
    Text caption;
    Text program{};    // its program's file name
    Text className{};  // its window class
    bool operator==(const ListedWindow&) const = default;
};
Text JoinDetails(const std::vector<ListedWindow>& windows);
std::optional<std::vector<ListedWindow>> DecodeDetails(std::uint64_t code, const void* bytes, std::size_t size);

// The text as a JSON string, in quotes, with what JSON requires escaped; a lone surrogate
// is kept as its escape.
Text JsonString(const Text& text);

}  // namespace hw
