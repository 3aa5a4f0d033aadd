#pragma once
// hidewellctl's side of the command inbox: what its arguments ask for, and how it prints the
// answer to list.
#include <cstddef>
#include <vector>

#include "common/CommandInbox.h"

namespace hw {

// The most characters of a caption Hidewell reads; a longer one can name no window.
constexpr std::size_t kCtlLongestCaption = 254;

// What the arguments (without the program's name) ask for: a request, the usage, a program to
// start hidden (its words, read by ParseStartCall), or nothing, with what was wrong.
struct CtlCall {
    enum class Kind { Request, Usage, Start, Wrong };
    Kind kind = Kind::Wrong;
    InboxRequest request{InboxCommand::List, {}};
    Text problem;  // Wrong: what was wrong, as one sentence
    std::vector<Text> startWords{};  // Start: the words after the verb
};

// The verb is read from the table of verbs, without regard to case, as are its options.
CtlCall ParseCtlArguments(const std::vector<Text>& args);

// How the usage shows the verb after "hidewellctl ": its word, its option and its arguments.
Text VerbForm(const Verb& verb);

// The usage, one line for each verb of the table, lines ended by "\r\n".
Text CtlUsage();

// One line of plain list: the caption with tabs, line breaks and other control characters
// written as escapes ("\t", "\n", "\r", "\x1f"), so each window takes one line.
Text ListLine(const Text& caption);

// The answer to list with details as a JSON array of objects with caption, handle, kind,
// program and class.
Text ListJson(const std::vector<ListedWindow>& windows);

}  // namespace hw
