#include "app/ShellRegistration.h"

#include <cstring>
#include <vector>

namespace {
void SetDefaultValue(const char* pszKey, const char* pszValue) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, (const BYTE*)pszValue, (DWORD)strlen(pszValue) + 1);
    ::RegCloseKey(hKey);
}

std::vector<char> GetDefaultValue(const char* pszKey) {
    std::vector<char> text(1, 0);
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return text;
    DWORD cb = 0;
    if (::RegQueryValueExA(hKey, nullptr, nullptr, nullptr, nullptr, &cb) == ERROR_SUCCESS &&
        cb > 0) {
        text.assign(cb + 1, 0);
        if (::RegQueryValueExA(hKey, nullptr, nullptr, nullptr, (BYTE*)text.data(), &cb) !=
            ERROR_SUCCESS)
            text.assign(1, 0);
    }
    ::RegCloseKey(hKey);
    return text;
}
} // namespace

void CShellRegistration::RegisterEventFileType() {
    SetDefaultValue(".evn", "Almanark.Eventfile");
    std::vector<char> icon = GetDefaultValue("Almanark.Document\\DefaultIcon");
    size_t nLength = strlen(icon.data());
    // The event-file icon is the module's third: "<module>,2". Without a
    // document icon value there is nothing to derive it from.
    if (nLength > 0) {
        icon[nLength - 1] = '2';
        SetDefaultValue("Almanark.Eventfile\\DefaultIcon", icon.data());
    }
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".kal\\ShellNew");
}

LONG CShellRegistration::DeleteRegistryKeys() {
    static const char* const s_apszKeys[] = {
        "Almanark.Document\\shell\\printto\\command",
        "Almanark.Document\\shell\\printto",
        "Almanark.Document\\shell\\print\\command",
        "Almanark.Document\\shell\\print",
        "Almanark.Document\\shell\\open\\command",
        "Almanark.Document\\shell\\open",
        "Almanark.Document\\shell",
        "Almanark.Document\\DefaultIcon",
        "Almanark.Eventfile\\DefaultIcon",
        "Almanark.Document",
        "Almanark.Eventfile",
        ".kal",
        ".evn",
    };
    LONG lSum = 0;
    for (const char* pszKey : s_apszKeys)
        lSum += ::RegDeleteKeyA(HKEY_CLASSES_ROOT, pszKey);
    return lSum;
}
