#include "platform/Console.h"

#include <QStringDecoder>

#include <string>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace quelmar {

namespace {

// Takes the UTF-8 that QTextStream writes and hands it on: as text to a
// console, as bytes in the console's (or else the system's) code page to
// a file or a pipe, which is what cmd.exe's own commands write there.
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
        UINT page = ::GetConsoleOutputCP();
        if (page == 0)
            page = CP_ACP;
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

bool isTerminal(std::FILE* stream) {
    // A window program started from Explorer has no console at all.
    DWORD mode = 0;
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

} // namespace quelmar
