#include "ui/IconPickerModel.h"

#include <algorithm>
#include <utility>

#include "common/Paths.h"
#include "ui/IconTools.h"

namespace hw {

namespace {

const Text kNoFileMessage = u"File does not exist";

// Upper case of the letters file names fold: Latin-1, Greek and Cyrillic.
char16_t Fold(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return char16_t(c - 0x20);
    if ((c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F)) return char16_t(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return char16_t(c - 0x50);
    return c;
}

bool FoldedLess(const Text& a, const Text& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return Fold(x) < Fold(y); });
}

bool StartsWithName(const Text& name, const Text& prefix) {
    return name.size() >= prefix.size() && SameFileName(name.substr(0, prefix.size()), prefix);
}

// Length of the root of an absolute path: "C:\" or "\\server\share\".
std::size_t RootLength(const Text& path) {
    if (path.size() >= 2 && path[1] == u':') return std::min<std::size_t>(3, path.size());
    if (path.rfind(u"\\\\", 0) == 0) {
        std::size_t server = path.find(u'\\', 2);
        std::size_t share = server == Text::npos ? Text::npos : path.find(u'\\', server + 1);
        return share == Text::npos ? path.size() : share + 1;
    }
    return 0;
}

// Folder part (empty when there is none: the name is in the current folder) and name.
std::pair<Text, Text> SplitTyped(const Text& typed) {
    std::size_t separator = typed.find_last_of(u":\\");
    if (separator == Text::npos) return {Text(), typed};
    return {typed.substr(0, separator + 1), typed.substr(separator + 1)};
}

void SortNames(std::vector<Text>& names) {
    std::sort(names.begin(), names.end(), [](const Text& a, const Text& b) {
        return FoldedLess(a, b) || (!FoldedLess(b, a) && a < b);
    });
}

}  // namespace

bool SameFileName(const Text& a, const Text& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}

bool HoldsIcons(const Text& name) {
    if (name.size() < 4) return false;
    Text extension = name.substr(name.size() - 4);
    return SameFileName(extension, u".exe") || SameFileName(extension, u".dll") || SameFileName(extension, u".ico");
}

