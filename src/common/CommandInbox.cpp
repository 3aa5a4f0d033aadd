#include "common/CommandInbox.h"

#include <cstring>

#include "common/NumericParse.h"

namespace hw {

namespace {

Text TextFromBytes(const void* bytes, std::size_t size) {
    Text text(size / sizeof(char16_t), u'\0');
    if (size > 0) std::memcpy(text.data(), bytes, size);
    return text;
}

}  // namespace

std::optional<InboxRequest> DecodeRequest(std::uint64_t code, const void* bytes, std::size_t size) {
    const Verb* verb = FindVerb(code);
    if (!verb) return std::nullopt;
    if (size % sizeof(char16_t) != 0 || size > kInboxMaxChars * sizeof(char16_t)) return std::nullopt;
    if (size > 0 && bytes == nullptr) return std::nullopt;
    InboxRequest request{verb->command, TextFromBytes(bytes, size)};
    if (request.caption.find(u'\0') != Text::npos) return std::nullopt;
    if (request.caption.empty() != (verb->names == VerbNames::Nothing)) return std::nullopt;
    if (verb->names == VerbNames::Process && !RequestedProcess(request)) return std::nullopt;
    return request;
}

std::optional<std::uint32_t> RequestedProcess(const InboxRequest& request) {
    const Verb* verb = FindVerb(static_cast<std::uint64_t>(request.command));
    if (!verb || verb->names != VerbNames::Process || request.caption.empty() || request.caption.size() > 10)
        return std::nullopt;
    std::uint64_t id = 0;
    for (char16_t c : request.caption) {
        if (c < u'0' || c > u'9') return std::nullopt;
        id = id * 10 + static_cast<std::uint64_t>(c - u'0');
    }
    if (id == 0 || id > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(id);
}

Text JoinCaptions(const std::vector<Text>& captions) {
    Text joined;
    for (const Text& caption : captions) {
        // Windows ends a caption at a NUL, so none holds one.
        joined.append(caption, 0, caption.find(u'\0'));
        joined += u'\0';
    }
    return joined;
}

std::optional<std::vector<Text>> DecodeAnswer(std::uint64_t code, const void* bytes, std::size_t size) {
    if (code != static_cast<std::uint64_t>(InboxCommand::List) || size % sizeof(char16_t) != 0) return std::nullopt;
    if (size > 0 && bytes == nullptr) return std::nullopt;
    const Text joined = TextFromBytes(bytes, size);
    if (!joined.empty() && joined.back() != u'\0') return std::nullopt;
    std::vector<Text> captions;
    // Each caption ends at its NUL; the walk moves past one at every step.
    for (std::size_t start = 0; start < joined.size();) {
        const std::size_t end = joined.find(u'\0', start);
        captions.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return captions;
}

Text JoinDetails(const std::vector<ListedWindow>& windows) {
    std::vector<Text> lines;
    // A tab or NUL in a class name (file names hold none) would break the item.
    auto field = [](Text t) {
        for (char16_t& c : t)
            if (c == u'\t' || c == u'\0') c = u' ';
        return t + u'\t';
    };
    for (const ListedWindow& w : windows)
        lines.push_back(DecimalText(static_cast<std::int64_t>(w.window.Value())) +
                        (w.manual ? u"\tmanual\t" : u"\trule\t") + field(w.program) + field(w.className) + w.caption);
    return JoinCaptions(lines);
}

std::optional<std::vector<ListedWindow>> DecodeDetails(std::uint64_t code, const void* bytes, std::size_t size) {
    if (code != static_cast<std::uint64_t>(InboxCommand::ListDetails)) return std::nullopt;
    std::optional<std::vector<Text>> lines = DecodeAnswer(static_cast<std::uint64_t>(InboxCommand::List), bytes, size);
    if (!lines) return std::nullopt;
    std::vector<ListedWindow> windows;
    for (const Text& line : *lines) {
        const std::size_t tab = line.find(u'\t');
        std::size_t tabs[4] = {tab};
        for (std::size_t k = 1; k < 4; ++k)
            tabs[k] = tabs[k - 1] == Text::npos ? Text::npos : line.find(u'\t', tabs[k - 1] + 1);
        const std::size_t second = tabs[1];
        if (tabs[3] == Text::npos || tab == 0 || tab > 19) return std::nullopt;
        std::uint64_t handle = 0;
        for (std::size_t i = 0; i < tab; ++i) {
            if (line[i] < u'0' || line[i] > u'9') return std::nullopt;
            handle = handle * 10 + static_cast<std::uint64_t>(line[i] - u'0');
        }
        const Text kind = line.substr(tab + 1, second - tab - 1);
        if (kind != u"rule" && kind != u"manual") return std::nullopt;
        windows.push_back({WindowHandle{handle}, kind == u"manual", line.substr(tabs[3] + 1),
                           line.substr(tabs[1] + 1, tabs[2] - tabs[1] - 1), line.substr(tabs[2] + 1, tabs[3] - tabs[2] - 1)});
    }
    return windows;
}

Text JsonString(const Text& text) {
    const char16_t* hex = u"0123456789abcdef";
    auto escape = [&](char16_t c) {
        return Text(u"\\u") + hex[c >> 12] + hex[(c >> 8) & 15] + hex[(c >> 4) & 15] + hex[c & 15];
    };
    Text json = u"\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF, low = c >= 0xDC00 && c <= 0xDFFF;
        const bool paired = high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (c == u'"' || c == u'\\') {
            json += u'\\';
            json += c;
        } else if (c < 0x20 || low || (high && !paired)) {
            json += escape(c);
        } else {
            json += c;
            if (paired) json += text[++i];
        }
    }
    return json + u"\"";
}

}  // namespace hw
