#include "pages/FieldTable.h"

#include "config/ConfigLines.h"
#include "controls/SpinValue.h"

#include <QCoreApplication>

#include <algorithm>

namespace quelmar {

PageField PageField::line(const QString& variable, const QString& value) {
    return {.start = value, .variables = {variable}};
}

PageField PageField::list(const QString& object, int row, const FieldCaption& caption,
                          const QStringList& items, int start, const QStringList& variables,
                          const QStringList& written) {
    return {.kind = List,
            .object = object,
            .row = row,
            .caption = caption,
            .items = items,
            .start = QString::number(start),
            .variables = variables,
            .written = written};
}

PageField PageField::spinner(const QString& object, int row, const FieldCaption& caption,
                             SpinKind kind, const QString& variable) {
    return {.kind = Spin,
            .object = object,
            .row = row,
            .caption = caption,
            .start = SpinValue(kind).valueText(),
            .spin = kind,
            .variables = {variable}};
}

PageField PageField::typed(const QString& object, int row, const FieldCaption& caption,
                           const QString& variable) {
    return {
        .kind = Text, .object = object, .row = row, .caption = caption, .variables = {variable}};
}

PageField PageField::colour(const QString& object, int row, const FieldCaption& caption,
                            const QString& variable) {
    return {.kind = Colour,
            .object = object,
            .row = row,
            .caption = caption,
            .start = colourText({}),
            .variables = {variable}};
}

QStringList startValues(const QList<PageField>& fields) {
    QStringList values;
    for (const PageField& f : fields)
        values << f.start;
    return values;
}

QStringList sectionLines(const QList<PageField>& fields, const QStringList& values) {
    QStringList lines;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const PageField& f = fields[i];
        QString value = f.kind == PageField::Line ? f.start : values.value(i);
        if (f.kind == PageField::List && !f.written.isEmpty()) {
            // An item outside the list (nothing chosen) writes the first's.
            value = f.written.value(value.toInt(), f.written.first());
            if (f.variables.isEmpty())
                lines << value;
        }
        // Only an empty box leaves its line out; a name of one blank is a name.
        if (f.kind == PageField::Text && (value = typedText(value)).isEmpty())
            continue;
        for (const QString& variable : f.variables)
            lines << settingLine(variable, value);
    }
    return lines;
}

QList<int> inputsByRow(const QList<PageField>& fields) {
    QList<int> inputs;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].kind != PageField::Line)
            inputs << i;
    }
    std::ranges::stable_sort(inputs, {}, [&](int i) { return fields[i].row; });
    return inputs;
}

QString colourText(const ColorValue& colour) {
    return QStringLiteral("%1 %2 %3").arg(colour.R()).arg(colour.G()).arg(colour.B());
}

ColorValue colourOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '));
    return ColorValue(qint16(parts.value(0).toInt()), qint16(parts.value(1).toInt()),
                      qint16(parts.value(2).toInt()));
}

QStringList offOnItems() {
    return {QCoreApplication::translate("Lists", "Выкл"),
            QCoreApplication::translate("Lists", "Вкл")};
}

} // namespace quelmar
