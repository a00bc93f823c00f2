#include "controls/KeyMapWindow.h"

#include "config/ScriptCodePage.h"
#include "controls/KeyCap.h"
#include "ui/Look.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace quelmar {

namespace {

// The keyboard's pitch across and down: one key and the gap beside it.
constexpr int kUnit = 36;
constexpr int kRow = 42;
constexpr int kGap = 2;
constexpr int kLeft = 12;
constexpr int kTop = 44;
constexpr int kWidth = 1025;
constexpr int kHeight = 468;

// A key of the drawing: the console's key (empty for one the console has
// no name for; a name it does not know, for a key whose binds do nothing),
// its label, and its place in units. us: the US layout's character on it,
// for the player's own layout's letter.
struct Place {
    QByteArray key;
    QString label;
    double x, y, w = 1, h = 1;
    char us = 0;
};

// A row of one-character keys from x, one unit apart.
void row(QList<Place>& places, const char* keys, double x, double y) {
    for (const char* k = keys; *k; ++k, x += 1)
        places.append({QByteArray(1, *k), QString(QChar(*k)), x, y, 1, 1, *k});
}

const QList<Place>& keyboard() {
    static const QList<Place> places = [] {
        QList<Place> p{{"ESCAPE", "ESCAPE", 0, 0}};
        for (int i = 0; i < 12; ++i) {
            const QString f = QStringLiteral("F%1").arg(i + 1);
            p.append({f.toLatin1(), f, 2 + i + (i / 4) * 0.5, 0});
        }
        p.append({{"", "", 15.25, 0},
                  {"SCROLLOCK", "SCROLLOCK", 16.25, 0},
                  {"PAUSE", "PAUSE", 17.25, 0}});
        row(p, "`1234567890-=", 0, 1.5);
        p.append({"BACKSPACE", "BACKSPACE", 13, 1.5, 2});
        p.append({"TAB", "TAB", 0, 2.5, 1.5});
        row(p, "qwertyuiop[]", 1.5, 2.5);
        p.append({"\\", "\\", 13.5, 2.5, 1.5, 1, '\\'});
        p.append({"CAPSLOCK", "CAPSLOCK", 0, 3.5, 1.75});
        row(p, "asdfghjkl;'", 1.75, 3.5);
        p.append({"ENTER", "ENTER", 12.75, 3.5, 2.25});
        p.append({"SHIFT", "SHIFT", 0, 4.5, 2.25});
        row(p, "zxcvbnm,./", 2.25, 4.5);
        p.append({"SHIFT", "SHIFT", 12.25, 4.5, 2.75});
        p.append({{"CTRL", "CTRL", 0, 5.5, 1.25},
                  {"", "", 1.25, 5.5, 1.25},
                  {"ALT", "ALT", 2.5, 5.5, 1.25},
                  {"SPACE", "SPACE", 3.75, 5.5, 6.25},
                  {"ALT", "ALT", 10, 5.5, 1.25},
                  {"", "", 11.25, 5.5, 1.25},
                  {"", "", 12.5, 5.5, 1.25},
                  {"CTRL", "CTRL", 13.75, 5.5, 1.25}});
        const double nav = 15.25;
        p.append({{"INS", "INS", nav, 1.5},
                  {"HOME", "HOME", nav + 1, 1.5},
                  {"PGUP", "PGUP", nav + 2, 1.5},
                  {"DEL", "DEL", nav, 2.5},
                  {"END", "END", nav + 1, 2.5},
                  {"PGDN", "PGDN", nav + 2, 2.5},
                  {"UPARROW", "UPARROW", nav + 1, 4.5},
                  {"LEFTARROW", "LEFTARROW", nav, 5.5},
                  {"DOWNARROW", "DOWNARROW", nav + 1, 5.5},
                  {"RIGHTARROW", "RIGHTARROW", nav + 2, 5.5}});
        const double pad = 18.5;
        p.append({{"?NUM LOCK", "NUM", pad, 1.5},
                  {"KP_SLASH", "KP_SLASH", pad + 1, 1.5},
                  {"*", "*", pad + 2, 1.5},
                  {"KP_MINUS", "KP_MINUS", pad + 3, 1.5},
                  {"KP_HOME", "KP_HOME", pad, 2.5},
                  {"KP_UPARROW", "KP_UPARROW", pad + 1, 2.5},
                  {"KP_PGUP", "KP_PGUP", pad + 2, 2.5},
                  {"KP_PLUS", "KP_PLUS", pad + 3, 2.5, 1, 2},
                  {"KP_LEFTARROW", "KP_LEFTARROW", pad, 3.5},
                  {"KP_5", "KP_5", pad + 1, 3.5},
                  {"KP_RIGHTARROW", "KP_RIGHTARROW", pad + 2, 3.5},
                  {"KP_END", "KP_END", pad, 4.5},
                  {"KP_DOWNARROW", "KP_DOWNARROW", pad + 1, 4.5},
                  {"KP_PGDN", "KP_PGDN", pad + 2, 4.5},
                  {"KP_ENTER", "KP_ENTER", pad + 3, 4.5, 1, 2},
                  {"KP_INS", "KP_INS", pad, 5.5, 2},
                  {"KP_DEL", "KP_DEL", pad + 2, 5.5}});
        return p;
    }();
    return places;
}

// The mouse's buttons and wheel, in units from the mouse's corner.
const QList<Place>& mouse() {
    static const QList<Place> places{
        {"MOUSE1", "MOUSE1", 0, 0, 1.5, 3},   {"MWHEELUP", "MWHEELUP", 1.5, 0, 1.5, 1},
        {"MOUSE3", "MOUSE3", 1.5, 1, 1.5, 1}, {"MWHEELDOWN", "MWHEELDOWN", 1.5, 2, 1.5, 1},
        {"MOUSE2", "MOUSE2", 3, 0, 1.5, 3},   {"MOUSE5", "MOUSE5", 0, 3.5, 1.5, 1},
        {"MOUSE4", "MOUSE4", 0, 4.5, 1.5, 1},
    };
    return places;
}

QRect unitBox(QPoint corner, double x, double y, double w, double h) {
    const auto across = [](double units) { return int(std::lround(units * kUnit)); };
    const auto down = [](double units) { return int(std::lround(units * kRow)); };
    return QRect(corner.x() + across(x), corner.y() + down(y), across(w) - kGap, down(h) - kGap);
}

QString originText(KeyOrigin origin) {
    switch (origin) {
    case KeyOrigin::Commands:
        return KeyMapWindow::tr("страница «Управление»");
    case KeyOrigin::Weapons:
        return KeyMapWindow::tr("«Закупка оружия»");
    case KeyOrigin::Kept:
        return KeyMapWindow::tr("строка открытого сценария");
    case KeyOrigin::Program:
        break;
    }
    return KeyMapWindow::tr("строка самой программы");
}

// A label as wide as its text, the ink that hangs past the last letter's
// advance included.
void fitWidth(QLabel* label) {
    label->adjustSize();
    const int ink = label->fontMetrics().boundingRect(label->text()).right() + 2;
    label->resize(std::max(label->width(), ink), label->height());
}

QString quoted(const QByteArray& command) {
    return KeyMapWindow::tr("«%1»").arg(fromScriptCodePage(command));
}

} // namespace

