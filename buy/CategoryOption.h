#pragma once

#include <QRadioButton>

namespace quelmar {

// A category option of the weapon catalogue: the whole of its row takes the
// press, not only its round mark and caption, as the classic option button
// did.
class CategoryOption : public QRadioButton {
    Q_OBJECT

  public:
    CategoryOption(const QString& caption, QWidget* parent);

  protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace quelmar
