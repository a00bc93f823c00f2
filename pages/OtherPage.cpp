#include "pages/OtherPage.h"

#include "ui/Look.h"

#include <QCoreApplication>
#include <QPushButton>

namespace quelmar {

namespace {

// Fifteen rows; the long captions take two lines, so their rows are taller.
const RowGrid kGrid{328,
                    {40, 64, 96, 140, 184, 220, 244, 268, 300, 336, 360, 384, 408, 432, 456},
                    QSize(130, 24),
                    QSize(81, 25)};

// A caption of two lines starts a little above its input.
QRect twoLineCaption(int row) {
    return QRect(8, kGrid.rows[row] - 8, kGrid.column - 12, 44);
}

} // namespace

QList<PageField> OtherPage::fields() {
    using F = PageField;
    const QStringList offOn = offOnItems();
    const QStringList connections = {QCoreApplication::translate("Lists", "Нет"),
                                     "14,4 kb modem",
                                     "28.4 kb modem",
                                     "33.6 kb modem",
                                     "56 kb modem",
                                     "ISDN",
                                     QCoreApplication::translate("Lists", "Кабельное соед."),
                                     "LAN"};
    // The rate each connection stands for.
    const QStringList rates = {"0", "1500", "2500", "3400", "4200", "5000", "6000", "20000"};
    return {
        F::typed("Text1", 0, {"Label3", tr("Имя или Ник")}, "name"),
        F::typed("Text2", 1, {"Label2", tr("Имя сервера")}, "hostname"),
        F::list("Combo1", 2,
                {"Label4", tr("Вывод вверхний левый угол экрана последних сообщений из консоли"),
                 twoLineCaption(2)},
                offOn, 0, {"developer"}),
        F::line("scr_conspeeder", "99999"),
        F::line("hud_capturemouse", "1"),
        F::list(
            "Combo2", 3,
            {"Label5", tr("Идентифицирующая надпись при  наведении на игрока"), twoLineCaption(3)},
            {tr("Снизу"), tr("По центру")}, 1, {"hud_centerid"}),
        F::spinner(
            "senn1", 4,
            {"Label6", tr("Время показа надписи о чьей-нидудь смерти (сек)"), twoLineCaption(4)},
            SpinKind::SENN, "hud_deathnotice_time"),
        F::list("Combo3", 5, {"Label7", tr("Режим быстрой смены оружия")}, offOn, 1,
                {"hud_fastswitch"}),
        F::spinner("SENN2", 6, {"Label8", tr("Время показа сообщения (сек)")}, SpinKind::SENN,
                   "hud_saytext_time"),
        F::list("Combo4", 7, {"Label9", tr("Радар")}, offOn, 1, {}, {"hideradar", "drawradar"}),
        F::list("Combo5", 8,
                {"Label10", tr("NetGraph (показывает различные параметры соединения)"),
                 twoLineCaption(8)},
                offOn, 0, {"net_graph"}),
        F::list("Combo6", 9, {"Label11", tr("Автоприцел")}, offOn, 0, {"sv_aim"}),
        F::list("Combo7", 10, {"Label12", tr("Прицел при приближении")}, offOn, 1, {"crosshair"}),
        F::list("Combo8", 11, {"Label13", tr("FPS в левом верхнем углу экрана ")}, offOn, 0,
                {"cl_showfps"}),
        F::list("Combo9", 12, {"Label14", tr("Соединение")}, connections, 7, {"rate"}, rates),
        F::list("Combo10", 13, {"Label16", tr("Меню")}, {tr("Текстовое"), tr("Графическое")}, 0,
                {"setinfo _vgui_menus"}),
        F::line("setinfo vgui_menus", "0"),
        // The caption level with the colour editor's arrows.
        F::colour("COLOR1", 14,
                  {"Label15", tr("Цвет текста консоли"), kGrid.captionAt(14).translated(0, 24)},
                  "con_color"),
    };
}

OtherChoices::OtherChoices() : values(startValues(OtherPage::fields())) {}

SectionTake<OtherChoices> takeOther(const ScriptSettings& script) {
    return takeSection<OtherChoices>(OtherPage::fields(), script);
}

OtherPage::OtherPage(const Services& services, const OtherChoices& start, QWidget* parent)
    : FieldPage(services, QStringLiteral("SET2"), 466, 554, Section::Other, fields(), parent) {
    addFrame(27, look::kBlue, 3);
    addHeading(tr("Остальные настройки"), QRect(113, 0, 240, 27));
    QPushButton* done = addDoneButton(QRect(8, 8, 41, 19));
    QPalette pal = done->palette();
    pal.setColor(QPalette::ButtonText, look::kBlue);
    done->setPalette(pal);
    addFields(kGrid, start.values);
}

} // namespace quelmar
