#pragma once
// The text of a portable copy's settings file, Hidewell.ini: UTF-8, one "name=value" per line.
// The lines before the first "[sub key]" line hold the values of the settings key itself; a
// line "[Kestle2]" starts those of that sub key. Every value is text (a number is its decimal
// digits). Names of values and sub keys compare as the registry's do, ignoring the case of
// ASCII letters.
//
// Lines that are no value (blank lines, comments starting with ";" or "#", lines without "=",
// a name repeated within its key) are kept as they are, and so is every value line that was
// not changed.
//
// Escapes make any UTF-16 text come back exactly: "\u{hex}" is one UTF-16 code unit (or a code
// point above FFFF). It is written for control characters (line breaks, tabs, NUL), unpaired
// surrogates, the byte-order mark, a last space, and a backslash that would otherwise start an escape; in names also
// for "=" and for a first "[", ";" or "#". Any other backslash is itself, so paths read as
// written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace hw {

class SettingsFile {
public:
    // An empty file.
    SettingsFile() = default;
    // The file's contents; nothing when they are no UTF-8 text. A leading byte-order mark is
    // kept.
    static std::optional<SettingsFile> Parse(std::string_view bytes);
    // The whole file, lines ended by CR LF.
    std::string Serialise() const;

    // key: the sub key's path below the settings key; empty for the settings key itself, which
    // always exists.
    bool HasKey(const Text& key) const;
    // Adds an empty "[key]" at the end; false when the key exists already.
    bool AddKey(const Text& key);
    std::optional<Text> Value(const Text& key, const Text& name) const;
    // False when the value was already this; the key is added when missing.
    bool SetValue(const Text& key, const Text& name, const Text& value);
    bool RemoveValue(const Text& key, const Text& name);
    // The key's value names in the file's order.
    std::vector<Text> Names(const Text& key) const;
    // Whether the file holds any value or sub key (a file of comments holds none).
    bool HoldsSettings() const;

private:
    enum class Kind { Other, KeyStart, Value };
    struct Line {
        Kind kind = Kind::Other;
        Text key;   // the key the line belongs to
        Text name;  // of a value
        Text value;
        Text text;  // as read; empty once the value changed (it is then written afresh)
        bool changed = false;
    };
    // The index of the key's value line; -1 when it has none.
    int Find(const Text& key, const Text& name) const;

    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
};

// Text as a name or a value of the file writes it, and back.
Text EscapeSettingsText(const Text& text, bool name);
Text UnescapeSettingsText(const Text& text);

}  // namespace hw
