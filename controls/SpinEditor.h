#pragma once

#include "controls/SpinValue.h"

#include <QWidget>

class QLineEdit;

namespace quelmar {

class ArrowPair;
class Dialogs;

// One spin editor on a page: a read-only box showing the value and, right of
// it, the arrow pair. Its inner controls carry the editor's own name as a
// prefix (<name>_Text1, <name>_B, <name>_B_Up, <name>_B_Down), so that they
// never clash with the page's controls or another editor's.
class SpinEditor : public QWidget {
    Q_OBJECT
  public:
    // Starts at startText when the editor can hold it, else at its own start.
    SpinEditor(SpinKind kind, const QString& objectName, Dialogs& dialogs, QWidget* parent,
               const QString& startText = QString());

    const SpinValue& value() const { return value_; }
    // What the page writes for this editor.
    QString valueText() const { return value_.valueText(); }

    QLineEdit* box() const { return box_; }

  private:
    void up();
    void down();
    void showValue();

    SpinValue value_;
    Dialogs& dialogs_;
    QLineEdit* box_;
    ArrowPair* arrows_;
};

} // namespace quelmar
