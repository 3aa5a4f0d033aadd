// A portable copy's settings file: any bytes read as a file or as nothing; a file read is
// written back as read; and any UTF-16 name and value set in it come back exactly.
#include <string>

#include "FuzzInput.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    const std::size_t fileSize = in.Number(2);
    std::string bytes;
    while (bytes.size() < fileSize && !in.Empty()) bytes += static_cast<char>(in.Byte());

    std::optional<hw::SettingsFile> file = hw::SettingsFile::Parse(bytes);
    if (!file) {
        file.emplace();
    } else {
        const std::string written = file->Serialise();
        std::optional<hw::SettingsFile> again = hw::SettingsFile::Parse(written);
        Check(again && again->Serialise() == written);
    }

    const hw::Text key = in.Byte() % 2 ? hw::Text(u"Kestle2") : hw::Text();
    const hw::Text name = in.Units(16);
    const hw::Text value = in.Units(256);
    file->SetValue(key, name, value);
    std::optional<hw::SettingsFile> back = hw::SettingsFile::Parse(file->Serialise());
    Check(back.has_value());
    Check(back->Value(key, name) == value);
    return 0;
}
