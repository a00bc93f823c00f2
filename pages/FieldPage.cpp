#include "pages/FieldPage.h"

#include "controls/ColorEditor.h"
#include "controls/SpinEditor.h"
#include "controls/ValueBox.h"
#include "ui/Look.h"

#include <QComboBox>
#include <QLineEdit>

namespace quelmar {

FieldPage::FieldPage(const Services& services, const QString& objectName, int width, int height,
                     Section section, const QList<PageField>& fields, QWidget* parent)
    : PageWindow(services, objectName, width, height, parent), section_(section), fields_(fields),
      inputs_(fields.size(), nullptr) {}

void FieldPage::addFields(const RowGrid& grid, const QStringList& start) {
    const QList<int> inputs = inputsByRow(fields_);
    for (int i : inputs) {
        const FieldCaption& caption = fields_[i].caption;
        addCaption(caption.object, caption.text,
                   caption.box.isNull() ? grid.captionAt(fields_[i].row) : caption.box);
    }
    for (int i : inputs) {
        const PageField& f = fields_[i];
        const QString value = start.value(i, f.start);
        switch (f.kind) {
        case PageField::List:
            inputs_[i] = addList(f.object, f.items, grid.listAt(f.row), value.toInt());
            break;
        case PageField::Spin:
            inputs_[i] = addSpinEditor(f.spin, f.object, grid.editorAt(f.row), value);
            break;
        case PageField::Text: {
            // A text box takes a list's place.
            QLineEdit* box = makeValueBox(this, f.object, grid.listAt(f.row), look::sansFont(9.75),
                                          look::kListBlue);
            box->setText(value);
            inputs_[i] = box;
            break;
        }
        case PageField::Colour:
            inputs_[i] = new ColorEditor(f.object, this, colourOf(value));
            inputs_[i]->move(grid.column, grid.rows.value(f.row));
            break;
        case PageField::Line:
            break;
        }
    }
}

QStringList FieldPage::values() const {
    QStringList values = startValues(fields_);
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        switch (fields_[i].kind) {
        case PageField::List:
            values[i] = QString::number(static_cast<QComboBox*>(inputs_[i])->currentIndex());
            break;
        case PageField::Spin:
            values[i] = static_cast<SpinEditor*>(inputs_[i])->valueText();
            break;
        case PageField::Text:
            values[i] = static_cast<QLineEdit*>(inputs_[i])->text();
            break;
        case PageField::Colour:
            values[i] = colourText(static_cast<ColorEditor*>(inputs_[i])->value());
            break;
        case PageField::Line:
            break;
        }
    }
    return values;
}

SectionLines FieldPage::currentLines() const {
    return {section_, sectionLines(fields_, values())};
}

} // namespace quelmar
