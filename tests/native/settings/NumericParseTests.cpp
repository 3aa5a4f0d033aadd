#include <gtest/gtest.h>

#include "common/NumericParse.h"

namespace hw {
namespace {

TEST(NumericParse, ReadsLeadingNumberRoundingHalvesToEven) {
    const std::pair<Text, std::optional<std::int16_t>> cases[] = {
        {u"", 0},         {u"abc", 0},       {u"  42", 42},         {u"\t7", 7},          {u"-5", -5},
        {u"+5", 5},       {u"12abc", 12},    {u"1 2", 1},           {u"- 5", 0},          {u".7", 0},
        {u"2.5", 2},      {u"3.5", 4},       {u"-2.5", -2},         {u"2.51", 3},         {u"0.5", 0},
        {u"7.", 7},       {u"1e3", 1},       {u"32767", 32767},     {u"-32768", -32768},  {u"32767.5", std::nullopt},
        {u"-32769", std::nullopt},           {u"2000000000", std::nullopt},               {Text(u"5") + u'\0', 5},
        {Text(65536, u'9'), std::nullopt},   {u"1." + Text(65536, u'0') + u"1", 1},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseInt16(text), expected);
    EXPECT_EQ(ParseInt32(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt32(u"2147483648"), std::nullopt);
    EXPECT_EQ(DecimalText(INT64_MIN), u"-9223372036854775808");
}

}  // namespace
}  // namespace hw
