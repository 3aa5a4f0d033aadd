#include "common/Paths.h"

namespace hw {

namespace {

// Length of the folder part: up to and including the last separator, 0 when there is none.
std::size_t FolderLength(const Text& path) {
    std::size_t at = path.find_last_of(u":\\");
    return at == Text::npos ? 0 : at + 1;
}

}  // namespace

Text GetPath(const Text& path) {
    std::size_t n = FolderLength(path);
    return n == 0 ? path : path.substr(0, n);
}

Text GetFileName(const Text& path) {
    std::size_t n = FolderLength(path);
    return n == 0 ? Text() : path.substr(n);
}

Text SplitPath(const Text& path) { return GetPath(path) + u"|" + GetFileName(path); }

Text JoinPath(const Text& folder, const Text& name) {
    if (!folder.empty() && folder.back() == u'\\') return folder + name;
    return folder + u"\\" + name;
}

}  // namespace hw
