#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "settings/mdlRegistry.h"
#include "win32/registry/Win32Registry.h"

namespace hw {
namespace {

using Bytes = std::vector<BYTE>;

// A scratch key under HKCU, deleted with everything in it after each test.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override { CreateKey(reg_, kHkeyCurrentUser, path_); }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, wine::W(path_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\HidewellTests");
    }

    RegistryValue Read(const Text& name) { return ReadValue(reg_, kHkeyCurrentUser, path_, name); }
    void Write(const Text& name, const RegistryValue& value) {
        WriteValue(reg_, kHkeyCurrentUser, path_, name, value, kRegSz);
    }
    // The stored type and bytes, read past the layer; type 0 when the value is missing.
    std::pair<DWORD, Bytes> Raw(const wchar_t* name) {
        DWORD type = 0;
        Bytes data(256);
        DWORD size = static_cast<DWORD>(data.size());
        if (RegGetValueW(HKEY_CURRENT_USER, wine::W(path_).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(),
                         &size) != ERROR_SUCCESS)
            return {};
        data.resize(size);
        return {type, data};
    }
    void Plant(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, wine::W(path_).c_str(), name, type, data, size), ERROR_SUCCESS);
    }

    Win32Registry reg_;
    Text path_ = wine::T(L"Software\\HidewellTests\\Registry" + std::to_wstring(GetCurrentProcessId()));
};

TEST_F(RegistryTest, MissingKeyOrValue) {
    EXPECT_TRUE(Read(u"none").IsEmpty());
    const Text absent = path_ + u"\\Absent";
    EXPECT_TRUE(ReadValue(reg_, kHkeyCurrentUser, absent, u"x").IsEmpty());
    WriteValue(reg_, kHkeyCurrentUser, absent, u"x", u"1", kRegSz);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, wine::W(absent).c_str(), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    Write(u"v", u"x");
    RemoveValue(reg_, kHkeyCurrentUser, path_, u"v");
    RemoveValue(reg_, kHkeyCurrentUser, path_, u"v");
    EXPECT_TRUE(Read(u"v").IsEmpty());
}

TEST_F(RegistryTest, TextIsUtf16WithoutTerminator) {
    Write(u"Empty", u"");
    EXPECT_EQ(Raw(L"Empty"), std::make_pair(DWORD{REG_SZ}, Bytes{}));
    EXPECT_EQ(Read(u"Empty"), RegistryValue(u""));
    Write(u"RT", 3000);
    EXPECT_EQ(Raw(L"RT"), std::make_pair(DWORD{REG_SZ}, Bytes{'3', 0, '0', 0, '0', 0, '0', 0}));
    EXPECT_EQ(Read(u"RT"), RegistryValue(u"3000"));

    const wchar_t five[] = L"Hello";  // another writer's text, with its terminator
    Plant(L"T", REG_SZ, five, sizeof five);
    EXPECT_EQ(Read(u"T").ToText(), Text(u"Hello") + u'\0');

    for (const Text& caption : {Text(u"\x395\x3b3\x3b3\x3c1\x3b1\x3c6\x3bf - \x3a3\x3b7\x3bc\x3b5\x3af\x3c9\x3bc\x3b1"),
                                Text(u"\x7121\x984c - \x30e1\x30e2\x5e33"), Text(u"*\xD83D\xDE00*")}) {
        Write(u" 0", caption);
        EXPECT_EQ(Read(u" 0").ToText(), caption);
    }
}

TEST_F(RegistryTest, OtherTypes) {
    const BYTE raw[] = {1, 2, 3};
    Plant(L"Raw", REG_BINARY, raw, sizeof raw);
    EXPECT_TRUE(Read(u"Raw").IsEmpty());

    RegKey key = 0;
    ASSERT_EQ(reg_.OpenKeyEx(kHkeyCurrentUser, path_, kKeyAccess, key), ERROR_SUCCESS);
    RegistryValue value(u"kept");
    EXPECT_EQ(ReadValueFromOpenKey(reg_, key, u"Raw", value), -1);
    EXPECT_EQ(value, RegistryValue(u"kept"));
    EXPECT_EQ(WriteValueToOpenKey(reg_, key, u"Exp", kRegExpandSz, u"%TEMP%"), 0);
    EXPECT_EQ(Raw(L"Exp").first, 0u);
    EXPECT_EQ(WriteValueToOpenKey(reg_, key, u"D", kRegDword, -2), ERROR_SUCCESS);
    EXPECT_EQ(Raw(L"D"), std::make_pair(DWORD{REG_DWORD}, Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Read(u"D"), RegistryValue(-2));

    const wchar_t abc[] = L"abc";  // a NUL follows the three characters in memory
    EXPECT_EQ(reg_.SetValueEx(key, u"G", kRegSz, reinterpret_cast<const std::uint8_t*>(abc), 6), ERROR_SUCCESS);
    EXPECT_EQ(Raw(L"G").second.size(), 6u);
    reg_.CloseKey(key);
}

TEST_F(RegistryTest, ValueNamesListEveryValue) {
    const Text names[] = {u" 0", u"I0", u"\x395\x3bb\x3bb\x3b7\x3bd\x3b9\x3ba\x3ac"};
    for (const Text& name : names) Write(name, u"x");
    std::optional<std::vector<Text>> listed = RegistryKey(reg_, kHkeyCurrentUser, path_, kKeyQueryValue).ValueNames();
    ASSERT_TRUE(listed);
    std::sort(listed->begin(), listed->end());
    EXPECT_EQ(*listed, std::vector<Text>(std::begin(names), std::end(names)));
    EXPECT_FALSE(RegistryKey(reg_, kHkeyCurrentUser, path_ + u"\\Absent").ValueNames());
}

}  // namespace
}  // namespace hw
