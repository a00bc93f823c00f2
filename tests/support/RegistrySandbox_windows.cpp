#include "tests/support/RegistrySandbox.h"

#include <QDir>

#include <windows.h>

namespace quelmar::test {

// The sandbox of a test, for the processes it starts.
static const char kSandboxVariable[] = "QUELMAR_TEST_REGISTRY";

static HKEY volatileKey(const std::wstring& path, REGSAM access) {
    HKEY key = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, access,
                      nullptr, &key, nullptr);
    return key;
}

RegistrySandbox::RegistrySandbox()
    : name_(L"Software\\Quelmar test " + std::to_wstring(::GetCurrentProcessId())) {
    // Both made in the real HKEY_CURRENT_USER, it is turned last.
    for (const auto& [root, part] :
         {std::pair{HKEY_LOCAL_MACHINE, L"\\machine"}, std::pair{HKEY_CURRENT_USER, L"\\user"}}) {
        const HKEY key = volatileKey(name_ + part, KEY_ALL_ACCESS);
        active_ = active_ && key && ::RegOverridePredefKey(root, key) == ERROR_SUCCESS;
        ::RegCloseKey(key);
    }
    if (active_)
        qputenv(kSandboxVariable, QString::fromStdWString(name_).toLocal8Bit());
}

void RegistrySandbox::joinParents() {
    const std::wstring name = qEnvironmentVariable(kSandboxVariable).toStdWString();
    if (name.empty())
        return;
    // Only opened: keys the test has removed stay removed.
    HKEY machine = nullptr, user = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, (name + L"\\machine").c_str(), 0, KEY_ALL_ACCESS,
                        &machine) == ERROR_SUCCESS &&
        ::RegOpenKeyExW(HKEY_CURRENT_USER, (name + L"\\user").c_str(), 0, KEY_ALL_ACCESS, &user) ==
            ERROR_SUCCESS) {
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, user);
    }
    ::RegCloseKey(machine);
    ::RegCloseKey(user);
}

RegistrySandbox::~RegistrySandbox() {
    qunsetenv(kSandboxVariable);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, name_.c_str());
}

bool RegistrySandbox::set(const std::wstring& path, const wchar_t* name,
                          const QString& value) const {
    const std::wstring text = QDir::toNativeSeparators(value).toStdWString();
    const HKEY key = active_ ? volatileKey(path, KEY_SET_VALUE) : nullptr;
    const bool done =
        key && ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                DWORD((text.size() + 1) * 2)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return done;
}

} // namespace quelmar::test