Text ResolvePath(const Text& folder, const Text& path) {
    Text full;
    std::size_t baseRoot = RootLength(folder);
    if (path.rfind(u"\\\\", 0) == 0 || (path.size() >= 3 && path[1] == u':' && path[2] == u'\\')) {
        full = path;
    } else if (path.size() >= 2 && path[1] == u':') {
        // "D:name": relative to the current folder when it is on that drive, else to the root.
        bool sameDrive = !folder.empty() && Fold(folder[0]) == Fold(path[0]) && baseRoot == 3;
        full = (sameDrive ? folder : path.substr(0, 2)) + u"\\" + path.substr(2);
    } else if (!path.empty() && path[0] == u'\\') {
        full = folder.substr(0, baseRoot) + path;
    } else {
        full = folder + u"\\" + path;
    }
    std::size_t rootLength = RootLength(full);
    Text root = full.substr(0, rootLength);
    if (!root.empty() && root.back() != u'\\') root += u'\\';
    std::vector<Text> parts;
    for (std::size_t at = rootLength; at <= full.size();) {
        std::size_t end = std::min(full.find(u'\\', at), full.size());
        Text part = full.substr(at, end - at);
        if (part == u"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    Text out = root;
    for (std::size_t k = 0; k < parts.size(); ++k) out += (k ? u"\\" : u"") + parts[k];
    return out;
}

IconPickerModel::IconPickerModel(FileSystem& files, Icons& icons) : fs_(files), icons_(icons) {}

void IconPickerModel::Reopen() {
    finished_ = false;
    result_.reset();
    typedPathLoaded_ = blockDoubleClick_ = false;
    drives_ = fs_.Drives();
}

void IconPickerModel::Open(const PickerArgs& args) {
    if (args.reference.empty() && !args.lastFolder.empty()) {
        Reopen();
        if (ChangeFolder(args.lastFolder, false)) {
            name_.clear();
            count_ = 1;
            value_ = 0;
            preview_.reset();
            return;
        }
        message_.reset();  // gone since: the default place instead
    }
    Open(args.reference.empty() ? args.defaultReference : args.reference);
}

void IconPickerModel::Open(const Text& reference) {
    Reopen();
    if (folder_.empty() && !drives_.empty()) ChangeFolder(drives_.front(), false);

    IconReference r = ParseIconReference(reference);
    auto [folderText, name] = SplitTyped(r.path);
    name_ = name;
    if (!folderText.empty() && !ChangeFolder(ResolvePath(folder_, folderText), false)) {
        message_.reset();
        LoadTypedPath(r.path);  // reports why the folder cannot be opened
        return;
    }
    // The reference's file in the list, literally and without regard to case; else the first
    // file whose name begins with it.
    int found = -1;
    for (int k = 0; k < static_cast<int>(files_.size()) && found < 0; ++k)
        if (SameFileName(files_[k], name_)) found = k;
    for (int k = 0; k < static_cast<int>(files_.size()) && found < 0 && !name_.empty(); ++k)
        if (StartsWithName(files_[k], name_)) found = k;
    if (found >= 0) PickFile(found);

    if (fs_.FileExists(FullPath()))
        ShowFile(FullPath(), r.index);
    else
        LoadTypedPath(name_);
}

int IconPickerModel::DriveIndex() const {
    for (int k = 0; k < static_cast<int>(drives_.size()); ++k)
        if (folder_.size() >= 2 && drives_[k].size() >= 2 && SameFileName(drives_[k].substr(0, 2), folder_.substr(0, 2)))
            return k;
    return -1;
}

int IconPickerModel::CurrentFolderRow() const {
    int current = -1;
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k)
        if (rows_[k].open) current = k;
    return current;
}

Text IconPickerModel::IconCaption() const { return IconPositionCaption(value_ + 1, count_); }

Text IconPickerModel::FullPath() const { return JoinPath(folder_, name_); }

std::optional<Text> IconPickerModel::TakeMessage() {
    std::optional<Text> m;
    m.swap(message_);
    return m;
}

int IconPickerModel::LastIndex() const { return std::min(count_, kMaxIconIndex + 1) - 1; }

bool IconPickerModel::ChangeFolder(const Text& folder, bool reportTitled) {
    std::optional<FolderListing> listing = fs_.List(folder);
    if (!listing) {
        Text why = fs_.LastError();
        message_ = reportTitled ? folder + u" cannot be read.\r\n\r\n" + why : why;
        return false;
    }
    folder_ = folder;
    rows_.clear();
    std::size_t rootLength = RootLength(folder_);
    Text root = folder_.substr(0, rootLength);
    rows_.push_back({root, root, 0, true});
    int depth = 0;
    for (std::size_t at = rootLength; at < folder_.size();) {
        std::size_t end = std::min(folder_.find(u'\\', at), folder_.size());
        rows_.push_back({folder_.substr(at, end - at), folder_.substr(0, end), ++depth, true});
        at = end + 1;
    }
    SortNames(listing->folders);
    for (const Text& name : listing->folders) rows_.push_back({name, JoinPath(folder_, name), depth + 1, false});
    files_.clear();
    for (const Text& name : listing->files)
        if (HoldsIcons(name)) files_.push_back(name);
    SortNames(files_);
    fileSelection_ = -1;
    return true;
}

void IconPickerModel::ShowFile(const Text& path, int value) {
    count_ = icons_.CountIcons(path);
    value_ = std::clamp(value, 0, ScrollMax());
    if (count_ > 0)
        preview_ = PreviewIcon{path, value_};
    else
        preview_.reset();
}

void IconPickerModel::LoadTypedPath(const Text& typed) {
    typedPathLoaded_ = true;
    auto [folderText, name] = SplitTyped(typed);
    if (!ChangeFolder(ResolvePath(folder_, folderText), false)) return;
    name_ = name;
    preview_.reset();
    if (name_.empty()) {
        count_ = 0;
        value_ = 0;
        return;
    }
    ShowFile(FullPath(), value_);
}

void IconPickerModel::ChooseDrive(int index) {
    if (index >= 0 && index < static_cast<int>(drives_.size()) && index != DriveIndex())
        ChangeFolder(drives_[index], true);
}

void IconPickerModel::OpenFolder(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) ChangeFolder(rows_[row].path, true);
}

void IconPickerModel::GoToParent() {
    if (RootLength(folder_) < folder_.size()) ChangeFolder(ResolvePath(folder_, u".."), true);
    name_.clear();
}

void IconPickerModel::PickFile(int index) {
    if (index < 0 || index >= static_cast<int>(files_.size())) return;
    fileSelection_ = index;
    name_ = files_[index];
    // The first double click after a typed path only picks the file.
    blockDoubleClick_ = typedPathLoaded_;
    typedPathLoaded_ = false;
    ShowFile(FullPath(), 0);
}

void IconPickerModel::DoubleClickFile(int index) {
    if (index != fileSelection_ || typedPathLoaded_) PickFile(index);
    bool blocked = blockDoubleClick_;
    blockDoubleClick_ = false;
    if (!blocked && fileSelection_ >= 0) Select();
}

void IconPickerModel::EnterInName() {
    if (!name_.empty() && fs_.FileExists(FullPath()))
        ShowFile(FullPath(), 0);
    else
        LoadTypedPath(name_);
}

void IconPickerModel::Scroll(int value) {
    value_ = std::clamp(value, 0, ScrollMax());
    if (count_ > 0)
        preview_ = PreviewIcon{FullPath(), value_};
    else
        preview_.reset();
}

void IconPickerModel::Select() {
    if (name_.empty() || !fs_.FileExists(FullPath())) {
        message_ = kNoFileMessage;
        return;
    }
    Finish(FormatIconReference(value_, FullPath()));
}

void IconPickerModel::Cancel() { Finish(std::nullopt); }

Text IconPickerModel::ChosenFolder() const {
    return result_ ? ResolvePath(folder_, SplitTyped(name_).first) : Text();
}

void IconPickerModel::Finish(std::optional<Text> result) {
    if (finished_) return;
    finished_ = true;
    result_ = std::move(result);
}

}  // namespace hw
