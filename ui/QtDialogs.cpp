#include "ui/QtDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace quelmar {

namespace {
// Qt puts the application's name on a window whose title is empty; a box
// meant to have no title gets a blank one instead.
QString shownTitle(const QString& title) {
    return title.isEmpty() ? QStringLiteral(" ") : title;
}
} // namespace

void QtDialogs::message(QWidget* parent, const QString& text, const QString& title) {
    // A carriage return breaks the line, as a message box of the system
    // takes it; Qt would draw it as a blank.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(QMessageBox::NoIcon, shownTitle(title), shown, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool QtDialogs::ask(QWidget* parent, const QString& text, const QString& title, bool defaultYes) {
    QMessageBox box(QMessageBox::Question, shownTitle(title), text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("QuestionBox"));
    // Our own words on the buttons, in the player's language.
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("QtDialogs", "Да"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("QtDialogs", "Нет"), QMessageBox::NoRole);
    box.setDefaultButton(defaultYes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtDialogs::input(QWidget* parent, const QString& prompt, const QString& title,
                         const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(shownTitle(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString QtDialogs::saveAs(QWidget* parent, const QString& filter, const QString& startFolder) {
    // No title, name or default suffix of our own: a name typed without an
    // extension is used as typed, in the folder the dialog shows. QFileDialog
    // asks before it lets an existing file be chosen. It takes the last part
    // of a name that is no folder there for the file's name; ended by a
    // separator, the name is a folder's whatever happens to it meanwhile.
    const QString folder =
        startFolder.isEmpty() || startFolder.endsWith(u'/') ? startFolder : startFolder + u'/';
    return QFileDialog::getSaveFileName(parent, QString(), folder, filter);
}

} // namespace quelmar
