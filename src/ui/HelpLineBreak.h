#pragma once
// Where the help window may break a line: only at spaces and tabs, so that inline code, whose
// spaces are no-break spaces, stays on one line.
#include <string_view>

namespace hw {

enum class WordBreakQuery { Left, Right, IsDelimiter };

// The edit control's word-break question about position `at` of text:
//   Left: the start of the word before at (at itself counts when it is inside a word);
//   Right: the start of the next word after at;
//   IsDelimiter: 1 when the character at `at` is a place to break, else 0.
int HelpWordBreak(std::u16string_view text, int at, WordBreakQuery query);

}  // namespace hw
