#include "platform/GameFolder.h"

#include <QDir>
#include <QProcess>

#include <string>
#include <windows.h>

namespace quelmar {

namespace {

// A string value from the registry; empty when it is not there.
// Expandable strings (%ProgramFiles%\...) come back expanded. Values of
// more than 64 KiB are no path of any use here.
QString registryString(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD size = 0;
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size < sizeof(wchar_t) || size > 64 * 1024)
        return {};
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    value.resize(::wcsnlen(value.c_str(), value.size()));
    return QString::fromStdWString(value);
}

// The entries under one Uninstall key, in one view of the registry.
void addUninstallEntries(HKEY root, REGSAM view, QList<InstalledProgram>& programs) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0,
                        KEY_READ | view, &key) != ERROR_SUCCESS)
        return;
    // A machine carries a few hundred; a runaway list is cut short.
    for (DWORD i = 0; i < 10000; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        const LONG status =
            ::RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            continue;
        InstalledProgram program{registryString(key, name, L"DisplayName"),
                                 registryString(key, name, L"InstallLocation"),
                                 registryString(key, name, L"DisplayIcon"),
                                 registryString(key, name, L"UninstallString")};
        if (!installFolderOf(program).isEmpty())
            programs.append(std::move(program));
    }
    ::RegCloseKey(key);
}

} // namespace

QStringList steamRoots(const QString&) {
    // The Steam client writes where it lives for the user who runs it; an
    // installer run for the whole machine also leaves it in the machine's
    // own key (the 32-bit view, Steam being a 32-bit program).
    QStringList roots;
    for (const QString& root :
         {QDir::fromNativeSeparators(
              registryString(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath")),
          QDir::fromNativeSeparators(registryString(
              HKEY_LOCAL_MACHINE, L"SOFTWARE\\WOW6432Node\\Valve\\Steam", L"InstallPath"))}) {
        if (!root.isEmpty() && !roots.contains(root, Qt::CaseInsensitive))
            roots.append(root);
    }
    return roots;
}

QList<InstalledProgram> installedPrograms() {
    // The user's own installs, then the machine's: 64-bit installers write
    // to the 64-bit view, the older 32-bit ones (most of the game's) to the
    // 32-bit one.
    QList<InstalledProgram> programs;
    addUninstallEntries(HKEY_CURRENT_USER, 0, programs);
    addUninstallEntries(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, programs);
    addUninstallEntries(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, programs);
    return programs;
}

void prepareWindowlessChild(QProcess& process) {
    // Windows shows the busy pointer after starting a program until it shows
    // a window, or for two seconds when none comes.
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_FORCEOFFFEEDBACK;
    });
}

} // namespace quelmar
