#include "tests/support/Fakes.h"

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

} // namespace quelmar::test
