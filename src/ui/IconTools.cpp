#include "ui/IconTools.h"

#include "common/NumericParse.h"
#include "common/Paths.h"

namespace hw {

constexpr std::size_t kIndexDigits = 3;

IconReference ParseIconReference(const Text& reference) {
    IconReference r;
    int index = ParseInt32(reference.substr(0, kIndexDigits)).value_or(0);
    r.index = index < 0 ? 0 : index;
    if (reference.size() > kIndexDigits + 1) r.path = reference.substr(kIndexDigits + 1);
    return r;
}

Text FormatIconReference(int index, const Text& path) {
    if (index < 0 || index > kMaxIconIndex) return Text();
    Text digits = DecimalText(index);
    return Text(kIndexDigits - digits.size(), u'0') + digits + u":" + path;
}

Text DefaultIconReference(const Text& winDir) { return FormatIconReference(0, JoinPath(winDir, u"explorer.exe")); }

Text IconPositionCaption(int position, int count) {
    if (count <= 0) return u"&Icon: 0:0";
    return u"&Icon: " + DecimalText(position) + u":" + DecimalText(count);
}

IconHandle ExtractReferencedIcon(Icons& icons, const Text& reference, int size) {
    IconReference r = ParseIconReference(reference);
    if (r.path.empty() || r.index >= icons.CountIcons(r.path)) return {};
    return size > 0 ? icons.ExtractIconSized(r.path, r.index, size) : icons.ExtractIconAt(r.path, r.index);
}

}  // namespace hw
