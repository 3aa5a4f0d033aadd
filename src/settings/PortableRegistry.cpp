#include "settings/PortableRegistry.h"

#include <utility>

#include "common/NumericParse.h"
#include "common/Paths.h"
#include "settings/SettingsLayout.h"

namespace hw {

namespace {

bool StartsWithName(const Text& text, const Text& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char16_t a = text[i], b = prefix[i];
        if (a >= u'a' && a <= u'z') a = static_cast<char16_t>(a - u'a' + u'A');
        if (b >= u'a' && b <= u'z') b = static_cast<char16_t>(b - u'a' + u'A');
        if (a != b) return false;
    }
    return true;
}

// The path below `parent`, when it is the key itself (empty) or one below it.
std::optional<Text> Below(const Text& path, const Text& parent) {
    if (!StartsWithName(path, parent)) return std::nullopt;
    if (path.size() == parent.size()) return Text();
    if (path[parent.size()] != u'\\') return std::nullopt;
    return path.substr(parent.size() + 1);
}

Text Join(const Text& key, const Text& sub) {
    if (key.empty()) return sub;
    if (sub.empty()) return key;
    return key + u"\\" + sub;
}

Text FromBytes(const std::uint8_t* data, std::uint32_t size) {
    Text text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

// A value of the registry as the file's text: text as it is, a number as its decimal digits.
std::optional<Text> StoredText(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    if (type == kRegSz || type == kRegExpandSz) return FromBytes(data.data(), static_cast<std::uint32_t>(data.size()));
    if (type == kRegDword && data.size() == 4) {
        std::uint32_t n = data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t{data[3]} << 24);
        return DecimalText(static_cast<std::int32_t>(n));
    }
    return std::nullopt;
}

}  // namespace

std::optional<Text> FindSettingsFile(FileSystem& files, const Text& programPath) {
    Text folder = GetPath(programPath);
    for (int up = 0; up < 2 && !folder.empty(); ++up) {
        Text candidate = JoinPath(folder, kSettingsFileName);
        if (files.FileExists(candidate)) return candidate;
        if (folder.back() == u'\\') folder.pop_back();
        Text parent = GetPath(folder);
        if (parent == folder) break;
        folder = parent;
    }
    return std::nullopt;
}

PortableRegistry::PortableRegistry(Registry& real, FileSystem& files, Ui& ui, Log& log, Text path)
    : real_(real), files_(files), ui_(ui), log_(log), path_(std::move(path)) {}

void PortableRegistry::Load() {
    if (std::exchange(loaded_, true)) return;
    std::optional<std::string> bytes = files_.ReadWholeFile(path_);
    if (bytes) {
        if (std::optional<SettingsFile> parsed = SettingsFile::Parse(*bytes)) {
            file_ = std::move(*parsed);
            return;
        }
    }
    Text reason = bytes ? Text(u"It is not a text file in UTF-8.") : files_.LastError();
    log_.Failure(u"Reading the settings from " + path_ + u": " + reason, u"", 0);
    held_ = true;
    ui_.ShowMessage(UnreadableSettingsMessage(path_, reason), kAppTitle, kMbIconExclamation);
}

void PortableRegistry::OfferCopyFromRegistry() {
    Load();
    if (held_ || file_.HoldsSettings()) return;
    RegKey key;
    if (real_.OpenKeyEx(kHkeyCurrentUser, kSettingsKey, kKeyQueryValue, key) != kErrorSuccess) return;
    std::uint32_t type = 0;
    bool holdsSettings = real_.QueryValueEx(key, kCountValueName, &type, nullptr, nullptr) == kErrorSuccess ||
                         real_.QueryValueEx(key, kFirstStartRecord, &type, nullptr, nullptr) == kErrorSuccess;
    real_.CloseKey(key);
    if (!holdsSettings || ui_.ShowMessage(CopySettingsQuestion(path_), kAppTitle, kMbYesNo | kMbIconQuestion) != kIdYes)
        return;

    for (const Text& sub : {Text(), kDateKeyName}) {
        if (real_.OpenKeyEx(kHkeyCurrentUser, Join(kSettingsKey, sub), kKeyQueryValue, key) != kErrorSuccess) continue;
        Text name;
        for (std::uint32_t i = 0; real_.EnumValue(key, i, name) == kErrorSuccess; ++i) {
            std::uint32_t size = 0;
            if (real_.QueryValueEx(key, name, &type, nullptr, &size) != kErrorSuccess) continue;
            std::vector<std::uint8_t> data(size);
            if (real_.QueryValueEx(key, name, &type, data.data(), &size) != kErrorSuccess) continue;
            data.resize(size);
            if (std::optional<Text> text = StoredText(type, data)) {
                file_.SetValue(sub, name, *text);
                Changed();
            }
        }
        real_.CloseKey(key);
    }
    Flush();
}

PortableRegistry::Route PortableRegistry::RouteOf(RegKey root, const Text& path) const {
    if (auto it = open_.find(root); it != open_.end()) {
        if (it->second.inFile) return {true, RegKey{}, Join(it->second.path, path)};
        return {false, it->second.real, path};
    }
    if (root != kHkeyCurrentUser) return {false, root, path};
    std::optional<Text> below = Below(path, kSettingsKey);
    if (!below) return {false, root, path};
    if (std::optional<Text> journal = Below(*below, kJournalKeyName))
        return {false, root, Join(kPortableJournalKey, *journal)};
    return {true, RegKey{}, *below};
}

