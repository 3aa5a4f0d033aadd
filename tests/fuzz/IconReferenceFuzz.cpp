// Icon references: any stored text parses to an index of 0 to 999 and a path, and every
// reference that can be written reads back the same.
#include "FuzzInput.h"
#include "ui/IconTools.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    const int index = static_cast<int>(in.Number(2)) - 2000;
    const hw::Text path = in.Chars(600);
    const hw::Text written = hw::FormatIconReference(index, path);
    if (index >= 0 && index <= hw::kMaxIconIndex) {
        const hw::IconReference back = hw::ParseIconReference(written);
        Check(back.index == index && back.path == path);
    } else {
        Check(written.empty());
    }

    const hw::IconReference any = hw::ParseIconReference(in.Units(2048));
    Check(any.index >= 0 && any.index <= hw::kMaxIconIndex);
    return 0;
}
