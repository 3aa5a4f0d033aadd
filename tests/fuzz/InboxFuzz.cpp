// The command inbox: any message bytes decode to a well-formed request or to nothing, and
// the list answer carries every caption list that has no line break in a caption.
#include <vector>

#include "FuzzInput.h"
#include "common/CommandInbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    const std::uint64_t code = in.Byte() % 9;
    std::size_t restSize = 0;
    const std::uint8_t* rest = in.Rest(restSize);

    // Through a copy, so the sanitizer sees any read past the message's own bytes.
    std::vector<std::uint8_t> bytes(rest, rest + restSize);
    if (std::optional<hw::InboxRequest> r = hw::DecodeRequest(code, bytes.data(), bytes.size())) {
        Check(r->caption.size() * 2 == bytes.size() && r->caption.size() <= hw::kInboxMaxChars);
        Check(r->caption.find(u'\0') == hw::Text::npos);
        // Restore, close and hide name a window; the others name none.
        const bool namesWindow = r->command == hw::InboxCommand::Restore || r->command == hw::InboxCommand::Close ||
                                 r->command == hw::InboxCommand::Hide;
        Check(r->caption.empty() != namesWindow);
    }

    hw::fuzz::FuzzInput texts(rest, restSize);
    std::vector<hw::Text> captions;
    while (!texts.Empty()) captions.push_back(texts.Chars(64));
    const hw::Text joined = hw::JoinCaptions(captions);
    std::optional<std::vector<hw::Text>> back = hw::DecodeAnswer(3, joined.data(), joined.size() * 2);
    Check(back.has_value());
    bool breaks = false;
    for (const hw::Text& c : captions) breaks = breaks || c.find(u'\n') != hw::Text::npos;
    // An empty list and a list of one empty caption are the same answer.
    if (!breaks && !(captions.size() == 1 && captions[0].empty())) Check(*back == captions);
    if (!hw::DecodeAnswer(code, rest, restSize)) Check(code != 3 || restSize % 2 != 0);
    // The details of every window come back, whatever their captions hold but a line break.
    std::vector<hw::ListedWindow> windows;
    for (std::size_t i = 0; i < captions.size(); ++i)
        windows.push_back({hw::WindowHandle{i * 977}, i % 2 == 1, captions[i], u"app.exe", i % 3 ? u"Frame" : u""});
    const hw::Text details = hw::JoinDetails(windows);
    std::optional<std::vector<hw::ListedWindow>> listed = hw::DecodeDetails(7, details.data(), details.size() * 2);
    if (!breaks) Check(listed && *listed == windows);
    hw::DecodeDetails(code + 4, rest, restSize);
    return 0;
}
