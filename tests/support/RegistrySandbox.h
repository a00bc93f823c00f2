#pragma once

#include <QString>

#include <string>

namespace quelmar::test {

// While it lives, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are, to this
// process, empty keys of its own under the real HKCU\Software, removed when
// it goes; volatile, so that a test that dies leaves them only to logoff.
class RegistrySandbox {
  public:
    RegistrySandbox();
    ~RegistrySandbox();
    // A string value under the sandbox's HKEY_CURRENT_USER (the keys on the
    // way volatile too); false without a sandbox, never the real registry.
    bool set(const std::wstring& path, const wchar_t* name, const QString& value) const;
    // In a process a test started: the keys are the test's sandbox, when
    // the test had one.
    static void joinParents();

  private:
    std::wstring name_;
    bool active_ = true;
};

} // namespace quelmar::test
