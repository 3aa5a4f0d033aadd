#include "common/MenuText.h"

#include <vector>

namespace hw {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Where each character starts: a surrogate pair is one character.
std::vector<std::size_t> CharacterStarts(const Text& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(IsLowSurrogate(text[i]) && i > 0 && IsHighSurrogate(text[i - 1]))) starts.push_back(i);
    return starts;
}

Text Shortened(const Text& caption) {
    std::vector<std::size_t> starts = CharacterStarts(caption);
    if (starts.size() <= kMenuTextMaxLength) return caption;
    // The ellipsis takes one of the characters; the start keeps one more than the end.
    std::size_t tail = (kMenuTextMaxLength - 1) / 2;
    std::size_t head = kMenuTextMaxLength - 1 - tail;
    return caption.substr(0, starts[head]) + u"\u2026" + caption.substr(starts[starts.size() - tail]);
}

}  // namespace

Text MenuItemText(const Text& caption) {
    Text out;
    for (char16_t c : Shortened(caption)) {
        if (c == u'&') out += u'&';
        out += c;
    }
    return out;
}

}  // namespace hw
