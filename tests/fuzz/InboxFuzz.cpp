// The command inbox: any message bytes decode to a well-formed request or to nothing, and
// the list answer carries every caption list intact, however many captions and whatever
// they hold.
#include <vector>

#include "FuzzInput.h"
#include "common/CommandInbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    // Every verb's code and 0, which is none; codes never change, so a kept input keeps its verb.
    const std::uint64_t code = in.Byte() % hw::kInboxCodeCount;
    std::size_t restSize = 0;
    const std::uint8_t* rest = in.Rest(restSize);

    // Through a copy, so the sanitizer sees any read past the message's own bytes.
    std::vector<std::uint8_t> bytes(rest, rest + restSize);
    if (std::optional<hw::InboxRequest> r = hw::DecodeRequest(code, bytes.data(), bytes.size())) {
        Check(r->caption.size() * 2 == bytes.size() && r->caption.size() <= hw::kInboxMaxChars);
        Check(r->caption.find(u'\0') == hw::Text::npos);
        const hw::Verb& verb = hw::VerbOf(r->command);
        Check(static_cast<std::uint64_t>(r->command) == code);
        Check(r->caption.empty() == (verb.names == hw::VerbNames::Nothing));
        Check((verb.names == hw::VerbNames::Process) == hw::RequestedProcess(*r).has_value());
    }

    hw::fuzz::FuzzInput texts(rest, restSize);
    std::vector<hw::Text> captions;
    while (!texts.Empty()) captions.push_back(texts.Chars(64));
    // Windows ends a caption at a NUL; every other character crosses.
    std::vector<hw::Text> expected;
    for (const hw::Text& c : captions) expected.push_back(c.substr(0, c.find(u'\0')));
    const hw::Text joined = hw::JoinCaptions(captions);
    std::optional<std::vector<hw::Text>> back = hw::DecodeAnswer(3, joined.data(), joined.size() * 2);
    Check(back && *back == expected);
    if (!hw::DecodeAnswer(code, rest, restSize))
        Check(code != 3 || restSize % 2 != 0 || (restSize > 0 && (rest[restSize - 1] != 0 || rest[restSize - 2] != 0)));
    // The details of every window come back, whatever their captions hold.
    std::vector<hw::ListedWindow> windows;
    for (std::size_t i = 0; i < expected.size(); ++i)
        windows.push_back({hw::WindowHandle{i * 977}, i % 2 == 1, expected[i], u"app.exe", i % 3 ? u"Frame" : u""});
    const hw::Text details = hw::JoinDetails(windows);
    std::optional<std::vector<hw::ListedWindow>> listed = hw::DecodeDetails(7, details.data(), details.size() * 2);
    Check(listed && *listed == windows);
    hw::DecodeDetails(code + 4, rest, restSize);
    return 0;
}
