// Every window: each text fits its box in the one caption face, a blue button
// face is solid blue, a category option takes a press anywhere on its row;
// on the screens players have, every window is on screen and its pictures
// sharp.
#include "app/FlameView.h"
#include "app/MainMenu.h"
#include "app/MenuTable.h"
#include "app/SplashWindow.h"
#include "buy/BuyLook.h"
#include "buy/CatalogueItem.h"
#include "controls/KeyMapWindow.h"
#include "tests/support/Golden.h"
#include "ui/Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QtTest>

using namespace quelmar;

class TestLook : public QObject {
    Q_OBJECT

    test::PageHarness h_;

    QList<QWidget*> everyWindow() {
        QList<QWidget*> windows{new MainMenu(h_.config, h_.dialogs, h_.sound, openProgramPage)};
        for (const MenuPageEntry& entry : menuPageEntries())
            windows += openProgramPage(entry.page, h_.services);
        // The key map with a job on a key and in the row below.
        return windows << new KeyMapWindow(
                   KeyJobs({{KeyOrigin::Commands, "bind q +jump\nbind \" ~ \" x\n"}}),
                   {{'q', "Й"}});
    }

  private slots:
    void initTestCase() { look::applyProgramLook(*qApp); }

    // Run by CTest on virtual screens of the sizes and scales in the table
    // there. A window larger than the usable area stands at its top, its
    // "Done" on screen; the weapon pair stands side by side where it fits.
    void everyWindowOnScreen() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const qreal ratio = qApp->devicePixelRatio() > 1 ? 2 : 1;
        QList<QWidget*> windows = everyWindow() << new SplashWindow;
        QMap<QString, QRect> placed;
        for (QWidget* window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window, test::kPatience));
            const QRect frame = window->frameGeometry();
            const QString name = window->objectName();
            placed[name] = frame;
            if (frame.width() <= area.width() && frame.height() <= area.height()) {
                QVERIFY2(area.contains(frame), qPrintable(name));
            } else {
                QVERIFY2(frame.top() == area.top() && frame.left() >= area.left(),
                         qPrintable(name));
            }
            for (auto* done : window->findChildren<QPushButton*>())
                if (done->text() == QLatin1String("Done"))
                    QVERIFY2(area.contains(QRect(done->mapToGlobal(QPoint()), done->size())),
                             qPrintable(name));
        }
        if (area.width() >= 422 + 438)
            QCOMPARE(placed["Form2"].topLeft() - placed["Form1"].topLeft(), QPoint(414, 0));
        // Drawn for the screen: twice the pixels at a high ratio, the flame in
        // whole screen pixels (along a row, a run of one colour that touches
        // neither end of the strip spans whole flame pixels).
        QCOMPARE(windows[7]->findChild<CatalogueItem*>("Picture1")->picture().size(),
                 QSize(205, 65) * ratio);
        QCOMPARE(windows.last()->findChild<QLabel*>("Pic")->pixmap().devicePixelRatio(), ratio);
        QCOMPARE(buy::smilingCursor().size(), QSize(32, 32) * ratio);
        auto* flame = windows[0]->findChild<FlameView*>("Picture1");
        flame->seed();
        for (int frame = 0; frame < 30; ++frame)
            flame->step();
        const QImage strip = flame->grab().toImage();
        const int block = int(qApp->devicePixelRatio() + 0.01);
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 1, start = 1; x < strip.width(); ++x)
                if (strip.pixel(x, y) != strip.pixel(x - 1, y)) {
                    QVERIFY2(start == 1 || (x - start) % block == 0,
                             qPrintable(QString::number(y)));
                    start = x;
                }
        qDeleteAll(windows);
    }

    // The classic look, told by its pixels: the colour the classic style
    // gives each place (what was wrong there before in the note).
    void classicLook() {
        const QList<QWidget*> windows = everyWindow();
        auto* list = windows[1]->findChild<QComboBox*>("Combo3");
        QWidget* box = windows[1]->findChild<QWidget*>("UPDW1_Text1");
        QWidget* trough = windows[5]->findChild<QWidget*>("V");
        auto* option = windows[7]->findChild<QRadioButton*>("Option1");
        QStyleOptionComboBox listOption;
        listOption.initFrom(list);
        const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &listOption,
                                                          QStyle::SC_ComboBoxArrow, list);
        const QColor face(212, 208, 200), dark(106, 104, 100), white(Qt::white), black(Qt::black);
        const QPoint inTrough(trough->width() / 2, trough->height() - 40);
        struct Probe {
            QWidget* widget;
            QPoint at;
            QColor colour;
            QString before;
        };
        QList<Probe> probes{
            {list, {arrow.left() - 3, list->height() / 2}, black, "list field: black"},
            {list, arrow.topLeft() + QPoint(3, 3), face, "drop button: black"},
            {list, arrow.center() + QPoint(0, 1), black, "drop arrow: blue"},
            {trough, inTrough, white, "trough: black and white"},
            {trough, inTrough + QPoint(1, 0), face, "trough: black and white"},
            {trough, inTrough + QPoint(1, 1), white, "trough: black and white"},
            {option, {6, 13}, white, "option well: hollow grey"},
        };
        for (QWidget* w : {static_cast<QWidget*>(list), box}) { // box: a flat grey edge
            const QPoint corner(w->width() - 1, w->height() - 1);
            probes << Probe{w, {0, 0}, dark, "sunken"} << Probe{w, {1, 1}, black, "sunken"}
                   << Probe{w, corner, white, "sunken"}
                   << Probe{w, corner - QPoint(1, 1), face, "sunken"};
        }
        for (const Probe& probe : probes) {
            const QColor seen = probe.widget->grab().toImage().pixelColor(probe.at);
            QVERIFY2(seen == probe.colour,
                     qPrintable(probe.widget->objectName() + probe.before + seen.name()));
        }
        // Both arrows of a spin editor alike.
        const auto ink = [&](const char* name) {
            const QImage image = windows[1]->findChild<QWidget*>(name)->grab().toImage();
            QRect inked;
            for (int y = 2; y < image.height() - 2; ++y)
                for (int x = 2; x < image.width() - 2; ++x)
                    inked |= QRect(x, y, image.pixelColor(x, y) == black, 1);
            return inked.size();
        };
        QCOMPARE(ink("UPDW1_B_Up"), ink("UPDW1_B_Down"));
        // The chosen entry of an open list on the classic navy.
        list->showPopup();
        const QRect chosen = list->view()->visualRect(list->view()->currentIndex());
        QCOMPARE(list->view()->viewport()->grab().toImage().pixelColor(chosen.right() - 2,
                                                                       chosen.center().y()),
                 QColor(0, 0, 128));
        qDeleteAll(windows);
    }

    void everyWindowAsLaidOut() {
        for (QWidget* window : everyWindow()) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const QRect box(w->mapTo(window, QPoint()), w->size());
                if (box.x() >= window->width())
                    continue; // out of the player's sight
                // A caption of the window itself lies inside it.
                QVERIFY2(!w->inherits("QLabel") || w->parentWidget() != window ||
                             window->rect().contains(box),
                         qPrintable(window->objectName() + '/' + w->objectName()));
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    test::useLanguageArgument(argc, argv);
    TestLook look;
    return QTest::qExec(&look, argc, argv);
}
#include "tst_look.moc"
