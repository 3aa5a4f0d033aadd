#include <gtest/gtest.h>

#include "common/LogLine.h"

namespace hw {
namespace {

TEST(LogLine, OneLinePerEventWithTimeWhatCaptionAndErrorText) {
    LocalTime t{2026, 3, 7, 9, 5, 2, 6};
    EXPECT_EQ(LogLine(t, u"Typing the date: input was blocked", u"Admin - Notepad", u"Access is denied.\r\n"),
              u"2026-03-07 09:05:02  Typing the date: input was blocked  \"Admin - Notepad\"  Access is denied.\r\n");
    EXPECT_EQ(LogLine(t, u"Saving the window's height", u"", u""), u"2026-03-07 09:05:02  Saving the window's height\r\n");
    // A caption with line breaks cannot start a line of its own.
    EXPECT_EQ(LogLine(t, u"x", u"Two\r\nlines\t", u""), u"2026-03-07 09:05:02  x  \"Two  lines\"\r\n");
}

}  // namespace
}  // namespace hw
