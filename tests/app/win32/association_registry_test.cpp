#include "app/win32/association_registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tavorin {
namespace {

std::optional<std::wstring> default_value(const wchar_t* key) {
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

// Written into the current user's classes of the test's Wine prefix, and removed afterwards.
class AssociationRegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\TavorinFile");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\.rc");
    }
};

TEST_F(AssociationRegistryTest, TheUsersClassesNameTheProgramAndWritingTwiceKeepsThem) {
    const std::filesystem::path program(L"C:\\Tools\\Tavorin.exe");
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(write_file_association(AssociationScope::user, program));
        EXPECT_EQ(default_value(L"Software\\Classes\\.rc"), L"TavorinFile");
        EXPECT_EQ(default_value(L"Software\\Classes\\TavorinFile\\DefaultIcon"), L"C:\\Tools\\Tavorin.exe,1");
        EXPECT_EQ(default_value(L"Software\\Classes\\TavorinFile\\shell\\Open\\Command"), L"C:\\Tools\\Tavorin.exe \"%1\"");
        HKEY prog_id = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Classes\\TavorinFile", 0, KEY_READ, &prog_id), ERROR_SUCCESS);
        DWORD subkeys = 0;
        RegQueryInfoKeyW(prog_id, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(prog_id);
        EXPECT_EQ(subkeys, 2u);  // DefaultIcon and shell, nothing more after the second run
    }
}

}  // namespace
}  // namespace tavorin
