#include "tests/support/RegistrySandbox.h"

#include <QDir>

namespace quelmar::test {

RegistrySandbox::RegistrySandbox()
    : name_(L"Software\\Quelmar test " + std::to_wstring(::GetCurrentProcessId())) {
    // Made in the real HKEY_CURRENT_USER, before the roots are turned.
    const auto make = [this](const wchar_t* part, HKEY& key) {
        return ::RegCreateKeyExW(HKEY_CURRENT_USER, (name_ + part).c_str(), 0, nullptr,
                                 REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                 nullptr) == ERROR_SUCCESS;
    };
    active_ = make(L"\\user", user_) && make(L"\\machine", machine_) &&
              ::RegOverridePredefKey(HKEY_CURRENT_USER, user_) == ERROR_SUCCESS &&
              ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_) == ERROR_SUCCESS;
}

RegistrySandbox::~RegistrySandbox() {
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    for (HKEY key : {user_, machine_}) {
        if (key)
            ::RegCloseKey(key);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, name_.c_str());
}

bool RegistrySandbox::set(HKEY root, const std::wstring& key, const wchar_t* name,
                          const QString& value) const {
    HKEY opened = nullptr;
    if (!active_ || ::RegCreateKeyExW(root, key.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                      KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring text = QDir::toNativeSeparators(value).toStdWString();
    const LONG status =
        ::RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         DWORD((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

} // namespace quelmar::test
