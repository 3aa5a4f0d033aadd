#include "ui/HelpBook.h"

#include <cctype>

namespace hw {

namespace {

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
Text DecodeUtf8(std::string_view s) {
    Text out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
        bool ok = extra >= 0 && i + extra < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            ok = (cc >> 6) == 2;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::vector<Text> SplitLines(const Text& text) {
    std::vector<Text> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(u'\n', start);
        Text line = text.substr(start, end == Text::npos ? Text::npos : end - start);
        if (!line.empty() && line.back() == u'\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == Text::npos) return lines;
        start = end + 1;
    }
}

bool StartsWith(const Text& s, std::u16string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

std::size_t Indent(const Text& line) {
    std::size_t n = line.find_first_not_of(u' ');
    return n == Text::npos ? line.size() : n;
}

bool IsFence(const Text& line) { return StartsWith(line.substr(Indent(line)), u"```"); }

// Code between backticks stays as written, between single quotation marks, its spaces no-break
// spaces so that it never breaks across lines; "**" is dropped and backslash escapes are
// resolved.
Text Inline(const Text& s) {
    Text out;
    bool code = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char16_t c = s[i];
        if (c == u'`') {
            code = !code;
            out.push_back(code ? u'\u2018' : u'\u2019');
        } else if (code) {
            out.push_back(c == u' ' ? u'\u00A0' : c);
        } else if (c == u'*' && i + 1 < s.size() && s[i + 1] == u'*') {
            ++i;
        } else if (c == u'\\' && i + 1 < s.size() && s[i + 1] < 0x80 && !std::isalnum(s[i + 1])) {
            out.push_back(s[++i]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

Text Upper(Text s) {
    for (char16_t& c : s)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return s;
}

// The marker of a list item ("- ", "* ", "1. ") at the start of s, or 0 characters.
std::size_t ListMarker(const Text& s) {
    if (StartsWith(s, u"- ") || StartsWith(s, u"* ")) return 2;
    std::size_t digits = 0;
    while (digits < s.size() && s[digits] >= u'0' && s[digits] <= u'9') ++digits;
    return digits > 0 && s.compare(digits, 2, u". ") == 0 ? digits + 2 : 0;
}

// The number of "#" of a heading ("## Title"), or 0 when s is none.
std::size_t HeadingLevel(const Text& s) {
    std::size_t level = s.find_first_not_of(u'#');
    return level != 0 && level != Text::npos && s[level] == u' ' ? level : 0;
}

// "Title {#key}" into its title and key.
void SplitHeading(const Text& heading, HelpTopic& topic) {
    Text title = heading;
    std::size_t open = title.rfind(u" {#");
    if (open != Text::npos && title.size() > open + 4 && title.back() == u'}') {
        for (char16_t c : title.substr(open + 3, title.size() - open - 4)) topic.key.push_back(static_cast<char>(c));
        title.resize(open);
    }
    topic.title = Inline(title);
}

}  // namespace

Text RenderMarkdown(const Text& body) {
    std::vector<Text> out;
    Text block;
    enum { kNone, kParagraph, kItem } kind = kNone;
    bool code = false;
    auto flush = [&] {
        if (kind != kNone) out.push_back(block);
        block.clear();
        kind = kNone;
    };
    // A blank line before every block but the next item of a list.
    auto startBlock = [&](bool item) {
        bool continuesList = item && kind == kItem;
        flush();
        if (!out.empty() && !continuesList) out.emplace_back();
    };
    for (const Text& line : SplitLines(body)) {
        std::size_t indent = Indent(line);
        Text trimmed = line.substr(indent);
        if (code) {
            if (IsFence(line))
                code = false;
            else
                out.push_back(u"    " + line);
            continue;
        }
        if (IsFence(line)) {
            startBlock(false);
            code = true;
        } else if (trimmed.empty()) {
            flush();
        } else if (std::size_t level = HeadingLevel(trimmed)) {
            startBlock(false);
            out.push_back(Upper(Inline(trimmed.substr(level + 1))));
        } else if (std::size_t marker = ListMarker(trimmed)) {
            Text bullet = marker == 2 ? Text(u"\u2022 ") : trimmed.substr(0, marker);
            startBlock(true);
            block = (indent >= 2 ? u"      " : u"") + bullet + Inline(trimmed.substr(marker));
            kind = kItem;
        } else if (kind != kNone) {
            block += u' ' + Inline(trimmed);
        } else {
            startBlock(false);
            block = Inline(trimmed);
            kind = kParagraph;
        }
    }
    flush();
    Text text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i) text += u'\n';
        text += out[i];
    }
    return text;
}

std::vector<HelpTopic> ParseHelp(std::string_view markdown) {
    std::vector<HelpTopic> topics;
    Text body;
    bool code = false;
    auto finish = [&] {
        if (!topics.empty()) topics.back().text = RenderMarkdown(body);
        body.clear();
    };
    for (const Text& line : SplitLines(DecodeUtf8(markdown))) {
        if (IsFence(line)) code = !code;
        if (!code && StartsWith(line, u"# ")) {
            finish();
            SplitHeading(line.substr(2), topics.emplace_back());
            continue;
        }
        body += line;
        body += u'\n';
    }
    finish();
    return topics;
}

std::string_view TopicKeyFor(HelpContext context) {
    switch (context) {
    case HelpContext::ConfigurationWindow:
    case HelpContext::NewEntry:
    case HelpContext::EditEntry: return "entries";
    case HelpContext::Options: return "options";
    case HelpContext::IconPicker: return "icons";
    case HelpContext::TaskList: return "tasklist";
    case HelpContext::DateAddOn: return "date";
    case HelpContext::Contents: break;
    }
    return "contents";
}

void HelpBook::Open(HelpContext context) {
    std::string_view key = TopicKeyFor(context);
    selection_ = 0;
    for (std::size_t i = 0; i < topics_.size(); ++i)
        if (topics_[i].key == key) selection_ = static_cast<int>(i);
}

void HelpBook::Select(int index) {
    if (index >= 0 && index < static_cast<int>(topics_.size())) selection_ = index;
}

Text HelpBook::CurrentText() const {
    return topics_.empty() ? Text() : topics_[static_cast<std::size_t>(selection_)].text;
}

}  // namespace hw
