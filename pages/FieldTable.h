#pragma once

#include "controls/ColorValue.h"
#include "controls/SpinMember.h"

#include <QList>
#include <QRect>
#include <QStringList>

namespace quelmar {

// The caption beside an input: its object name, its text in the player's
// language and, where it is not one line level with its input, its box.
struct FieldCaption {
    QString object;
    QString text;
    QRect box = {};
};

// One field of a settings page: an input with its caption, or a line its
// section always writes. A page's fields, in the order of its section's
// lines, are the one place that says what the page shows and writes.
//
// A field's value is text: a list's item number, a spin editor's value
// text, the typed text, a colour's "R G B", a fixed line's value.
struct PageField {
    enum Kind { Line, List, Spin, Text, Colour };
    Kind kind = Line;
    QString object = {}; // the input's object name
    int row = -1;        // the input's row on the page, from the top
    FieldCaption caption = {};
    QStringList items = {}; // a list's, in the player's language
    QString start = {};     // the value the page opens with
    SpinKind spin = SpinKind::UPDW;
    // What the field sets, one line each. A list that sets nothing but says
    // what its items write writes that alone: a command of its own.
    QStringList variables = {};
    QStringList written = {}; // what each item of a list writes, where not its number

    static PageField line(const QString& variable, const QString& value);
    static PageField list(const QString& object, int row, const FieldCaption& caption,
                          const QStringList& items, int start, const QStringList& variables,
                          const QStringList& written = {});
    static PageField spinner(const QString& object, int row, const FieldCaption& caption,
                             SpinKind kind, const QString& variable);
    // Typed text: an empty box writes no line.
    static PageField typed(const QString& object, int row, const FieldCaption& caption,
                           const QString& variable);
    static PageField colour(const QString& object, int row, const FieldCaption& caption,
                            const QString& variable);
};

// What each field holds as the page opens.
QStringList startValues(const QList<PageField>& fields);

// The section's lines after its header.
QStringList sectionLines(const QList<PageField>& fields, const QStringList& values);

// The inputs, top row first.
QList<int> inputsByRow(const QList<PageField>& fields);

// A colour's value and back.
QString colourText(const ColorValue& colour);
ColorValue colourOf(const QString& text);

// The list items that several pages share.
QStringList offOnItems(); // "Выкл", "Вкл", in the player's language

} // namespace quelmar
