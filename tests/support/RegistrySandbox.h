#pragma once

#include <QString>

#include <string>
#include <windows.h>

namespace quelmar::test {

// For as long as it lives, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are, to
// this process, two empty keys of its own under the real
// HKEY_CURRENT_USER\Software: what a test writes there and what the code
// under test reads stay between them, and go with this object. The keys are
// volatile, so even a test that dies leaves nothing past the next logon
// (past the wineserver's end under Wine).
class RegistrySandbox {
  public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // Sets a string value in the sandbox, making the keys on the way
    // (volatile, as every key under a volatile one must be); false when the
    // sandbox could not be made, so that nothing reaches the real registry.
    bool set(HKEY root, const std::wstring& key, const wchar_t* name, const QString& value) const;

  private:
    std::wstring name_;
    HKEY user_ = nullptr, machine_ = nullptr;
    bool active_ = false;
};

} // namespace quelmar::test
