#pragma once
// The verbs of the command inbox and of hidewellctl, one row each: the code a request carries,
// what its text names, which door takes it, when it runs, and how hidewellctl spells it and
// says what went wrong. Decoding, the doors, hidewellctl's arguments and usage, and the
// dispatch in the main window all read this table.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace hw {

// The command code a request carries (WM_COPYDATA's dwData). A code never changes meaning.
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

// What a request's text names: nothing (the text is empty), a window by its caption, or the
// process whose first window is meant, by its id in decimal digits.
enum class VerbNames { Nothing, Caption, Process };

// When a verb is carried out: it only reads and is answered at once, even in the middle of a
// window operation; it is carried out before the answer, once no window operation is under
// way; or it runs after the sender's call has returned.
enum class VerbRuns { Reads, BeforeAnswer, AfterAnswer };

struct Verb {
    InboxCommand command;
    std::u16string_view word;       // hidewellctl's verb
    std::u16string_view option;     // the option after the word that asks for this verb; empty for the word alone
    std::u16string_view arguments;  // what follows in the usage
    std::u16string_view about;      // the usage's words for it
    VerbNames names;
    bool trustedOnly;  // only the trusted inbox takes it: a program must not use Hidewell to do what it could not itself
    VerbRuns runs;
    // What hidewellctl says when Hidewell finds no window for it ("%" stands for the caption),
    // and how to ask instead when Hidewell has more rights than hidewellctl.
    std::u16string_view notFound;
    std::u16string_view withRights;
};

// In the order of the usage.
inline constexpr Verb kVerbs[] = {
    {InboxCommand::Restore, u"restore", u"", u"\"<caption>\"", u"restore the hidden window with this caption",
     VerbNames::Caption, false, VerbRuns::BeforeAnswer, u"no hidden window has the caption \"%\".",
     u"ask from a prompt run as administrator."},
    {InboxCommand::Close, u"close", u"", u"\"<caption>\"", u"close the hidden window with this caption",
     VerbNames::Caption, true, VerbRuns::BeforeAnswer, u"no hidden window has the caption \"%\".",
     u"close the window from a prompt run as administrator, or restore it."},
    {InboxCommand::Hide, u"hide", u"", u"\"<caption>\"", u"hide the shown window with this caption",
     VerbNames::Caption, true, VerbRuns::BeforeAnswer, u"no shown window that Hidewell can hide has the caption \"%\".",
     u"hide the window from a prompt run as administrator."},
    {InboxCommand::HideForeground, u"hide", u"--foreground", u"", u"hide the window in front",
     VerbNames::Nothing, true, VerbRuns::BeforeAnswer, u"no window in front that Hidewell can hide.",
     u"hide the window from a prompt run as administrator."},
    {InboxCommand::List, u"list", u"", u"", u"list the captions of the hidden windows, one a line",
     VerbNames::Nothing, false, VerbRuns::Reads, u"", u"ask from a prompt run as administrator."},
    {InboxCommand::ListDetails, u"list", u"--json", u"", u"list the hidden windows as JSON",
     VerbNames::Nothing, false, VerbRuns::Reads, u"", u"ask from a prompt run as administrator."},
    {InboxCommand::Exit, u"exit", u"", u"", u"end Hidewell (hidden windows come back) and wait",
     VerbNames::Nothing, false, VerbRuns::AfterAnswer, u"", u"ask from a prompt run as administrator."},
    {InboxCommand::HideProcess, u"start", u"", u"[--wait <seconds>] <program> [arguments...]",
     u"start a program and hide its first window (wait 30 s)", VerbNames::Process, true, VerbRuns::BeforeAnswer,
     u"", u"hide the window from a prompt run as administrator."},
};

// The verb whose code this is; nothing for a code no verb has.
constexpr const Verb* FindVerb(std::uint64_t code) {
    for (const Verb& verb : kVerbs)
        if (static_cast<std::uint64_t>(verb.command) == code) return &verb;
    return nullptr;
}

// The verb of a command that a request decoded from the table carries.
constexpr const Verb& VerbOf(InboxCommand command) { return *FindVerb(static_cast<std::uint64_t>(command)); }

// One more than the highest code: codes run from 1, and 0 is no verb's.
constexpr std::uint64_t kInboxCodeCount = std::size(kVerbs) + 1;

// Every code from 1 on has its one verb, so none is missing from the table.
static_assert([] {
    for (std::uint64_t code = 1; code < kInboxCodeCount; ++code) {
        std::size_t rows = 0;
        for (const Verb& verb : kVerbs) rows += static_cast<std::uint64_t>(verb.command) == code ? 1 : 0;
        if (rows != 1) return false;
    }
    return true;
}());

}  // namespace hw
