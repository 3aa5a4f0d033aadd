#include <gtest/gtest.h>

#include "common/CommandInbox.h"

namespace hw {
namespace {

TEST(CommandInbox, AcceptsOnlyWellFormedRequests) {
    const struct { std::uint64_t code; Text caption; bool accepted; } cases[] = {
        {1, u"Untitled - Notepad", true}, {2, u"T\u00EBst \u03A9mega \u0414\u043E\u043C", true}, {3, u"", true},
        {1, Text(kInboxMaxChars, u'x'), true}, {2, Text(kInboxMaxChars + 1, u'x'), false}, {4, u"A", false},
        {(1ull << 32) | 1, u"A", false}, {1, u"", false}, {3, u"A", false}, {1, Text(u"A\0", 2), false},
        {4, u"", true}, {5, u"", false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        auto request = DecodeRequest(cases[i].code, cases[i].caption.data(), cases[i].caption.size() * 2);
        ASSERT_EQ(request.has_value(), cases[i].accepted) << i;
        EXPECT_EQ(request.value_or(InboxRequest{}).caption, cases[i].accepted ? cases[i].caption : Text()) << i;
    }
    const char bytes[] = {'A', 0, 'B'};
    EXPECT_FALSE(DecodeRequest(1, bytes, 3)) << "odd size";
    EXPECT_FALSE(DecodeRequest(1, nullptr, 2)) << "size without data";
    EXPECT_EQ(DecodeRequest(2, bytes, 2)->command, InboxCommand::Close) << "unaligned data";
}

// The list with details round-trips in the inbox's fuzz target.
TEST(CommandInbox, CaptionsBecomeJsonStrings) {
    const std::pair<Text, Text> cases[] = {
        {u"", u"\"\""},
        {u"say \"hi\" C:\\x", u"\"say \\\"hi\\\" C:\\\\x\""},
        {Text(u"tab\there\n") + u'\x01', u"\"tab\\u0009here\\u000a\\u0001\""},
        {u"Gr\u00FC\u00DFe \U0001F600", u"\"Gr\u00FC\u00DFe \U0001F600\""},  // UTF-8 is the output's business
        {Text(1, u'\xD800') + u"x", u"\"\\ud800x\""},                        // a lone surrogate
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(JsonString(text), json);
}

}  // namespace
}  // namespace hw
