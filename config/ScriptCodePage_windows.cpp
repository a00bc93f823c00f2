// The system's ANSI code page, through the system's own tables.
#include "config/ScriptCodePage.h"

#include <string>
#include <windows.h>

namespace quelmar {

QByteArray toScriptCodePage(QStringView text) {
    const UINT page = ::GetACP();
    // UTF-8 as the ANSI page (a Windows 10 option) holds every character
    // and refuses the replacement flags. Any other page holds no character
    // outside the Basic Multilingual Plane: that is one '?', not the two its
    // surrogate halves would make. Half a pair is a '?' in every page.
    const bool utf8 = page == CP_UTF8;
    std::wstring wide;
    wide.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair && utf8) {
            wide.push_back(wchar_t(c.unicode()));
            wide.push_back(wchar_t(text.at(++i).unicode()));
        } else {
            wide.push_back(c.isSurrogate() ? L'?' : wchar_t(c.unicode()));
            i += pair;
        }
    }
    if (wide.empty())
        return {};
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = utf8 ? nullptr : "?";
    const int size = ::WideCharToMultiByte(page, flags, wide.data(), int(wide.size()), nullptr, 0,
                                           fallback, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    ::WideCharToMultiByte(page, flags, wide.data(), int(wide.size()), bytes.data(), size, fallback,
                          nullptr);
    return bytes;
}

QString fromScriptCodePage(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    const int size =
        ::MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), wide.data(), size);
    return QString::fromStdWString(wide);
}

} // namespace quelmar
