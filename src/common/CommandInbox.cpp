#include "common/CommandInbox.h"

#include <cstring>

namespace hw {

namespace {

Text TextFromBytes(const void* bytes, std::size_t size) {
    Text text(size / sizeof(char16_t), u'\0');
    if (size > 0) std::memcpy(text.data(), bytes, size);
    return text;
}

}  // namespace

std::optional<InboxRequest> DecodeRequest(std::uint64_t code, const void* bytes, std::size_t size) {
    if (code < 1 || code > 4) return std::nullopt;
    if (size % sizeof(char16_t) != 0 || size > kInboxMaxChars * sizeof(char16_t)) return std::nullopt;
    if (size > 0 && bytes == nullptr) return std::nullopt;
    InboxRequest request{static_cast<InboxCommand>(code), TextFromBytes(bytes, size)};
    if (request.caption.find(u'\0') != Text::npos) return std::nullopt;
    // Restore and close name a window; list and exit name none.
    bool namesNone = request.command == InboxCommand::List || request.command == InboxCommand::Exit;
    if (request.caption.empty() != namesNone) return std::nullopt;
    return request;
}

Text JoinCaptions(const std::vector<Text>& captions) {
    Text joined;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (i > 0) joined += u'\n';
        joined += captions[i];
    }
    return joined;
}

std::optional<std::vector<Text>> DecodeAnswer(std::uint64_t code, const void* bytes, std::size_t size) {
    if (code != static_cast<std::uint64_t>(InboxCommand::List) || size % sizeof(char16_t) != 0) return std::nullopt;
    if (size > 0 && bytes == nullptr) return std::nullopt;
    Text joined = TextFromBytes(bytes, size);
    std::vector<Text> captions;
    if (joined.empty()) return captions;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = joined.find(u'\n', start);
        captions.push_back(joined.substr(start, end - start));
        if (end == Text::npos) return captions;
        start = end + 1;
    }
}

}  // namespace hw
