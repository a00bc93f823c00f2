#pragma once

#include <QString>

namespace quelmar {

// The language a text is told in: the player's (the catalogue the program
// installed for its windows) or English, which the command line speaks
// whatever the windows speak. Every text is written once, in Russian, and
// translated from the same catalogue either way.
class Wording {
  public:
    static Wording player() { return Wording(false); }
    static Wording english() { return Wording(true); }

    // As QCoreApplication::translate, from this wording's catalogue; the
    // Russian source where the catalogue lacks the text.
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const;

  private:
    explicit Wording(bool english) : english_(english) {}
    bool english_;
};

} // namespace quelmar
