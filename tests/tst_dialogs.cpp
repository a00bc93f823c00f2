// The real dialogs behind the Dialogs seam, answered by a timer that finds
// the open modal window the way a player's click would reach it.
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace quelmar;

namespace {

// Runs check on the modal dialog as soon as it is open.
void whenModalOpens(std::function<void(QWidget*)> check) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            check(modal);
        }
    });
    timer->start();
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxHasOnlyOkAndNoIcon() {
        QString title, text;
        int buttons = -1, lines = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
        whenModalOpens([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = box->buttons().size();
            icon = box->icon();
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
        });
        QtDialogs().message(nullptr, QStringLiteral("Мне кажется больше не надо\rOбычно = 5 "),
                            QStringLiteral("Vorel"));
        QCOMPARE(title, QStringLiteral("Vorel"));
        QCOMPARE(text, QStringLiteral("Мне кажется больше не надо\nOбычно = 5 "));
        QCOMPARE(lines, 2);
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void saveAsDialog() {
        QTemporaryDir dir;
        QStringList filters;
        QString suffix = QStringLiteral("unset");
        bool confirms = false;
        bool saving = false;
        QString folder;
        whenModalOpens([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            folder = dialog->directory().path();
            // A bare name lands in the start folder. Typed into the name box:
            // selectFile leaves a box that has the focus alone, and the box
            // gets it whenever the window is activated, so the name would
            // be lost now and then and the dialog never close.
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("mine"));
            static_cast<QDialog*>(dialog)->accept();
        });
        const QString chosen = QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), dir.path());
        QCOMPARE(folder, dir.path());
        QCOMPARE(chosen, dir.filePath(QStringLiteral("mine"))); // no suffix added
        QCOMPARE(filters, QStringList{QStringLiteral("(*.cfg)")});
        QCOMPARE(suffix, QString());
        QVERIFY(confirms);
        QVERIFY(saving);
    }

    void saveAsCancelled() {
        whenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        QCOMPARE(QtDialogs().saveAs(nullptr, QStringLiteral("(*.cfg)"), QString()), QString());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
