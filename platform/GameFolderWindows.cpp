#include "platform/GameFolder.h"

#include <QDir>

#include <string>
#include <windows.h>

namespace quelmar {

namespace {

// A string value from the registry; empty when it is not there.
QString registryString(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD size = 0;
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size < sizeof(wchar_t))
        return {};
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    value.resize(::wcsnlen(value.c_str(), value.size()));
    return QDir::fromNativeSeparators(QString::fromStdWString(value));
}

} // namespace

QStringList steamRoots(const QString&) {
    // The Steam client writes where it lives for the user who runs it; an
    // installer run for the whole machine also leaves it in the machine's
    // own key (the 32-bit view, Steam being a 32-bit program).
    QStringList roots;
    for (const QString& root :
         {registryString(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath"),
          registryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\WOW6432Node\\Valve\\Steam",
                         L"InstallPath")}) {
        if (!root.isEmpty() && !roots.contains(root, Qt::CaseInsensitive))
            roots.append(root);
    }
    return roots;
}

} // namespace quelmar
