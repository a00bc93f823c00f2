#pragma once

#include "config/ConfigLines.h"
#include "controls/PageWindow.h"
#include "pages/FieldTable.h"
#include "pages/RowGrid.h"

namespace quelmar {

// A settings page built from its fields: the captions, then the inputs, row
// by row; closed, it writes its section from what the inputs hold.
class FieldPage : public PageWindow {
    Q_OBJECT
  public:
    SectionLines currentLines() const override;

  protected:
    FieldPage(const Services& services, const QString& objectName, int width, int height,
              Section section, const QList<PageField>& fields, QWidget* parent);

    // The captions and inputs on grid, each input at its start value.
    void addFields(const RowGrid& grid, const QStringList& start);

  private:
    // What the inputs hold, one value per field.
    QStringList values() const;

    Section section_;
    QList<PageField> fields_;
    QList<QWidget*> inputs_; // by field; none for a fixed line
};

} // namespace quelmar