std::int32_t PortableRegistry::Open(RegKey root, const Text& path, bool create, std::uint32_t options,
                                    std::uint32_t access, RegKey& key) {
    Route route = RouteOf(root, path);
    OpenKey opened;
    opened.access = access;
    if (route.inFile) {
        Load();
        if (!file_.HasKey(route.path)) {
            if (!create) return kErrorFileNotFound;
            file_.AddKey(route.path);
            Changed();
        }
        opened.inFile = true;
        opened.path = route.path;
        ++openFileKeys_;
    } else {
        std::int32_t status = create ? real_.CreateKeyEx(route.root, route.path, options, access, opened.real)
                                     : real_.OpenKeyEx(route.root, route.path, access, opened.real);
        if (status != kErrorSuccess) return status;
    }
    key = RegKey{nextHandle_++};
    open_[key] = opened;
    return kErrorSuccess;
}

std::int32_t PortableRegistry::CreateKeyEx(RegKey root, const Text& path, std::uint32_t options,
                                           std::uint32_t access, RegKey& key) {
    return Open(root, path, true, options, access, key);
}

std::int32_t PortableRegistry::OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) {
    return Open(root, path, false, kRegOptionNonVolatile, access, key);
}

std::int32_t PortableRegistry::CloseKey(RegKey key) {
    auto it = open_.find(key);
    if (it == open_.end()) return kErrorInvalidHandle;
    OpenKey closed = it->second;
    open_.erase(it);
    if (!closed.inFile) return real_.CloseKey(closed.real);
    if (--openFileKeys_ == 0) Flush();
    return kErrorSuccess;
}

PortableRegistry::OpenKey* PortableRegistry::FileKey(RegKey key) {
    auto it = open_.find(key);
    return it != open_.end() && it->second.inFile ? &it->second : nullptr;
}

RegKey PortableRegistry::RealKey(RegKey key) const {
    auto it = open_.find(key);
    return it != open_.end() && !it->second.inFile ? it->second.real : RegKey{};
}

std::int32_t PortableRegistry::QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* size) {
    OpenKey* k = FileKey(key);
    if (!k) {
        RegKey real = RealKey(key);
        return real ? real_.QueryValueEx(real, name, type, data, size) : kErrorInvalidHandle;
    }
    std::optional<Text> value = file_.Value(k->path, name);
    if (!value) return kErrorFileNotFound;
    if (type) *type = kRegSz;
    const auto needed = static_cast<std::uint32_t>(value->size() * 2);
    const std::uint32_t room = size ? *size : 0;
    if (size) *size = needed;
    if (!data) return kErrorSuccess;
    if (room < needed) return kErrorMoreData;
    for (std::size_t i = 0; i < value->size(); ++i) {
        data[2 * i] = static_cast<std::uint8_t>((*value)[i] & 0xFF);
        data[2 * i + 1] = static_cast<std::uint8_t>((*value)[i] >> 8);
    }
    return kErrorSuccess;
}

std::int32_t PortableRegistry::SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t size) {
    OpenKey* k = FileKey(key);
    if (!k) {
        RegKey real = RealKey(key);
        return real ? real_.SetValueEx(real, name, type, data, size) : kErrorInvalidHandle;
    }
    if (!(k->access & 0x2)) return kErrorAccessDenied;
    std::optional<Text> text = StoredText(type, std::vector<std::uint8_t>(data, data + size));
    if (!text) return kErrorInvalidParameter;  // the file holds text and numbers only
    if (file_.SetValue(k->path, name, *text)) Changed();
    return kErrorSuccess;
}

std::int32_t PortableRegistry::DeleteValue(RegKey key, const Text& name) {
    OpenKey* k = FileKey(key);
    if (!k) {
        RegKey real = RealKey(key);
        return real ? real_.DeleteValue(real, name) : kErrorInvalidHandle;
    }
    if (!(k->access & 0x2)) return kErrorAccessDenied;
    if (!file_.RemoveValue(k->path, name)) return kErrorFileNotFound;
    Changed();
    return kErrorSuccess;
}

std::int32_t PortableRegistry::EnumValue(RegKey key, std::uint32_t index, Text& name) {
    OpenKey* k = FileKey(key);
    if (!k) {
        RegKey real = RealKey(key);
        return real ? real_.EnumValue(real, index, name) : kErrorInvalidHandle;
    }
    std::vector<Text> names = file_.Names(k->path);
    if (index >= names.size()) return kErrorNoMoreItems;
    name = names[index];
    return kErrorSuccess;
}

Text PortableRegistry::Place(RegKey root, const Text& path) {
    Route route = RouteOf(root, path);
    return route.inFile ? path_ : real_.Place(route.root, route.path);
}

void PortableRegistry::Flush() {
    if (!dirty_ || flushing_) return;
    // A message below lets other work run; its writes wait for the next flush.
    flushing_ = true;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{flushing_};
    if (held_) {
        if (!started_ || std::exchange(asked_, true)) return;
        if (ui_.ShowMessage(ReplaceSettingsQuestion(path_), kAppTitle, kMbYesNo | kMbIconQuestion | kMbDefButton2) !=
            kIdYes) {
            log_.Failure(u"The settings were not saved: the user kept " + path_, u"", 0);
            return;
        }
        held_ = false;
    }
    if (files_.ReplaceWholeFile(path_, file_.Serialise())) {
        dirty_ = false;
        failing_ = false;
        return;
    }
    // Each later change tries again; a run of failures is logged once.
    Text reason = files_.LastError();
    if (!std::exchange(failing_, true)) log_.Failure(u"Saving the settings in " + path_ + u": " + reason, u"", 0);
    if (!std::exchange(toldCannotSave_, true))
        ui_.ShowMessage(CannotSaveSettingsMessage(path_, reason), kAppTitle, kMbIconExclamation);
}

}  // namespace hw
