#pragma once
// The registry as a portable copy sees it: the settings key and its sub keys live in the
// settings file (SettingsFile.h) beside the program; everything else is the real registry. The
// journal of hidden windows stays in the registry, volatile, under a key of its own directly
// below "Software", so that no key of the settings is created on the computer.
//
// The file is read once and written whole, through a temporary file, whenever the last key of
// the settings that was opened is closed after a change. A file that cannot be read gives the
// default settings and is left as it is until the user agrees to replace it; a file that
// cannot be written keeps the settings for the run. Each is told once.
#include <map>
#include <optional>

#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "settings/SettingsFile.h"

namespace hw {

inline const Text kSettingsFileName = u"Hidewell.ini";
// The journal's key in the registry while the settings are in a file.
inline const Text kPortableJournalKey = u"Software\\Hidewell portable hidden windows";

// The settings file of a portable copy: Hidewell.ini beside the program, or one folder up
// (shared by the copies for each kind of Windows); nothing when there is none.
std::optional<Text> FindSettingsFile(FileSystem& files, const Text& programPath);

inline Text UnreadableSettingsMessage(const Text& path, const Text& reason) {
    return u"Hidewell could not read its settings from " + path + u":\r" + reason +
           u"\r\rIt starts with the default settings, and leaves the file as it is until you agree to replace it.";
}
inline Text ReplaceSettingsQuestion(const Text& path) {
    return u"Hidewell could not read " + path + u" when it started, and has left it as it was.\r\r" +
           u"Replace it with the settings in use now?";
}
inline Text CannotSaveSettingsMessage(const Text& path, const Text& reason) {
    return u"Hidewell cannot save its settings in " + path + u":\r" + reason +
           u"\r\rChanges are kept until Hidewell ends.";
}
inline Text CopySettingsQuestion(const Text& path) {
    return u"This computer's registry holds settings of Hidewell. Copy them into " + path + u"?";
}

class PortableRegistry : public Registry {
public:
    PortableRegistry(Registry& real, FileSystem& files, Ui& ui, Log& log, Text path);

    // Reads the file, telling the user when it cannot be read. Any use of the settings reads
    // it first if this was not called.
    void Load();
    // When the file holds no settings yet and the registry does, asks once whether to copy
    // them in, and copies the settings key's values and those of its known sub keys.
    void OfferCopyFromRegistry();
    // Start-up is over: from now on, a file that could not be read may be replaced, once the
    // user agrees.
    void Started() { started_ = true; }

    std::int32_t CreateKeyEx(RegKey root, const Text& path, std::uint32_t options, std::uint32_t access,
                             RegKey& key) override;
    std::int32_t OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) override;
    std::int32_t CloseKey(RegKey key) override;
    std::int32_t QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* size) override;
    std::int32_t SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t size) override;
    std::int32_t DeleteValue(RegKey key, const Text& name) override;
    std::int32_t EnumValue(RegKey key, std::uint32_t index, Text& name) override;
    Text Place(RegKey root, const Text& path) override;

private:
    // Where a key is: in the file (its path below the settings key) or in the registry.
    struct Route {
        bool inFile = false;
        RegKey root;
        Text path;
    };
    struct OpenKey {
        bool inFile = false;
        Text path;      // in the file
        RegKey real;    // in the registry
        std::uint32_t access = 0;
    };
    Route RouteOf(RegKey root, const Text& path) const;
    std::int32_t Open(RegKey root, const Text& path, bool create, std::uint32_t options, std::uint32_t access,
                      RegKey& key);
    // The open key of the file; null for a key of the registry or an unknown handle.
    OpenKey* FileKey(RegKey key);
    // The registry's handle behind one of ours; none for a key of the file.
    RegKey RealKey(RegKey key) const;
    void Changed() { dirty_ = true; }
    void Flush();

    Registry& real_;
    FileSystem& files_;
    Ui& ui_;
    Log& log_;
    Text path_;
    SettingsFile file_;
    std::map<RegKey, OpenKey> open_;
    std::uint64_t nextHandle_ = 0x100;
    int openFileKeys_ = 0;
    bool loaded_ = false;
    bool dirty_ = false;
    bool held_ = false;     // the file could not be read: it is not replaced without asking
    bool started_ = false;
    bool asked_ = false;    // whether to replace an unreadable file
    bool toldCannotSave_ = false;
    bool failing_ = false;  // the last write failed
    bool flushing_ = false;
};

}  // namespace hw
