#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quelmar {

// The languages the windows speak. Russian is the one the texts are
// written in; English comes from a translation. Nothing the script holds
// depends on it.
enum class Language { Russian, English };

// The environment variable that chooses the language when the command line
// does not.
inline const char* languageVariable() {
    return "QUELMAR_LANG";
}

// "ru" or "en", in any case; nothing for anything else.
std::optional<Language> languageNamed(const QString& name);

// The language to speak: the --lang option's value, else the variable's,
// else the system's interface languages (QLocale::uiLanguages()): the first
// of them that is Russian, Ukrainian or Belarusian gives Russian, which
// players there read more often than English; anything else English. A
// value that names no language of ours counts as not given.
Language chooseLanguage(const QString& option, const QString& variable,
                        const QStringList& uiLanguages);

// Makes the program and Qt's own widgets speak language from now on; the
// catalogues are built into the program. False when one could not be
// loaded (the texts stay in Russian).
bool useLanguage(Language language);

} // namespace quelmar
