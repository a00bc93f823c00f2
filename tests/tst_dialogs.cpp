// The real dialogs behind the Dialogs seam, answered the way a player's
// click reaches them; each must close on its answer.
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace quelmar;

namespace {

// Answers the modal dialogs that open while it lives and sees each one close
// on its answer: one still open after it is closed by force and counted, so
// a wrong answer fails the test instead of hanging in the dialog.
struct ModalAnswers {
    explicit ModalAnswers(std::function<void(QWidget*)> answer) {
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            const QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            ++answered;
            answer(modal);
            if (modal && QApplication::activeModalWidget() == modal) {
                ++leftOpen;
                if (auto* dialog = qobject_cast<QDialog*>(modal.data()))
                    dialog->done(QDialog::Rejected);
            }
        });
        timer.start(10);
    }
    bool eachClosed(int count) const { return answered == count && leftOpen == 0; }

    QTimer timer;
    int answered = 0, leftOpen = 0;
};

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxHasOnlyOkAndNoIcon() {
        QStringList seen;
        int lines = 0;
        ModalAnswers answers([&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                seen << box->windowTitle() << box->text() << QString::number(box->buttons().size())
                     << QString::number(box->icon());
                // The carriage return shows as a line break: two rows of ink.
                const QImage ink = box->findChild<QLabel*>("qt_msgbox_label")->grab().toImage();
                for (int y = 0, inked = 0; y < ink.height(); ++y) {
                    bool row = false;
                    for (int x = 0; x < ink.width(); ++x)
                        row = row || ink.pixelColor(x, y).lightness() < 100;
                    lines += row && !inked;
                    inked = row;
                }
                box->button(QMessageBox::Ok)->click();
            }
        });
        QtDialogs().message(nullptr, QStringLiteral("Мне кажется больше не надо\rOбычно = 5 "),
                            QStringLiteral("Vorel"));
        QVERIFY2(answers.eachClosed(1), "the box did not close on OK");
        QCOMPARE(seen, QStringList({"Vorel", "Мне кажется больше не надо\nOбычно = 5 ", "1",
                                    QString::number(QMessageBox::NoIcon)}));
        QCOMPARE(lines, 2);
    }

    // Cancelled, then a name typed into the name field and Enter pressed, as
    // a player does. (QFileDialog::selectFile leaves a field that has the
    // focus alone, and whether the dialog has been activated by then is down
    // to timing: an answer through it was taken for the folder, and the
    // dialog stayed open.)
    void saveAsDialog() {
        ModalAnswers cancel([](QWidget* w) {
            if (auto* buttons = w->findChild<QDialogButtonBox*>())
                buttons->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), QString()), QString());
        QVERIFY2(cancel.eachClosed(1), "the dialog did not close on Cancel");
        cancel.timer.stop();

        QTemporaryDir dir;
        QStringList seen;
        ModalAnswers answers([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            auto* name = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!dialog || !name)
                return;
            seen << dialog->nameFilters() << dialog->defaultSuffix() << dialog->directory().path()
                 << QString::number(dialog->acceptMode() == QFileDialog::AcceptSave &&
                                    !dialog->testOption(QFileDialog::DontConfirmOverwrite));
            name->setText(QStringLiteral("mine")); // a bare name lands in the start folder
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), dir.path());
        QVERIFY2(answers.eachClosed(1), "the dialog did not close on Enter");
        QCOMPARE(seen, QStringList({"(*.cfg)", "", dir.path(), "1"})); // asks before replacing
        QCOMPARE(chosen, dir.filePath(QStringLiteral("mine")));        // no suffix added
        answers.timer.stop();

        // A start folder that is gone by the time the dialog opens is never
        // offered as the file's name.
        QString offered = "none";
        ModalAnswers gone([&](QWidget* w) {
            if (auto* name = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                offered = name->text();
                w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            }
        });
        QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), dir.filePath("Documents"));
        QVERIFY2(gone.eachClosed(1), "the dialog did not close on Cancel");
        QCOMPARE(offered, QString());
    }

    // With no Documents folder (a system without one, or one the settings
    // name but nobody made), Save As starts in the home folder.
    void saveAsStartsInAFolderThatIsThere() {
        QTemporaryDir home;
        const QByteArray was = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        const QString without = documentsFolder();
        QVERIFY(QDir(home.path()).mkdir("Documents"));
        const QString with = documentsFolder();
        qputenv("HOME", was);
        qputenv("XDG_CONFIG_HOME", config);
        if (with != home.filePath("Documents"))
            QSKIP("this system's Documents folder does not follow HOME");
        QCOMPARE(without, home.path());
    }

    // A question: Enter presses the default asked for, Escape says no.
    void questionBox() {
        for (const auto& [defaultYes, key] :
             {std::pair{true, Qt::Key_Return}, {true, Qt::Key_Escape}, {false, Qt::Key_Return}}) {
            QStringList seen;
            ModalAnswers answers([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box)
                    return;
                seen << box->windowTitle() + '|' + box->text() << QString::number(box->icon());
                for (QAbstractButton* button : box->buttons())
                    seen << button->text();
                QTest::keyClick(box, key);
            });
            QCOMPARE(QtDialogs().ask(nullptr, QStringLiteral("Сохранить?"), QStringLiteral("Vorel"),
                                     defaultYes),
                     defaultYes && key == Qt::Key_Return);
            QVERIFY2(answers.eachClosed(1), "the question did not close on its answer");
            QCOMPARE(seen.size(), 4);
            std::sort(seen.begin() + 2, seen.end());
            QCOMPARE(seen, (QStringList{"Vorel|Сохранить?", QString::number(QMessageBox::Question),
                                        "Да", "Нет"}));
        }
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
