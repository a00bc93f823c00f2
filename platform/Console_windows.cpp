#include "platform/Console.h"

#include <QStringDecoder>

#include <string>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace quelmar {

namespace {

// Takes the UTF-8 that QTextStream writes and hands it on: as text to a
// console, as bytes in redirectedCodePage() to a file or a pipe.
class ConsoleWriter final : public QIODevice {
  public:
    explicit ConsoleWriter(HANDLE handle) : handle_(handle) {
        DWORD mode = 0;
        console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
                   ::GetConsoleMode(handle_, &mode);
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        const QString text = decoder_.decode(QByteArrayView(data, size));
        const std::wstring wide = text.toStdWString();
        return writeAll(wide) ? size : -1;
    }

  private:
    bool writeAll(const std::wstring& wide) {
        if (wide.empty())
            return true;
        if (console_) {
            for (size_t at = 0; at < wide.size();) {
                DWORD done = 0;
                const DWORD part = DWORD(std::min<size_t>(wide.size() - at, 8192));
                if (!::WriteConsoleW(handle_, wide.data() + at, part, &done, nullptr) || done == 0)
                    return false;
                at += done;
            }
            return true;
        }
        const UINT page = redirectedCodePage(::GetACP(), ::GetConsoleOutputCP());
        const int size = ::WideCharToMultiByte(page, 0, wide.data(), int(wide.size()), nullptr, 0,
                                               nullptr, nullptr);
        std::string bytes(size_t(size), '\0');
        ::WideCharToMultiByte(page, 0, wide.data(), int(wide.size()), bytes.data(), size, nullptr,
                              nullptr);
        for (size_t at = 0; at < bytes.size();) {
            DWORD done = 0;
            if (!::WriteFile(handle_, bytes.data() + at, DWORD(bytes.size() - at), &done,
                             nullptr) ||
                done == 0)
                return false;
            at += done;
        }
        return true;
    }

    HANDLE handle_;
    bool console_ = false;
    QStringDecoder decoder_{QStringDecoder::Utf8};
};

} // namespace

QStringList programArguments(int, char*[]) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 0; wide && i < count; ++i)
        arguments.append(QString::fromWCharArray(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

// Windows has no signal for it: such a write simply fails.
void letOversizedWritesFail() {}

std::unique_ptr<QIODevice> consoleDevice(std::FILE* stream) {
    std::fflush(stream);
    return std::make_unique<ConsoleWriter>(
        ::GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE));
}

ConsoleFacts consoleFacts() {
    ConsoleFacts facts;
    // The subsystem our own image was linked for: the same source makes
    // both programs.
    const auto* image = reinterpret_cast<const BYTE*>(::GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
    facts.consoleProgram = nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
    // Only the count matters; a list of one fits, and a longer one says
    // how long it is.
    DWORD ids[1];
    facts.attachedProcesses = ::GetConsoleProcessList(ids, 1);
    // A file, a pipe or a console this process writes to. Started from
    // Explorer, a window program has none; started from cmd.exe, it may be
    // handed the console's handles without being attached to it.
    const auto leads = [](DWORD which) {
        const HANDLE handle = ::GetStdHandle(which);
        DWORD mode = 0;
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
            return false;
        const DWORD type = ::GetFileType(handle);
        return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE || ::GetConsoleMode(handle, &mode);
    };
    facts.hasOutput = leads(STD_OUTPUT_HANDLE) || leads(STD_ERROR_HANDLE);
    return facts;
}

bool startWindowProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (size == 0)
            return false;
        if (size < path.size()) {
            path.resize(size);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos)
        return false;
    path.replace(dot, std::wstring::npos, L".exe");
    std::wstring commandLine = L'"' + path + L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

void showSystemMessage(const QString& text, const QString& title) {
    ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()),
                  reinterpret_cast<const wchar_t*>(title.utf16()), MB_OK | MB_ICONINFORMATION);
}

bool isTerminal(std::FILE* stream) {
    // A window program started from Explorer has no console at all.
    DWORD mode = 0;
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

} // namespace quelmar
