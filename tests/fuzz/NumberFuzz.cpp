// The numeric parse of stored text: any text parses without harm, the two widths agree, a
// text without a leading number is 0, and every number reads back from its decimal text.
#include <limits>

#include "FuzzInput.h"
#include "common/NumericParse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    const auto n = static_cast<std::int64_t>(in.Number(8));
    if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
        Check(hw::ParseInt32(hw::DecimalText(n)) == static_cast<std::int32_t>(n));

    const hw::Text text = in.Units(4096);
    const std::optional<std::int32_t> wide = hw::ParseInt32(text);
    const std::optional<std::int16_t> narrow = hw::ParseInt16(text);
    if (!hw::HasLeadingNumber(text)) Check(wide == 0 && narrow == 0);
    if (narrow) Check(wide == *narrow);
    if (wide && *wide >= std::numeric_limits<std::int16_t>::min() && *wide <= std::numeric_limits<std::int16_t>::max())
        Check(narrow == *wide);
    return 0;
}
