#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "common/CtlCall.h"
#include "ui/HelpBook.h"
#include "ui/HelpLineBreak.h"

namespace hw {
namespace {

TEST(HelpMarkdown, RendersBlocksAsPlainTextAndSplitsTopics) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        // Paragraph lines are joined; paragraphs keep one blank line between them.
        {u"One\ntwo\n\n\nThree", u"One two\n\nThree"},
        // List items on their own lines with bullets, continuation lines joined, nested indented.
        {u"Intro:\n\n- a\n  more\n- b\n  - c\n1. d", u"Intro:\n\n\u2022 a more\n\u2022 b\n      \u2022 c\n1. d"},
        // Headings in capitals; code blocks kept line by line, "#" in them no heading.
        {u"## Two words\nText\n```\n# not `a` heading\n```\nEnd",
         u"TWO WORDS\n\nText\n\n    # not `a` heading\n\nEnd"},
        // Inline code quoted as written, bold dropped, escapes resolved.
        {u"**Use** `*A**B*` and \\* or \\d", u"Use \u2018*A**B*\u2019 and * or \\d"},
        // Spaces in inline code do not break.
        {u"As `Page [!0-9]*` does", u"As \u2018Page\u00A0[!0-9]*\u2019 does"},
    };
    for (auto [markdown, text] : cases) EXPECT_EQ(RenderMarkdown(markdown), text) << std::u16string_view(markdown).size();

    // Topics split at top headings, decoded from UTF-8.
    auto topics = ParseHelp("preamble\n# First {#one}\nA\n```\n# code\n```\n# Second \xC3\xA9 \xF0\x9F\x98\x80\n"
                            "bad \xC3 byte\r\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].key, "one");
    EXPECT_EQ(topics[0].title, u"First");
    EXPECT_EQ(topics[0].text, u"A\n\n    # code");
    EXPECT_EQ(topics[1].key, "");
    EXPECT_EQ(topics[1].title, u"Second \u00E9 \U0001F600");
    EXPECT_EQ(topics[1].text, u"bad \uFFFD byte");
}

// Lines break at spaces only: the edit control asks where the word at a position starts.
TEST(HelpMarkdown, LinesBreakOnlyAtSpaces) {
    const std::u16string_view text = u"See \u2018Page\u00A0[!0-9]*\u2019  now";
    using Q = WordBreakQuery;
    const std::tuple<int, Q, int> cases[] = {
        {10, Q::Left, 4},  {4, Q::Left, 0},    {19, Q::Left, 4},    {20, Q::Left, 4},  {21, Q::Left, 20},
        {0, Q::Left, 0},   {5, Q::Right, 20},  {19, Q::Right, 20},  {22, Q::Right, 23}, {99, Q::Right, 23},
        {3, Q::IsDelimiter, 1}, {9, Q::IsDelimiter, 0}, {23, Q::IsDelimiter, 0},
    };
    for (auto [at, query, expected] : cases)
        EXPECT_EQ(HelpWordBreak(text, at, query), expected) << at << " " << static_cast<int>(query);
}

TEST(HelpBook, OpensAtTheContextsTopicOrTheFirst) {
    HelpBook book({{"contents", u"C", u"c"}, {"options", u"O", u"o"}, {"entries", u"E", u"e"}});
    book.Open(HelpContext::EditEntry);
    EXPECT_EQ(book.Selection(), 2);
    book.Open(HelpContext::Options);
    book.Open(HelpContext::ConfigurationWindow);  // F1 in the configuration window
    EXPECT_EQ(book.Selection(), 2);
    book.Select(7);
    book.Select(-1);
    EXPECT_EQ(book.CurrentText(), u"e");
    book.Open(HelpContext::DateAddOn);  // no such topic
    EXPECT_EQ(book.Selection(), 0);
    EXPECT_EQ(HelpBook({}).CurrentText(), u"");
}

// The help that ships: every context has its topic, keys are unique, no topic is empty.
TEST(HelpBook, ShippedHelpCoversEveryContext) {
    // A relative __FILE__ (the compiler cache makes them so) is relative to the build folder,
    // where the test program is.
    std::filesystem::path source = __FILE__;
    if (source.is_relative()) source = std::filesystem::read_symlink("/proc/self/exe").parent_path() / source;
    std::filesystem::path folder = source.parent_path() / "../../../docs/help";
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".md") files.insert(entry.path());
    std::ostringstream all;
    for (const auto& file : files) all << std::ifstream(file, std::ios::binary).rdbuf();
    std::vector<HelpTopic> topics = ParseHelp(all.str());
    std::set<std::string> keys;
    for (const HelpTopic& t : topics) {
        EXPECT_TRUE(keys.insert(t.key).second) << t.key;
        EXPECT_GT(t.text.size(), 200u) << t.key;
        EXPECT_EQ(t.text.find(u'`'), Text::npos) << t.key;
    }
    ASSERT_FALSE(topics.empty());
    EXPECT_EQ(topics[0].key, "contents");
    for (HelpContext c : {HelpContext::Contents, HelpContext::ConfigurationWindow, HelpContext::NewEntry, HelpContext::EditEntry, HelpContext::Options,
                          HelpContext::IconPicker, HelpContext::TaskList, HelpContext::DateAddOn})
        EXPECT_TRUE(keys.count(std::string(TopicKeyFor(c)))) << static_cast<int>(c);
    EXPECT_TRUE(keys.count("wildcards"));
    // hidewellctl's topic shows every verb as its usage does.
    auto ctl = std::find_if(topics.begin(), topics.end(), [](const HelpTopic& t) { return t.key == "hidewellctl"; });
    ASSERT_NE(ctl, topics.end());
    for (const Verb& verb : kVerbs)
        EXPECT_NE(ctl->text.find(u"hidewellctl " + VerbForm(verb)), Text::npos) << static_cast<int>(verb.command);
}

}  // namespace
}  // namespace hw
