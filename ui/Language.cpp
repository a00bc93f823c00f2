#include "ui/Language.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace quelmar {

std::optional<Language> languageNamed(const QString& name) {
    if (name.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0)
        return Language::Russian;
    if (name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    return std::nullopt;
}

Language chooseLanguage(const QString& option, const QString& variable,
                        const QStringList& uiLanguages) {
    if (const auto chosen = languageNamed(option))
        return *chosen;
    if (const auto chosen = languageNamed(variable))
        return *chosen;
    for (const QString& language : uiLanguages) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (code == QLatin1String("ru") || code == QLatin1String("uk") ||
            code == QLatin1String("be"))
            return Language::Russian;
    }
    return Language::English;
}

bool useLanguage(Language language) {
    // One set of catalogues at a time; tests switch back and forth.
    static std::unique_ptr<QTranslator> ours;
    static std::unique_ptr<QTranslator> qts;
    for (auto* old : {&ours, &qts}) {
        if (*old)
            QCoreApplication::removeTranslator(old->get());
        old->reset();
    }
    // Russian: the texts as written, but Russian plural forms, and Qt's own
    // widgets (message-box buttons, the file dialog) in Russian too.
    // English: our translation; Qt speaks English by itself.
    const QStringList files = language == Language::Russian
                                  ? QStringList{":/i18n/quelmar_ru.qm", ":/i18n/qtbase_ru.qm"}
                                  : QStringList{":/i18n/quelmar_en.qm"};
    bool loaded = true;
    for (int i = 0; i < files.size(); ++i) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(files[i])) {
            loaded = false;
            continue;
        }
        QCoreApplication::installTranslator(translator.get());
        (i == 0 ? ours : qts) = std::move(translator);
    }
    return loaded;
}

} // namespace quelmar