QString keyJobText(const QString& label, const QList<KeyJob>& jobs) {
    if (jobs.isEmpty())
        return KeyMapWindow::tr("%1: свободна.").arg(label);
    QStringList lines;
    for (const KeyJob& job : jobs) {
        const QString name = job.unknown || label.isEmpty() ? fromScriptCodePage(job.name) : label;
        QString line = KeyMapWindow::tr("%1: %2. Откуда: %3.")
                           .arg(name, quoted(job.command), originText(job.origin));
        if (!job.replaced.isEmpty()) {
            QStringList earlier;
            for (const KeyJob::Earlier& e : job.replaced)
                earlier << KeyMapWindow::tr("%1 (%2)").arg(quoted(e.command), originText(e.origin));
            line +=
                u' ' + KeyMapWindow::tr("Заменяет: %1.").arg(earlier.join(QStringLiteral(", ")));
        }
        if (job.unknown) {
            line +=
                u' ' + KeyMapWindow::tr("Не работает: консоль не знает клавиши с таким именем.");
            if (!job.meant.isEmpty())
                line += u' ' + KeyMapWindow::tr("Её имя для этой клавиши — %1.")
                                   .arg(QString::fromLatin1(job.meant));
        }
        lines << line;
    }
    return lines.join(u'\n');
}

