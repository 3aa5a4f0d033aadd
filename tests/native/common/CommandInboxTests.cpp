#include <gtest/gtest.h>

#include <map>

#include "common/CommandInbox.h"
#include "common/StartHidden.h"

namespace hw {
namespace {

TEST(CommandInbox, AcceptsOnlyWellFormedRequests) {
    const struct { std::uint64_t code; Text caption; bool accepted; } cases[] = {
        {1, u"Untitled - Notepad", true}, {2, u"T\u00EBst \u03A9mega \u0414\u043E\u043C", true}, {3, u"", true},
        {1, Text(kInboxMaxChars, u'x'), true}, {2, Text(kInboxMaxChars + 1, u'x'), false}, {4, u"A", false},
        {(1ull << 32) | 1, u"A", false}, {1, u"", false}, {3, u"A", false}, {1, Text(u"A\0", 2), false},
        {4, u"", true}, {5, u"", false}, {8, u"4711", true}, {8, u"", false}, {8, u"0", false},
        {8, u"12x", false}, {8, u"4294967296", false}, {9, u"", false},
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

// A program started hidden: Hidewell is asked until its window, or that of the process it
// started, appears, or the wait is over.
class FakeLaunch : public LaunchHost {
public:
    bool starts = true;
    std::map<std::uint32_t, std::vector<std::uint32_t>> children;
    std::map<std::uint32_t, std::uint64_t> windowAtMs;  // by process: when its window appears
    std::optional<InboxAnswer> answer = kInboxAccepted;  // to a process whose window is there
    std::uint64_t now = 0;
    std::vector<std::uint32_t> asked;

    std::optional<std::uint32_t> StartProgram(const Text&, const Text&, Text& error) override {
        if (!starts) error = u"The system cannot find the file specified.";
        return starts ? std::optional<std::uint32_t>(100) : std::nullopt;
    }
    std::vector<std::uint32_t> ChildProcesses(std::uint32_t p) override { return children[p]; }
    std::optional<InboxAnswer> AskHide(std::uint32_t p) override {
        asked.push_back(p);
        return windowAtMs.count(p) && now >= windowAtMs[p] ? answer : std::optional<InboxAnswer>(kInboxNotFound);
    }
    std::uint64_t NowMs() override { return now; }
    void Pause(int ms) override { now += static_cast<std::uint64_t>(ms); }
};

TEST(StartHidden, WaitsForTheWindowOfTheProgramOrOfItsChildAndSaysWhyNot) {
    Text message;
    StartCall call{u"notepad", u"", 2};
    FakeLaunch launch;
    launch.windowAtMs[100] = 700;
    EXPECT_EQ(StartHidden(launch, call, message), kStartHidden);
    EXPECT_EQ(launch.now, 700u);

    FakeLaunch launcher;  // the window comes from the process the program started
    launcher.children[100] = {200};
    launcher.windowAtMs[200] = 300;
    EXPECT_EQ(StartHidden(launcher, call, message), kStartHidden);
    EXPECT_EQ(launcher.asked.back(), 200u);

    FakeLaunch slow;
    slow.windowAtMs[100] = 2500;
    EXPECT_EQ(StartHidden(slow, call, message), kStartNoWindow);
    EXPECT_NE(message.find(u"within 2 seconds"), Text::npos);
    EXPECT_EQ(slow.now, 2000u) << "asked until the wait is over, not longer";

    FakeLaunch missing;
    missing.starts = false;
    EXPECT_EQ(StartHidden(missing, call, message), kStartFailed);
    EXPECT_EQ(message, u"hidewellctl: notepad could not be started: The system cannot find the file specified.");

    for (auto [answer, code] : {std::pair{std::optional<InboxAnswer>(kInboxNeedsRights), kStartNeedsRights},
                                {std::optional<InboxAnswer>(), kStartRejected}}) {
        FakeLaunch refused;
        refused.windowAtMs[100] = 0;
        refused.answer = answer;
        EXPECT_EQ(StartHidden(refused, call, message), code);
    }
}

TEST(StartHidden, ReadsTheCallAndQuotesArgumentsAsWindowsSplitsThem) {
    const struct {
        std::vector<Text> words;
        Text program, parameters;
        int wait;
        bool good;
    } cases[] = {
        {{u"notepad"}, u"notepad", u"", 30, true},
        {{u"--wait", u"5", uR"(C:\Program Files\App\app.exe)", u"a b", u"c"}, uR"(C:\Program Files\App\app.exe)",
         uR"("a b" c)", 5, true},
        {{u"x", uR"(say "hi")", uR"(C:\dir\)", uR"(C:\my dir\)", u""}, u"x",
         uR"("say \"hi\"" C:\dir\ "C:\my dir\\" "")", 30, true},
        {{}, u"", u"", 0, false},
        {{u"--wait", u"5"}, u"", u"", 0, false},
        {{u"--wait", u"0", u"x"}, u"", u"", 0, false},
        {{u"--wait", u"5s", u"x"}, u"", u"", 0, false},
        {{u"--wait"}, u"", u"", 0, false},
    };
    for (const auto& c : cases) {
        Text problem;
        const std::optional<StartCall> call = ParseStartCall(c.words, problem);
        ASSERT_EQ(call.has_value(), c.good) << c.words.size();
        EXPECT_EQ(problem.empty(), c.good);
        if (!call) continue;
        EXPECT_EQ(std::make_tuple(call->program, call->parameters, call->waitSeconds),
                  std::make_tuple(c.program, c.parameters, c.wait));
    }
}

}  // namespace
}  // namespace hw
