#include "settings/RegistryValue.h"

#include "common/NumericParse.h"

namespace hw {

Text RegistryValue::ToText() const {
    if (const Text* t = std::get_if<Text>(&v_)) return *t;
    if (const std::int32_t* n = std::get_if<std::int32_t>(&v_)) return DecimalText(*n);
    return Text();
}

}  // namespace hw
