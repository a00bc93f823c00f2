#include "pages/OtherSection.h"

#include "config/ConfigLines.h"
#include "pages/ListItems.h"

#include <QCoreApplication>

namespace quelmar {

const QList<ConnectionRate>& connectionRates() {
    static const QList<ConnectionRate> rates = {
        {QStringLiteral(QT_TRANSLATE_NOOP("Lists", "Нет")), QStringLiteral("0")},
        {QStringLiteral("14,4 kb modem"), QStringLiteral("1500")},
        {QStringLiteral("28.4 kb modem"), QStringLiteral("2500")},
        {QStringLiteral("33.6 kb modem"), QStringLiteral("3400")},
        {QStringLiteral("56 kb modem"), QStringLiteral("4200")},
        {QStringLiteral("ISDN"), QStringLiteral("5000")},
        {QStringLiteral(QT_TRANSLATE_NOOP("Lists", "Кабельное соед.")), QStringLiteral("6000")},
        {QStringLiteral("LAN"), QStringLiteral("20000")},
    };
    return rates;
}

namespace {

// A connection outside the list (a list with nothing chosen) counts as none.
QString rateOf(int connection) {
    const QList<ConnectionRate>& rates = connectionRates();
    return connection >= 0 && connection < rates.size() ? rates[connection].rate
                                                        : rates.first().rate;
}

QString colorText(const OtherChoices& c) {
    return QStringLiteral("%1 %2 %3").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace

QStringList otherSectionLines(const OtherChoices& c) {
    QStringList lines;
    // Only an empty box leaves its line out; a name of one blank is a name.
    const QString name = typedText(c.name);
    const QString hostname = typedText(c.hostname);
    if (!name.isEmpty())
        lines << settingLine(QStringLiteral("name"), name);
    if (!hostname.isEmpty())
        lines << settingLine(QStringLiteral("hostname"), hostname);
    lines << settingLine(QStringLiteral("developer"), position(c.consoleMessages))
          << settingLine(QStringLiteral("scr_conspeeder"), QStringLiteral("99999"))
          << settingLine(QStringLiteral("hud_capturemouse"), QStringLiteral("1"))
          << settingLine(QStringLiteral("hud_centerid"), position(c.centerId))
          << settingLine(QStringLiteral("hud_deathnotice_time"), c.deathNoticeTime)
          << settingLine(QStringLiteral("hud_fastswitch"), position(c.fastSwitch))
          << settingLine(QStringLiteral("hud_saytext_time"), c.sayTextTime)
          << firstOr(c.radar, QStringLiteral("hideradar"), QStringLiteral("drawradar"))
          << settingLine(QStringLiteral("net_graph"), position(c.netGraph))
          << settingLine(QStringLiteral("sv_aim"), position(c.autoAim))
          << settingLine(QStringLiteral("crosshair"), position(c.crosshair))
          << settingLine(QStringLiteral("cl_showfps"), position(c.showFps))
          << settingLine(QStringLiteral("rate"), rateOf(c.connection))
          << settingLine(QStringLiteral("setinfo _vgui_menus"), position(c.menuStyle))
          << settingLine(QStringLiteral("setinfo vgui_menus"), QStringLiteral("0"))
          << settingLine(QStringLiteral("con_color"), colorText(c));
    return lines;
}

SectionTake<OtherChoices> takeOther(const ScriptSettings& script) {
    using C = OtherChoices;
    using F = ChoiceField<C>;
    static const std::vector<F> fields = {
        F::typed(&C::name),
        F::typed(&C::hostname),
        F::list(&C::consoleMessages, 2),
        F::list(&C::centerId, 2),
        F::spinner(&C::deathNoticeTime, SpinKind::SENN),
        F::list(&C::fastSwitch, 2),
        F::spinner(&C::sayTextTime, SpinKind::SENN),
        F::list(&C::radar, 2),
        F::list(&C::netGraph, 2),
        F::list(&C::autoAim, 2),
        F::list(&C::crosshair, 2),
        F::list(&C::showFps, 2),
        F::list(&C::connection, int(connectionRates().size())),
        F::list(&C::menuStyle, 2),
        F::colour(&C::red, &C::green, &C::blue),
    };
    return takeSection(fields, &otherSectionLines, script);
}

} // namespace quelmar
