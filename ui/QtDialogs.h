#pragma once

#include "ui/Dialogs.h"

namespace quelmar {

// The real dialogs: QMessageBox, QInputDialog and QFileDialog.
class QtDialogs final : public Dialogs {
  public:
    void message(QWidget* parent, const QString& text, const QString& title) override;
    bool ask(QWidget* parent, const QString& text, const QString& title,
             bool defaultYes = true) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString saveAs(QWidget* parent, const QString& filter, const QString& startFolder) override;
};

} // namespace quelmar
