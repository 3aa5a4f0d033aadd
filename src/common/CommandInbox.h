#pragma once
// The command inbox: another program asks Hidewell to restore or close a hidden window named
// by its caption, to hide a window by its caption or the window in front, asks for the hidden
// windows, or asks Hidewell to end.
//
// A request is a WM_COPYDATA message sent to Hidewell's main window (class kMainWindowClass, "HidewellMain"):
//   dwData  the command: a verb's code (common/Verbs.h)
//   lpData  what the verb names: a caption in UTF-16 without terminator (not empty), or a
//           process id in decimal digits; nothing (cbData 0) for a verb that names nothing
//   cbData  the size of lpData in bytes: even, at most 2 x 1024
//   wParam  list and list with details: the window that receives the answer
// Hidewell answers kInboxRejected to a request that breaks the format, kInboxNotFound to
// restore or close when no hidden window has the caption, and to hide when no shown window
// has it (or none is in front) or it cannot be hidden, kInboxBusy when the request came in the
// middle of another window operation (the sender asks again), kInboxAsked to a restore whose
// window's program has not shown it yet (busy or hung), kInboxAccepted otherwise. A
// caption is taken exactly first; when no window has it, the one window (and only one) that
// has it without regard to case. Restore, close and hide are carried out before the answer;
// exit runs after the sender's call has returned. An answered request shows no message: the
// answer says it. Exit ends Hidewell as its Exit command does, without asking: every hidden
// window comes back, the icons go and the settings are saved.
// The answer to list is a WM_COPYDATA message sent to the wParam window before the request
// returns: dwData 3, lpData the captions in UTF-16, each ended by a NUL (which no caption
// holds; every other character, line breaks and tabs too, crosses as it is). The answer to
// list with details is the same with dwData 7, each item being the window's handle in
// decimal, a tab, "rule" or "manual" (why it is hidden), a tab, its program's file name, a
// tab, its window class, a tab and the caption.
//
// The main window takes requests from programs of any rights (an elevated Hidewell lets
// them through), so it refuses the verbs that only the trusted inbox takes (close and hide)
// with kInboxNeedsRights: a program must not use Hidewell to close or hide windows it could
// not itself. Those go to the trusted inbox, a message-only window (class kTrustedInboxClass)
// to which Windows lets only programs with at least Hidewell's rights send; it takes every
// request.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/Verbs.h"
#include "platform/Types.h"

namespace hw {

constexpr std::size_t kInboxMaxChars = 1024;

// What the WM_COPYDATA message returns.
enum InboxAnswer : std::int64_t {
    kInboxRejected = 0,
    kInboxAccepted = 1,
    kInboxNotFound = 2,
    kInboxNeedsRights = 3,
    kInboxBusy = 4,   // it came in the middle of a window operation: ask again shortly
    kInboxAsked = 5,  // restore asked, but the window's program has not shown it yet
};

// Which window a request came to.
enum class InboxDoor { Open, Trusted };

// Whether a request may come through the door.
constexpr bool DoorAllows(InboxDoor door, InboxCommand command) {
    return door == InboxDoor::Trusted || !VerbOf(command).trustedOnly;
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
