#include "tests/support/Fakes.h"

#include <QApplication>
#include <QDialog>

namespace quelmar::test {

void ScriptedDialogs::message(QWidget*, const QString& text, const QString& title) {
    asked.append({AskedDialog::Message, text, title, {}, {}});
    if (whileMessageOpen)
        whileMessageOpen(asked.last());
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title,
                               const QString& defaultText) {
    asked.append({AskedDialog::Input, prompt, title, defaultText, {}});
    return inputs_.isEmpty() ? QString() : inputs_.dequeue();
}

QString ScriptedDialogs::saveAs(QWidget*, const QString& filter, const QString& startFolder) {
    asked.append({AskedDialog::SaveAs, filter, {}, {}, startFolder});
    return saves_.isEmpty() ? QString() : saves_.dequeue();
}

ModalAnswers::ModalAnswers(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(10);
}

void ModalAnswers::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal != current_) {
        current_ = modal;
        ++answered;
        sinceAnswer_.start();
        answer_(modal);
    } else if (sinceAnswer_.hasExpired(1000)) {
        ++leftOpen;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        current_ = nullptr;
    }
}

} // namespace quelmar::test
