// Every window: each text fits its box in the one caption face, a blue button
// face is solid blue, a category option takes a press anywhere on its row.
#include "app/MainMenu.h"
#include "app/PageCatalog.h"
#include "platform/Look.h"
#include "tests/support/Golden.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace quelmar;

class TestLook : public QObject {
    Q_OBJECT

    test::PageHarness h_;

  private slots:
    void initTestCase() { look::applyProgramLook(*qApp); }

    void everyWindowAsLaidOut() {
        QList<QWidget*> windows{new MainMenu(h_.config, h_.dialogs, h_.sound, openProgramPage)};
        for (const MenuPageEntry& entry : kMenuPageEntries)
            windows += openProgramPage(entry.page, h_.services);
        for (QWidget* window : windows) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (w->mapTo(window, QPoint()).x() >= window->width())
                    continue; // out of the player's sight
                const bool wrapped = w->property("wordWrap").toBool();
                const QRect room(0, 0, look::textRoom(w), w->contentsRect().height());
                const QFontMetrics fm = w->fontMetrics();
                QStringList texts{w->inherits("QLineEdit") ? "" : w->property("text").toString()};
                if (auto* list = qobject_cast<QComboBox*>(w))
                    for (int i = 0; i < list->count(); ++i)
                        texts.append(list->itemText(i));
                texts.removeAll(QString());
                for (const QString& text : texts) {
                    QCOMPARE(QFontInfo(w->font()).family(), look::comicFamily());
                    // Wrapped: each line across the box, the last baseline in
                    // it. One line: the ink ends inside the box.
                    const QRect block = fm.boundingRect(room, Qt::TextWordWrap, text);
                    const bool fits = wrapped ? block.width() <= room.width() &&
                                                    block.height() - fm.descent() <= room.height()
                                              : fm.boundingRect(text).right() < room.width();
                    QVERIFY2(fits, qPrintable(window->objectName() + '/' + w->objectName()));
                }
            }
            if (window->objectName() == QLatin1String("Form1")) {
                const QImage face = window->findChild<QPushButton*>("Command1")->grab().toImage();
                for (QPoint p : {QPoint(3, 3), QPoint(4, face.height() / 2),
                                 QPoint(face.width() - 4, face.height() - 4)})
                    QCOMPARE(face.pixelColor(p), QColor(0, 0, 255)); // in the bevel, off the text
                auto* option = window->findChild<QAbstractButton*>("Option2");
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 4, 13));
                QVERIFY(option->isChecked() &&
                        window->findChild<QWidget*>("Frame2")->isVisibleTo(window));
            }
            delete window;
        }
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
