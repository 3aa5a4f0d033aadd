#include <gtest/gtest.h>

#include "common/CommandInbox.h"

namespace hw {
namespace {

TEST(CommandInbox, AcceptsOnlyWellFormedRequests) {
    const struct {
        const char* what;
        std::uint64_t code;
        Text caption;
        bool accepted;
    } cases[] = {
        {"restore", 1, u"Untitled - Notepad", true},
        {"close", 2, u"Hidewell T\u00EBst \u03A9mega \u0414\u043E\u043C", true},
        {"list", 3, u"", true},
        {"longest caption", 1, Text(kInboxMaxChars, u'x'), true},
        {"caption one too long", 2, Text(kInboxMaxChars + 1, u'x'), false},
        {"unknown command", 4, u"A", false},
        {"command with high bits", (1ull << 32) | 1, u"A", false},
        {"restore without caption", 1, u"", false},
        {"list with caption", 3, u"A", false},
        {"NUL inside", 1, Text(u"A\0B", 3), false},
        {"terminator", 1, Text(u"A\0", 2), false},
    };
    for (const auto& c : cases) {
        auto request = DecodeRequest(c.code, c.caption.data(), c.caption.size() * sizeof(char16_t));
        ASSERT_EQ(request.has_value(), c.accepted) << c.what;
        EXPECT_EQ(request.value_or(InboxRequest{}).caption, c.accepted ? c.caption : u"") << c.what;
    }
    const char bytes[] = {'A', 0, 'B'};
    EXPECT_FALSE(DecodeRequest(1, bytes, 3)) << "odd size";
    EXPECT_FALSE(DecodeRequest(1, nullptr, 2)) << "size without data";
    EXPECT_EQ(DecodeRequest(2, bytes, 2)->command, InboxCommand::Close) << "unaligned data";
}

TEST(CommandInbox, AnswerToListRoundTrips) {
    for (const std::vector<Text>& captions : {std::vector<Text>{}, {u"One"}, {u"One", u"Tw\u00F6", u"Three"}}) {
        Text joined = JoinCaptions(captions);
        EXPECT_EQ(DecodeAnswer(3, joined.data(), joined.size() * sizeof(char16_t)), captions);
    }
    EXPECT_FALSE(DecodeAnswer(1, u"A", 2)) << "not an answer to list";
    EXPECT_FALSE(DecodeAnswer(3, u"A", 1)) << "odd size";
}

}  // namespace
}  // namespace hw
