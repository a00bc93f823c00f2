#include "config/Wording.h"

#include <QCoreApplication>
#include <QTranslator>

namespace quelmar {

namespace {

// The English catalogue built into the program, apart from the one the
// windows may have installed. Read once, on the thread that asks first
// (the main one: nothing else tells the player anything).
const QTranslator& englishCatalogue() {
    static const QTranslator* catalogue = [] {
        auto* english = new QTranslator; // lives as long as the program
        if (!english->load(QStringLiteral(":/i18n/quelmar_en.qm")))
            qWarning("quelmar: the English texts are missing from the program");
        return english;
    }();
    return *catalogue;
}

} // namespace

QString Wording::translate(const char* context, const char* source, const char* disambiguation,
                           int n) const {
    if (!english_)
        return QCoreApplication::translate(context, source, disambiguation, n);
    QString text = englishCatalogue().translate(context, source, disambiguation, n);
    if (text.isEmpty()) {
        text = QString::fromUtf8(source);
        if (n >= 0)
            text.replace(QLatin1String("%n"), QString::number(n));
    }
    return text;
}

} // namespace quelmar
