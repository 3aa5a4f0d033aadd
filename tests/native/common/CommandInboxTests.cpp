#include <gtest/gtest.h>

#include <map>

#include "common/CommandInbox.h"
#include "common/CtlCall.h"
#include "common/StartHidden.h"

namespace hw {
namespace {

// What a verb's request holds when it names something of its kind.
Text SampleText(const Verb& verb) {
    if (verb.names == VerbNames::Nothing) return u"";
    return verb.names == VerbNames::Caption ? u"T\u00EBst \u03A9mega \u0414\u043E\u043C" : u"4711";
}

// Every verb crosses the inbox as itself, with what it names or with nothing; what breaks the
// format, or names what the verb does not, is refused.
TEST(CommandInbox, EveryVerbCrossesAsItselfAndOnlyWellFormed) {
    for (const Verb& verb : kVerbs) {
        const std::uint64_t code = static_cast<std::uint64_t>(verb.command);
        const Text text = SampleText(verb), wrong = text.empty() ? u"A" : u"";
        const auto request = DecodeRequest(code, text.data(), text.size() * 2);
        ASSERT_TRUE(request) << code;
        EXPECT_EQ(std::pair(request->command, request->caption), std::pair(verb.command, text)) << code;
        EXPECT_FALSE(DecodeRequest(code, wrong.data(), wrong.size() * 2)) << code;
        EXPECT_EQ(RequestedProcess(*request).has_value(), verb.names == VerbNames::Process) << code;
    }
    const struct { std::uint64_t code; Text caption; } refused[] = {
        {0, u""}, {kInboxCodeCount, u""}, {(1ull << 32) | 1, u"A"}, {2, Text(kInboxMaxChars + 1, u'x')},
        {1, Text(u"A\0", 2)}, {8, u"0"}, {8, u"12x"}, {8, u"4294967296"},
    };
    for (const auto& [code, caption] : refused) EXPECT_FALSE(DecodeRequest(code, caption.data(), caption.size() * 2)) << code;
    EXPECT_TRUE(DecodeRequest(1, Text(kInboxMaxChars, u'x').data(), kInboxMaxChars * 2));
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

// Every caption Windows allows crosses a list answer intact, however many there are; an
// answer that breaks off is refused, never read forever.
TEST(CommandInbox, ListAnswersCarryEveryCaptionIntact) {
    const std::vector<Text> lists[] = {
        {},
        {u""},
        {u"Ledger One\nLedger Two"},
        {u"a\tb", u"\r\n", u"", u"Untitled - Notepad", u"\\server\\share"},
        {Text(1, u'\xD800'), u"\U0001F600 x"},
    };
    for (const std::vector<Text>& captions : lists) {
        const Text joined = JoinCaptions(captions);
        EXPECT_EQ(DecodeAnswer(3, joined.data(), joined.size() * 2), captions);
        std::vector<ListedWindow> windows;
        for (std::size_t i = 0; i < captions.size(); ++i) windows.push_back({WindowHandle{i * 65537}, i % 2 == 0, captions[i], u"ab.exe", u"Cls\nName"});
        const Text details = JoinDetails(windows);
        EXPECT_EQ(DecodeDetails(7, details.data(), details.size() * 2), windows);
    }
    const Text cut = u"One";  // no NUL at its end
    EXPECT_FALSE(DecodeAnswer(3, cut.data(), cut.size() * 2));
    const Text badHandle = Text(u"12x\trule\tA") + u'\0';
    EXPECT_FALSE(DecodeDetails(7, badHandle.data(), badHandle.size() * 2));
}

// hidewellctl's arguments: each call, and each wrong one with what was wrong.
TEST(CtlCall, ParsesEachCallAndSaysWhatIsWrong) {
    using K = CtlCall::Kind;
    using C = InboxCommand;
    const Text longest(kCtlLongestCaption, u'x');
    const struct {
        std::vector<Text> args;
        K kind;
        C command;
        Text caption;  // or, for a wrong call, the start of what was wrong
    } cases[] = {
        {{u"close", u"-x-"}, K::Request, C::Close, u"-x-"},
        {{u"hide", longest}, K::Request, C::Hide, longest},
        {{u"--help"}, K::Usage, C::List, u""},
        {{u"-h"}, K::Usage, C::List, u""},
        {{u"/?"}, K::Usage, C::List, u""},
        {{u"help", u"restore"}, K::Usage, C::List, u""},
        {{}, K::Wrong, C::List, u"no command given."},
        {{u"lst"}, K::Wrong, C::List, u"unknown command \"lst\"."},
        {{u"Restore", u"A"}, K::Request, C::Restore, u"A"},
        {{u"LIST", u"--JSON"}, K::Request, C::ListDetails, u""},
        {{u"Start", u"--wait", u"5", u"notepad"}, K::Start, C::HideProcess, u""},
        {{u"list", u"--xml"}, K::Wrong, C::List, u"unknown option \"--xml\" for list."},
        {{u"list", u"A"}, K::Wrong, C::List, u"list takes no caption; unexpected \"A\"."},
        {{u"list", u"--json", u"A"}, K::Wrong, C::List, u"list takes nothing more; unexpected \"A\"."},
        {{u"hide", u"--x"}, K::Request, C::Hide, u"--x"},
        {{u"exit", u"now"}, K::Wrong, C::List, u"exit takes nothing more"},
        {{u"hide", u"--foreground", u"A"}, K::Wrong, C::List, u"hide --foreground takes nothing more"},
        {{u"restore"}, K::Wrong, C::List, u"restore needs the caption of a window"},
        {{u"close", u""}, K::Wrong, C::List, u"the caption is empty"},
        {{u"restore", u"Untitled", u"Notepad"}, K::Wrong, C::List, u"restore takes one caption, in quotes; unexpected \"Notepad\"."},
        {{u"restore", longest + u"x"}, K::Wrong, C::List, u"the caption has 255 characters; Hidewell reads at most 254"},
        {{u"t\ny"}, K::Wrong, C::List, u"unknown command \"t\\ny\"."},
    };
    for (const auto& c : cases) {
        const CtlCall call = ParseCtlArguments(c.args);
        const std::string what = c.args.empty() ? "(none)" : std::string(c.args[0].begin(), c.args[0].end());
        ASSERT_EQ(call.kind, c.kind) << what << ": " << std::string(call.problem.begin(), call.problem.end());
        if (c.kind == K::Wrong) {
            EXPECT_TRUE(call.problem.starts_with(c.caption)) << what << ": " << std::string(call.problem.begin(), call.problem.end());
        } else if (c.kind == K::Request) {
            EXPECT_EQ(call.request.command, c.command) << what;
            EXPECT_EQ(call.request.caption, c.caption) << what;
            // What it asks passes Hidewell's own checks.
            EXPECT_TRUE(DecodeRequest(static_cast<std::uint64_t>(c.command), call.request.caption.data(),
                                      call.request.caption.size() * 2)) << what;
        }
    }
}

// hidewellctl reads each verb in the form its usage shows, and asks for that verb.
TEST(CtlCall, ReadsEveryVerbAsItsUsageShowsIt) {
    for (const Verb& verb : kVerbs) {
        const int code = static_cast<int>(verb.command);
        std::vector<Text> args{Text(verb.word)};
        if (!verb.option.empty()) args.emplace_back(verb.option);
        if (verb.names != VerbNames::Nothing) args.emplace_back(verb.names == VerbNames::Caption ? SampleText(verb) : u"notepad");
        const CtlCall call = ParseCtlArguments(args);
        ASSERT_EQ(call.kind, verb.names == VerbNames::Process ? CtlCall::Kind::Start : CtlCall::Kind::Request) << code;
        EXPECT_EQ(call.request.command, verb.command) << code;
        EXPECT_EQ(call.request.caption, verb.names == VerbNames::Caption ? SampleText(verb) : Text()) << code;
        Text problem;
        EXPECT_TRUE(call.kind != CtlCall::Kind::Start || ParseStartCall(call.startWords, problem)) << code;
    }
}

// Plain list prints one line per window: control characters become escapes.
TEST(CtlCall, ListPrintsOneLinePerWindow) {
    const std::pair<Text, Text> lines[] = {
        {u"Ledger One\nLedger Two", u"Ledger One\\nLedger Two"},
        {u"a\tb\r", u"a\\tb\\r"},
        {Text(u"bell") + u'\x07' + u'\x7F', u"bell\\x07\\x7f"},
        {u"C:\\x \u00E9", u"C:\\x \u00E9"},
    };
    for (const auto& [caption, line] : lines) EXPECT_EQ(ListLine(caption), line);
    EXPECT_EQ(ListJson({{WindowHandle{42}, true, u"A\nB", u"notepad.exe", u"Notepad"}, {WindowHandle{7}, false, u"\"C\""}}),
              u"[{\"caption\":\"A\\u000aB\",\"handle\":42,\"kind\":\"manual\",\"program\":\"notepad.exe\",\"class\":\"Notepad\"},"
              u"{\"caption\":\"\\\"C\\\"\",\"handle\":7,\"kind\":\"rule\",\"program\":\"\",\"class\":\"\"}]");
    EXPECT_EQ(ListJson({}), u"[]");
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
