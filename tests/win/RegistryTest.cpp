// The registry read on the private prefix's registry: the values the tests need are written first.
#include "services/VeskErrors.h"
#include "services/VeskRegistry.h"

#include <gtest/gtest.h>

namespace {

constexpr char kTestKey[] = "Software\\VeskInstallTest";

void SetValue(HKEY root, const std::string& key, const std::string& name, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(opened, name.empty() ? nullptr : name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(opened);
}

void SetText(HKEY root, const std::string& key, const std::string& name, const std::string& text)
{
    SetValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

struct Registry : ::testing::Test {
    TRegistryAccess access;
    void TearDown() override
    {
        RegistryRootKey = HKEY_CURRENT_USER;
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".vesktest");
    }
};

} // namespace

TEST_F(Registry, ReadsTextValuesUnderTheCurrentUserByDefault)
{
    SetText(HKEY_CURRENT_USER, kTestKey, "Programs", "C:\\Start Menu\\Programs");
    SetText(HKEY_CURRENT_USER, kTestKey, "Empty", "");
    const std::string expandable = "%SystemRoot%\\x";
    SetValue(HKEY_CURRENT_USER, kTestKey, "Expand", REG_EXPAND_SZ, expandable.c_str(),
             static_cast<DWORD>(expandable.size() + 1));
    std::string value = "before";
    EXPECT_TRUE(ReadRegString(access, std::string("\\") + kTestKey, "Programs", value));
    EXPECT_EQ(value, "C:\\Start Menu\\Programs");
    EXPECT_EQ(access.RootKey, HKEY_CURRENT_USER);
    EXPECT_TRUE(ReadRegString(access, kTestKey, "Empty", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(ReadRegString(access, kTestKey, "Expand", value));
    EXPECT_EQ(value, expandable) << "read as stored, not expanded";
}

TEST_F(Registry, AMissingKeyOrValueAnswersFalseAndLeavesTheValueAlone)
{
    SetText(HKEY_CURRENT_USER, kTestKey, "Present", "x");
    std::string value = "untouched";
    EXPECT_FALSE(ReadRegString(access, "\\Software\\VeskInstallNoSuchKey", "Programs", value));
    EXPECT_FALSE(ReadRegString(access, kTestKey, "Missing", value));
    EXPECT_EQ(value, "untouched");
    HKEY probe = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VeskInstallNoSuchKey", 0, KEY_READ, &probe), ERROR_SUCCESS)
        << "the key is never created";
}

TEST_F(Registry, TheRootSettingSelectsTheClassesRootAndTheDefaultValue)
{
    SetText(HKEY_CLASSES_ROOT, ".vesktest", "", "VeskTestFile");
    RegistryRootKey = HKEY_CLASSES_ROOT;
    std::string value;
    EXPECT_TRUE(ReadRegString(access, "\\.vesktest", "", value));
    EXPECT_EQ(value, "VeskTestFile");
    EXPECT_EQ(access.RootKey, HKEY_CLASSES_ROOT);
}

TEST_F(Registry, AValueOfAnotherTypeRaisesAnError)
{
    const DWORD number = 7;
    SetValue(HKEY_CURRENT_USER, kTestKey, "Number", REG_DWORD, &number, sizeof number);
    std::string value = "untouched";
    EXPECT_THROW(ReadRegString(access, kTestKey, "Number", value), EVeskError);
    EXPECT_EQ(value, "untouched");
}
