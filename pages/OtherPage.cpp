#include "pages/OtherPage.h"

#include "config/ConfigStream.h"
#include "controls/ColorEditor.h"
#include "controls/SpinEditor.h"
#include "controls/ValueBox.h"
#include "pages/ListItems.h"
#include "pages/RowGrid.h"
#include "ui/Look.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace quelmar {

namespace {

// Fifteen rows; the long captions take two lines, so their rows are taller.
const RowGrid kGrid{328,
                    {40, 64, 96, 140, 184, 220, 244, 268, 300, 336, 360, 384, 408, 432, 456},
                    QSize(130, 24),
                    QSize(81, 25)};
const QSize kTextBox(130, 24);

// A caption of two lines starts a little above its input.
QRect twoLineCaption(int row) {
    return QRect(8, kGrid.rows[row] - 8, kGrid.column - 12, 44);
}

QStringList connectionItems() {
    QStringList items;
    for (const ConnectionRate& rate : connectionRates())
        items << QCoreApplication::translate("Lists", rate.item.toUtf8().constData());
    return items;
}

} // namespace

OtherPage::OtherPage(const Services& services, const OtherChoices& start, QWidget* parent)
    : PageWindow(services, QStringLiteral("SET2"), 466, 554, parent) {
    addFrame(27, look::kBlue, 3);
    addHeading(tr("Остальные настройки"), QRect(113, 0, 240, 27));
    QPushButton* done = addDoneButton(QRect(8, 8, 41, 19));
    QPalette pal = done->palette();
    pal.setColor(QPalette::ButtonText, look::kBlue);
    done->setPalette(pal);
    addCaptions();

    name_ =
        addTextBox(QStringLiteral("Text1"), QRect(QPoint(kGrid.column, kGrid.rows[0]), kTextBox));
    hostname_ =
        addTextBox(QStringLiteral("Text2"), QRect(QPoint(kGrid.column, kGrid.rows[1]), kTextBox));
    name_->setText(start.name);
    hostname_->setText(start.hostname);
    consoleMessages_ =
        addList(QStringLiteral("Combo1"), offOnItems(), kGrid.listAt(2), start.consoleMessages);
    centerId_ = addList(QStringLiteral("Combo2"), {tr("Снизу"), tr("По центру")}, kGrid.listAt(3),
                        start.centerId);
    deathNoticeTime_ = addSpinEditor(SpinKind::SENN, QStringLiteral("senn1"), kGrid.editorAt(4),
                                     start.deathNoticeTime);
    fastSwitch_ =
        addList(QStringLiteral("Combo3"), offOnItems(), kGrid.listAt(5), start.fastSwitch);
    sayTextTime_ = addSpinEditor(SpinKind::SENN, QStringLiteral("SENN2"), kGrid.editorAt(6),
                                 start.sayTextTime);
    radar_ = addList(QStringLiteral("Combo4"), offOnItems(), kGrid.listAt(7), start.radar);
    netGraph_ = addList(QStringLiteral("Combo5"), offOnItems(), kGrid.listAt(8), start.netGraph);
    autoAim_ = addList(QStringLiteral("Combo6"), offOnItems(), kGrid.listAt(9), start.autoAim);
    crosshair_ = addList(QStringLiteral("Combo7"), offOnItems(), kGrid.listAt(10), start.crosshair);
    showFps_ = addList(QStringLiteral("Combo8"), offOnItems(), kGrid.listAt(11), start.showFps);
    connection_ =
        addList(QStringLiteral("Combo9"), connectionItems(), kGrid.listAt(12), start.connection);
    menuStyle_ = addList(QStringLiteral("Combo10"), {tr("Текстовое"), tr("Графическое")},
                         kGrid.listAt(13), start.menuStyle);
    color_ =
        new ColorEditor(QStringLiteral("COLOR1"), this,
                        ColorValue(qint16(start.red), qint16(start.green), qint16(start.blue)));
    color_->move(kGrid.column, kGrid.rows[14]);
}

void OtherPage::addCaptions() {
    addCaption(QStringLiteral("Label3"), tr("Имя или Ник"), kGrid.captionAt(0));
    addCaption(QStringLiteral("Label2"), tr("Имя сервера"), kGrid.captionAt(1));
    addCaption(QStringLiteral("Label4"),
               tr("Вывод вверхний левый угол экрана последних сообщений из консоли"),
               twoLineCaption(2));
    addCaption(QStringLiteral("Label5"), tr("Идентифицирующая надпись при  наведении на игрока"),
               twoLineCaption(3));
    addCaption(QStringLiteral("Label6"), tr("Время показа надписи о чьей-нидудь смерти (сек)"),
               twoLineCaption(4));
    addCaption(QStringLiteral("Label7"), tr("Режим быстрой смены оружия"), kGrid.captionAt(5));
    addCaption(QStringLiteral("Label8"), tr("Время показа сообщения (сек)"), kGrid.captionAt(6));
    addCaption(QStringLiteral("Label9"), tr("Радар"), kGrid.captionAt(7));
    addCaption(QStringLiteral("Label10"),
               tr("NetGraph (показывает различные параметры соединения)"), twoLineCaption(8));
    addCaption(QStringLiteral("Label11"), tr("Автоприцел"), kGrid.captionAt(9));
    addCaption(QStringLiteral("Label12"), tr("Прицел при приближении"), kGrid.captionAt(10));
    addCaption(QStringLiteral("Label13"), tr("FPS в левом верхнем углу экрана "),
               kGrid.captionAt(11));
    addCaption(QStringLiteral("Label14"), tr("Соединение"), kGrid.captionAt(12));
    addCaption(QStringLiteral("Label16"), tr("Меню"), kGrid.captionAt(13));
    // Level with the colour editor's arrows.
    addCaption(QStringLiteral("Label15"), tr("Цвет текста консоли"),
               kGrid.captionAt(14).translated(0, 24));
}

QLineEdit* OtherPage::addTextBox(const QString& objectName, const QRect& geometry) {
    return makeValueBox(this, objectName, geometry, look::sansFont(9.75), look::kListBlue);
}

OtherChoices OtherPage::choices() const {
    OtherChoices c;
    c.name = name_->text();
    c.hostname = hostname_->text();
    c.consoleMessages = consoleMessages_->currentIndex();
    c.centerId = centerId_->currentIndex();
    c.deathNoticeTime = deathNoticeTime_->valueText();
    c.fastSwitch = fastSwitch_->currentIndex();
    c.sayTextTime = sayTextTime_->valueText();
    c.radar = radar_->currentIndex();
    c.netGraph = netGraph_->currentIndex();
    c.autoAim = autoAim_->currentIndex();
    c.crosshair = crosshair_->currentIndex();
    c.showFps = showFps_->currentIndex();
    c.connection = connection_->currentIndex();
    c.menuStyle = menuStyle_->currentIndex();
    c.red = color_->value().R();
    c.green = color_->value().G();
    c.blue = color_->value().B();
    return c;
}

void OtherPage::writeSection(ConfigStream& config) {
    config.beginSection(Section::Other);
    config.writeLines(otherSectionLines(choices()));
}

} // namespace quelmar
