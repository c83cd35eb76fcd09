#include "app/win32/association_registry.h"

#include <shlobj.h>

#include "app/file_association.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

bool write_file_association(AssociationScope scope, const std::filesystem::path& executable) {
    const HKEY root = scope == AssociationScope::user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    const std::wstring classes = wide(association_classes_key);
    for (const RegistryKeyPlan& step : association_plan(executable.u16string())) {
        const std::wstring key = classes + L"\\" + wide(step.key);
        HKEY created = nullptr;
        // No security attributes: the key inherits its parent's, never an open one.
        if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created,
                            nullptr) != ERROR_SUCCESS) {
            return false;
        }
        LSTATUS status = ERROR_SUCCESS;
        if (step.default_value) {
            const std::wstring value = wide(*step.default_value);
            status = RegSetValueExW(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        }
        RegCloseKey(created);
        if (status != ERROR_SUCCESS) return false;
    }
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST | SHCNF_FLUSH, nullptr, nullptr);
    return true;
}

}  // namespace tavorin
