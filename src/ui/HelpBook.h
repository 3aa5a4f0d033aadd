#pragma once
// Hidewell's help as the help window shows it: topics read from Markdown, each with a key, a
// title and its text as plain text, and the topic that each help context opens at.
#include <string>
#include <string_view>
#include <vector>

#include "common/HelpContext.h"
#include "platform/Types.h"

namespace hw {

struct HelpTopic {
    std::string key;  // from the heading's "{#key}"; empty when it has none
    Text title;
    Text text;  // plain text, lines separated by "\n"
};

// Splits the help (UTF-8 Markdown) into topics at its level-1 headings, "# Title {#key}";
// text before the first heading is dropped.
std::vector<HelpTopic> ParseHelp(std::string_view markdown);

// The body of a topic as plain text: paragraphs and list items joined into single lines (the
// window wraps them), bullets for list items, headings in capitals, code blocks indented,
// inline code in single quotation marks with no-break spaces, "**" dropped and backslash escapes
// resolved.
Text RenderMarkdown(const Text& body);

// The key of the topic that a context opens at.
std::string_view TopicKeyFor(HelpContext context);

// The help window's state: the topics and the one shown.
class HelpBook {
public:
    explicit HelpBook(std::vector<HelpTopic> topics) : topics_(std::move(topics)) {}

    // Shows the topic of the context, or the first topic when the help has no such topic.
    void Open(HelpContext context);
    // Shows the topic at this index; an index out of range changes nothing.
    void Select(int index);

    int Selection() const { return selection_; }
    const std::vector<HelpTopic>& Topics() const { return topics_; }
    // The text of the shown topic; empty when the help has no topics.
    Text CurrentText() const;

private:
    std::vector<HelpTopic> topics_;
    int selection_ = 0;
};

}  // namespace hw
