#include "settings/SettingsFile.h"

namespace hw {

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameName(const Text& a, const Text& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

void AppendCodePoint(Text& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// Strict UTF-8: no overlong forms, no encoded surrogates, nothing past U+10FFFF.
std::optional<Text> FromUtf8(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int more = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (more < 0 || i + static_cast<std::size_t>(more) >= bytes.size()) return std::nullopt;
        char32_t c = more == 0 ? b : more == 1 ? (b & 0x1F) : more == 2 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        AppendCodePoint(out, c);
        i += static_cast<std::size_t>(more) + 1;
    }
    return out;
}

// Unpaired surrogates never reach here: escaping wrote them out.
void AppendUtf8(std::string& out, const Text& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

void AppendEscape(Text& out, char16_t c) {
    static const char16_t kHex[] = u"0123456789ABCDEF";
    out += u"\\u{";
    bool digits = false;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const char16_t d = kHex[(c >> shift) & 0xF];
        if (digits || d != u'0' || shift == 0) {
            out += d;
            digits = true;
        }
    }
    out += u'}';
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// The escape "\u{hex}" at `at`: its code point and length; nothing when there is none.
std::optional<std::pair<char32_t, std::size_t>> EscapeAt(const Text& text, std::size_t at) {
    if (text.compare(at, 3, u"\\u{") != 0) return std::nullopt;
    char32_t c = 0;
    std::size_t i = at + 3;
    for (; i < text.size() && i < at + 9 && HexDigit(text[i]) >= 0; ++i) c = (c << 4) | static_cast<char32_t>(HexDigit(text[i]));
    if (i == at + 3 || i >= text.size() || text[i] != u'}' || c > 0x10FFFF) return std::nullopt;
    return std::pair{c, i + 1 - at};
}

Text KeyLine(const Text& key) {
    Text line(1, u'[');
    line += EscapeSettingsText(key, true);
    line += u']';
    return line;
}

}  // namespace

Text EscapeSettingsText(const Text& text, bool name) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            out += c;
            out += text[++i];
            continue;
        }
        // A byte-order mark would be taken for the file's own at its start.
        const bool escaped = c < 0x20 || c == 0x7F || c == 0xFEFF || IsHigh(c) || IsLow(c) ||
                             (c == u'\\' && EscapeAt(text, i).has_value()) || (c == u' ' && i + 1 == text.size()) ||
                             (name && (c == u'=' || (i == 0 && (c == u'[' || c == u';' || c == u'#'))));
        if (escaped)
            AppendEscape(out, c);
        else
            out += c;
    }
    return out;
}

Text UnescapeSettingsText(const Text& text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (auto escape = EscapeAt(text, i)) {
            AppendCodePoint(out, escape->first);
            i += escape->second;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::optional<SettingsFile> SettingsFile::Parse(std::string_view bytes) {
    SettingsFile file;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        file.byteOrderMark_ = true;
        bytes.remove_prefix(3);
    }
    std::optional<Text> text = FromUtf8(bytes);
    if (!text) return std::nullopt;
    if (!text->empty() && text->back() == u'\n') text->pop_back();
    if (text->empty()) return file;

    Text key;
    for (std::size_t at = 0; at <= text->size();) {
        std::size_t end = std::min(text->find(u'\n', at), text->size());
        Line line;
        line.text = text->substr(at, end - at);
        if (!line.text.empty() && line.text.back() == u'\r') line.text.pop_back();
        at = end + 1;

        const Text& t = line.text;
        std::size_t equals = t.find(u'=');
        if (t.empty() || t[0] == u';' || t[0] == u'#') {
            line.kind = Kind::Other;
        } else if (t[0] == u'[' && t.back() == u']' && t.size() >= 2) {
            line.kind = Kind::KeyStart;
            key = UnescapeSettingsText(t.substr(1, t.size() - 2));
        } else if (equals != Text::npos) {
            line.name = UnescapeSettingsText(t.substr(0, equals));
            line.value = UnescapeSettingsText(t.substr(equals + 1));
            line.kind = file.Find(key, line.name) < 0 ? Kind::Value : Kind::Other;
        }
        line.key = key;
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::string SettingsFile::Serialise() const {
    std::string out = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (const Line& line : lines_) {
        if (!line.changed)
            AppendUtf8(out, line.text);
        else if (line.kind == Kind::KeyStart)
            AppendUtf8(out, KeyLine(line.key));
        else
            AppendUtf8(out, EscapeSettingsText(line.name, true) + u"=" + EscapeSettingsText(line.value, false));
        out += "\r\n";
    }
    return out;
}

int SettingsFile::Find(const Text& key, const Text& name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Value && SameName(lines_[i].name, name) && SameName(lines_[i].key, key))
            return static_cast<int>(i);
    return -1;
}

bool SettingsFile::HasKey(const Text& key) const {
    if (key.empty()) return true;
    for (const Line& line : lines_)
        if (line.kind == Kind::KeyStart && SameName(line.key, key)) return true;
    return false;
}

bool SettingsFile::AddKey(const Text& key) {
    if (HasKey(key)) return false;
    Line line;
    line.kind = Kind::KeyStart;
    line.key = key;
    line.changed = true;
    lines_.push_back(std::move(line));
    return true;
}

std::optional<Text> SettingsFile::Value(const Text& key, const Text& name) const {
    int i = Find(key, name);
    if (i < 0) return std::nullopt;
    return lines_[static_cast<std::size_t>(i)].value;
}

bool SettingsFile::SetValue(const Text& key, const Text& name, const Text& value) {
    if (int i = Find(key, name); i >= 0) {
        Line& line = lines_[static_cast<std::size_t>(i)];
        if (line.value == value) return false;
        line.value = value;
        line.changed = true;
        return true;
    }
    AddKey(key);
    // A new value goes after the key's last value (or its first line), the settings key's own
    // before the first sub key.
    std::size_t at = 0;
    bool found = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Other && SameName(line.key, key)) {
            at = i + 1;
            found = true;
        }
    }
    if (!found) {
        at = lines_.size();
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].kind == Kind::KeyStart) {
                at = i;
                break;
            }
    }
    Line line;
    line.kind = Kind::Value;
    line.key = key;
    line.name = name;
    line.value = value;
    line.changed = true;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    return true;
}

bool SettingsFile::RemoveValue(const Text& key, const Text& name) {
    int i = Find(key, name);
    if (i < 0) return false;
    lines_.erase(lines_.begin() + i);
    return true;
}

std::vector<Text> SettingsFile::Names(const Text& key) const {
    std::vector<Text> names;
    for (const Line& line : lines_)
        if (line.kind == Kind::Value && SameName(line.key, key)) names.push_back(line.name);
    return names;
}

bool SettingsFile::HoldsSettings() const {
    for (const Line& line : lines_)
        if (line.kind != Kind::Other) return true;
    return false;
}

}  // namespace hw
