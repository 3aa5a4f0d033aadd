#include <gtest/gtest.h>

#include <string>

#include "harness/Harness.h"
#include "settings/RegistryStore.h"
#include "win32/registry/Win32Registry.h"

namespace hw {
namespace {

// A scratch key under HKCU, open in key_, deleted with everything in it after each test.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        CreateKey(reg_, kHkeyCurrentUser, path_);
        ASSERT_EQ(reg_.OpenKeyEx(kHkeyCurrentUser, path_, kKeyAccess, key_), ERROR_SUCCESS);
    }
    void TearDown() override {
        reg_.CloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, wine::W(path_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\HidewellTests");
    }

    RegistryValue Read(const Text& name) { return ReadValue(reg_, kHkeyCurrentUser, path_, name); }
    void Write(const Text& name, const RegistryValue& v) { WriteValue(reg_, kHkeyCurrentUser, path_, name, v, kRegSz); }
    // The stored data size in bytes; -1 when the value is missing.
    long Size(const Text& name) {
        std::uint32_t size = 0;
        return reg_.QueryValueEx(key_, name, nullptr, nullptr, &size) == ERROR_SUCCESS ? long(size) : -1;
    }

    Win32Registry reg_;
    RegKey key_;
    Text path_ = wine::T(L"Software\\HidewellTests\\Registry" + std::to_wstring(GetCurrentProcessId()));
};

TEST_F(RegistryTest, TextRoundTripsAndUnusableValuesReadEmpty) {
    Write(u"Empty", u"");
    Write(u"RT", 3000);
    EXPECT_EQ(std::make_tuple(Read(u"Empty"), Size(u"Empty")), std::make_tuple(RegistryValue(u""), 0));
    EXPECT_EQ(std::make_tuple(Read(u"RT"), Size(u"RT")), std::make_tuple(RegistryValue(u"3000"), 8));
    const wchar_t five[] = L"Hello";  // another writer's text, with its terminator
    reg_.SetValueEx(key_, u"T", kRegSz, reinterpret_cast<const std::uint8_t*>(five), sizeof five);
    EXPECT_EQ(Read(u"T").ToText(), Text(u"Hello") + u'\0');
    const Text caption = u"\x7121\x984c - \x30e1\x30e2\x5e33 \xD83D\xDE00";
    Write(u" 0", caption);
    EXPECT_EQ(Read(u" 0").ToText(), caption);
    const wchar_t abc[] = L"abc";  // a NUL follows the three characters in memory
    EXPECT_EQ(reg_.SetValueEx(key_, u"G", kRegSz, reinterpret_cast<const std::uint8_t*>(abc), 6), ERROR_SUCCESS);
    EXPECT_EQ(Size(u"G"), 6);

    // Missing keys and values and other types read empty; what cannot be written is not.
    const Text absent = path_ + u"\\Absent";
    EXPECT_TRUE(Read(u"none").IsEmpty());
    WriteValue(reg_, kHkeyCurrentUser, absent, u"x", u"1", kRegSz);  // the key is not created
    EXPECT_TRUE(ReadValue(reg_, kHkeyCurrentUser, absent, u"x").IsEmpty());
    const std::uint8_t raw[] = {1, 2, 3};
    reg_.SetValueEx(key_, u"Raw", kRegBinary, raw, sizeof raw);
    RegistryValue value;
    EXPECT_EQ(ReadValueFromOpenKey(reg_, key_, u"Raw", value), -1);
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(WriteValueToOpenKey(reg_, key_, u"Exp", kRegExpandSz, u"%TEMP%"), 0);
    EXPECT_EQ(Size(u"Exp"), -1);
}

}  // namespace
}  // namespace hw
