// The real dialogs behind the Dialogs seam, answered the way a player's
// click reaches them; each must close on its answer.
#include "platform/QtDialogs.h"
#include "tests/support/Fakes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using quelmar::test::ModalAnswers;

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxHasOnlyOkAndNoIcon() {
        QStringList seen;
        ModalAnswers answers([&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                seen << box->windowTitle() << box->text() << QString::number(box->buttons().size())
                     << QString::number(box->icon());
                box->button(QMessageBox::Ok)->click();
            }
        });
        QtDialogs().message(nullptr, QStringLiteral("Мне кажется больше не надо\rOбычно = 5 "),
                            QStringLiteral("Vorel"));
        QCOMPARE(answers.answered, 1);
        QCOMPARE(answers.leftOpen, 0);
        QCOMPARE(seen, QStringList({"Vorel", "Мне кажется больше не надо\rOбычно = 5 ", "1",
                                    QString::number(QMessageBox::NoIcon)}));
    }

    // The name is typed into the name field and Enter pressed, as a player
    // does. (QFileDialog::selectFile leaves a field that has the focus
    // alone, and the dialog may or may not have been activated by then: an
    // answer through it was taken for a folder, and the dialog stayed open.)
    void saveAsDialog() {
        QTemporaryDir dir;
        QStringList filters;
        QString suffix = QStringLiteral("unset");
        bool confirms = false;
        bool saving = false;
        QString folder;
        ModalAnswers answers([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            auto* name = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!dialog || !name)
                return;
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            folder = dialog->directory().path();
            name->setText(QStringLiteral("mine")); // a bare name lands in the start folder
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), dir.path());
        QCOMPARE(answers.answered, 1);
        QCOMPARE(answers.leftOpen, 0);
        QCOMPARE(folder, dir.path());
        QCOMPARE(chosen, dir.filePath(QStringLiteral("mine"))); // no suffix added
        QCOMPARE(filters, QStringList{QStringLiteral("(*.cfg)")});
        QCOMPARE(suffix, QString());
        QVERIFY(confirms && saving);
    }

    void saveAsCancelled() {
        ModalAnswers answers([](QWidget* w) {
            if (auto* buttons = w->findChild<QDialogButtonBox*>())
                buttons->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), QString()), QString());
        QCOMPARE(answers.answered, 1);
        QCOMPARE(answers.leftOpen, 0);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