KeyMapWindow::KeyMapWindow(const KeyJobs& jobs, const QHash<char, QString>& letters,
                           QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("KeyMap"));
    setWindowTitle(tr("Клавиши"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::makeBorderlessWindow(this, kWidth, kHeight);

    auto* shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(rect().adjusted(1, 1, -1, -1));
    shape->setFrameShape(QFrame::Box);
    look::setColors(shape, look::kGreen, look::kBlack);
    shape->setAutoFillBackground(false);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("Command2"));
    done->setGeometry(8, 8, 41, 19);
    done->setFont(look::comicFont(9.75, true));
    connect(done, &QPushButton::clicked, this, &QWidget::close);

    auto* heading = new QLabel(tr("Что делает каждая клавиша"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(look::comicFont(14.25, true));
    heading->setGeometry(60, 4, kWidth - 120, 30);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    look::setColors(heading, look::kGreen, look::kBlack);

    addKeyboard(jobs, letters);
    addOthers(jobs);
    addLegend();

    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("Detail"));
    detail_->setGeometry(kLeft, kHeight - 76, kWidth - 2 * kLeft, 68);
    detail_->setFont(look::comicFont(9));
    detail_->setWordWrap(true);
    detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    look::setColors(detail_, look::kOrange, look::kBlack);
    detail_->setText(tr("Нажмите на клавишу, чтобы увидеть её команду целиком."));
}

KeyCap* KeyMapWindow::addCap(const QByteArray& key, const QString& label, const QString& letter,
                             const QList<KeyJob>& jobs, const QRect& box) {
    auto* cap = new KeyCap(key, label, letter, jobs, this);
    cap->setGeometry(box);
    connect(cap, &KeyCap::clicked, this, &KeyMapWindow::choose);
    caps_.append(cap);
    return cap;
}

void KeyMapWindow::addKeyboard(const KeyJobs& jobs, const QHash<char, QString>& letters) {
    const auto jobsOn = [&](const QByteArray& key) {
        QList<KeyJob> on;
        if (!key.isEmpty()) {
            for (const KeyJob* job : jobs.on(key))
                on.append(*job);
        }
        return on;
    };
    const QPoint corner(kLeft, kTop);
    for (const Place& place : keyboard()) {
        const QByteArray& key = place.key;
        KeyCap* cap = addCap(key, place.label, place.us ? letters.value(place.us) : QString(),
                             jobsOn(key), unitBox(corner, place.x, place.y, place.w, place.h));
        // Keys of one console name (the two Shifts) share an object name;
        // keys with none are only drawn.
        if (key.isEmpty())
            cap->setEnabled(false);
    }
    const QPoint mouseCorner(kLeft + int(23.25 * kUnit), kTop + kRow / 2);
    mouse_ = QRect(mouseCorner, QSize(int(4.5 * kUnit) - kGap, int(5.5 * kRow) - kGap));
    for (const Place& place : mouse())
        addCap(place.key, place.label, QString(), jobsOn(place.key),
               unitBox(mouseCorner, place.x, place.y, place.w, place.h));
}

void KeyMapWindow::addOthers(const KeyJobs& jobs) {
    QSet<QByteArray> drawn;
    for (const KeyCap* cap : std::as_const(caps_))
        drawn.insert(cap->key());
    auto* caption = new QLabel(tr("Другие имена:"), this);
    caption->setObjectName(QStringLiteral("Label2"));
    caption->setFont(look::comicFont(9, true));
    look::setColors(caption, look::kOrange, look::kBlack);
    fitWidth(caption);
    const int y = kTop + int(6.5 * kRow) + 8;
    caption->move(kLeft, y + 6);
    int x = kLeft + caption->width() + 8;
    QList<KeyJob> others;
    for (const KeyJob& job : jobs.jobs()) {
        if (!drawn.contains(job.key) && (job.meant.isEmpty() || !drawn.contains(job.meant)))
            others.append(job);
    }
    const QFontMetrics metrics(look::comicFont(7.5, true));
    const int room = kWidth - kLeft - (kUnit * 2 + kGap + 2); // a last key for the rest
    for (qsizetype i = 0; i < others.size(); ++i) {
        const KeyJob& job = others[i];
        const QString label = fromScriptCodePage(job.unknown ? job.name : job.key);
        const int width = std::max(kUnit * 2, metrics.horizontalAdvance(label) + 10);
        if (x + width > (i + 1 < others.size() ? room : kWidth - kLeft)) {
            // What finds no room: one key that says them all when clicked.
            addCap("more", QStringLiteral("+%1").arg(others.size() - i), QString(), others.mid(i),
                   QRect(x, y, kUnit * 2, kRow - kGap));
            x += kUnit * 2;
            break;
        }
        addCap(job.key, label, QString(), {job}, QRect(x, y, width, kRow - kGap));
        x += width + kGap + 2;
    }
    caption->setVisible(x > kLeft + caption->width() + 8);
}

void KeyMapWindow::addLegend() {
    const struct {
        QColor face;
        QString text;
        bool edge; // a dashed red edge
        bool corner;
    } items[] = {
        {KeyCap::faceOf(KeyOrigin::Commands), tr("Управление"), false, false},
        {KeyCap::faceOf(KeyOrigin::Weapons), tr("Закупка оружия"), false, false},
        {KeyCap::faceOf(KeyOrigin::Kept), tr("Строка сценария"), false, false},
        {KeyCap::faceOf(KeyOrigin::Program), tr("Сама программа"), false, false},
        {look::kBlack, tr("Свободна"), false, false},
        {look::kBlack, tr("Не раз"), false, true},
        {look::kBlack, tr("Не работает"), true, false},
    };
    int x = kLeft;
    const int y = kTop + int(7.5 * kRow) + 12;
    int index = 0;
    for (const auto& item : items) {
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("Swatch_%1").arg(index));
        swatch->setGeometry(x, y + 2, 16, 16);
        QPixmap picture(16, 16);
        picture.fill(item.face);
        QPainter p(&picture);
        p.setPen(item.edge ? QPen(look::kRed, 2, Qt::DashLine) : QPen(QColor(96, 96, 96)));
        p.drawRect(item.edge ? QRect(1, 1, 14, 14) : QRect(0, 0, 15, 15));
        if (item.corner) {
            const QPoint corner[] = {QPoint(16, 9), QPoint(16, 16), QPoint(9, 16)};
            p.setBrush(look::kRed);
            p.setPen(Qt::NoPen);
            p.drawPolygon(corner, 3);
        }
        p.end();
        swatch->setPixmap(picture);
        auto* text = new QLabel(item.text, this);
        text->setObjectName(QStringLiteral("Legend_%1").arg(index++));
        text->setFont(look::comicFont(9));
        look::setColors(text, look::kOrange, look::kBlack);
        fitWidth(text);
        text->move(x + 20, y);
        x += 20 + text->width() + 16;
    }
}

KeyCap* KeyMapWindow::cap(const QByteArray& key) const {
    for (KeyCap* c : caps_) {
        if (c->key() == key)
            return c;
    }
    return nullptr;
}

QString KeyMapWindow::detail() const {
    return detail_->text();
}

void KeyMapWindow::choose(KeyCap* chosen) {
    for (KeyCap* c : std::as_const(caps_))
        c->setChosen(c == chosen);
    // The key for the rest of the row below names each job's key.
    detail_->setText(
        keyJobText(chosen->key() == "more" ? QString() : chosen->label(), chosen->jobs()));
}

void KeyMapWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void KeyMapWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The mouse's body around its buttons.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(96, 96, 96), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(mouse_.adjusted(-5, -5, 5, 5), kUnit, kUnit);
}

} // namespace quelmar
