#include "controls/KeyCap.h"

#include "config/ScriptCodePage.h"
#include "ui/Look.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>

namespace quelmar {

namespace {

const QColor kFreeEdge(96, 96, 96);
const QColor kFreeInk(160, 160, 160);

} // namespace

KeyCap::KeyCap(const QByteArray& key, const QString& label, const QString& letter,
               const QList<KeyJob>& jobs, QWidget* parent)
    : QWidget(parent), key_(key), label_(label), letter_(letter), jobs_(jobs) {
    setObjectName(QStringLiteral("Key_") + QString::fromLatin1(key));
    setCursor(Qt::PointingHandCursor);
}

// The colours of the command page's key fields, the weapon page's orange,
// the headings' green and the greyed entries' grey.
QColor KeyCap::faceOf(KeyOrigin origin) {
    switch (origin) {
    case KeyOrigin::Commands:
        return QColor(192, 192, 255);
    case KeyOrigin::Weapons:
        return look::kOrange;
    case KeyOrigin::Kept:
        return look::kGreen;
    case KeyOrigin::Program:
        break;
    }
    return look::kDisabledGrey;
}

QColor KeyCap::inkOf(KeyOrigin origin) {
    switch (origin) {
    case KeyOrigin::Commands:
        return QColor(192, 0, 0);
    case KeyOrigin::Kept:
        return Qt::white;
    default:
        return look::kBlack;
    }
}

const KeyJob* KeyCap::working() const {
    const auto found =
        std::find_if(jobs_.begin(), jobs_.end(), [](const KeyJob& job) { return !job.unknown; });
    return found == jobs_.end() ? nullptr : &*found;
}

bool KeyCap::isBoundMoreThanOnce() const {
    return std::any_of(jobs_.begin(), jobs_.end(),
                       [](const KeyJob& job) { return job.boundMoreThanOnce(); }) ||
           (working() && hasJobNotWorking());
}

bool KeyCap::hasJobNotWorking() const {
    return std::any_of(jobs_.begin(), jobs_.end(), [](const KeyJob& job) { return job.unknown; });
}

QColor KeyCap::face() const {
    const KeyJob* job = working();
    return job ? faceOf(job->origin) : look::kBlack;
}

void KeyCap::setChosen(bool chosen) {
    chosen_ = chosen;
    update();
}

QStringList KeyCap::fittedLines(const QString& label, int width, int reserved) {
    // Where a console name may break: after "KP_" and "MWHEEL", before
    // "ARROW" and "LOCK".
    static const QRegularExpression parts(QStringLiteral("(?<=KP_|MWHEEL)|(?=ARROW|LOCK)"));
    const QStringList pieces = label.split(parts, Qt::SkipEmptyParts);
    for (int pixels = 10; pixels >= 7; --pixels) {
        QFont font = look::comicFont(7.5, true);
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const auto fits = [&](const QString& text, int room) {
            return metrics.horizontalAdvance(text) <= room;
        };
        labelPixels_ = pixels;
        if (fits(label, width - reserved))
            return {label};
        QStringList lines{QString()};
        for (const QString& piece : pieces) {
            if (!lines.last().isEmpty() && !fits(lines.last() + piece, width))
                lines.append(QString());
            lines.last() += piece;
        }
        const bool all = std::all_of(lines.begin(), lines.end(),
                                     [&](const QString& line) { return fits(line, width); });
        if (all && lines.size() <= 2 + (pixels <= 8))
            return lines;
    }
    return {label};
}

void KeyCap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const KeyJob* job = working();
    const QRect box = rect().adjusted(0, 0, -1, -1);
    const QColor ink = job ? inkOf(job->origin) : kFreeInk;
    p.fillRect(box, face());
    // The edge: white when chosen, red and broken under a job that does
    // not work, grey for a free key, black around a coloured one.
    QPen edge(chosen_ ? QColor(Qt::white) : job ? look::kBlack : kFreeEdge);
    if (hasJobNotWorking() && !chosen_) {
        edge = QPen(look::kRed, 2, Qt::DashLine);
        p.setPen(edge);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    } else {
        edge.setWidth(chosen_ ? 2 : 1);
        p.setPen(edge);
        p.drawRect(chosen_ ? rect().adjusted(1, 1, -1, -1) : box);
    }

    const QRect inside = rect().adjusted(3, 2, -3, -2);
    // The console's name, as large as it fits, broken where its parts meet
    // when it fits no other way.
    const QStringList lines = fittedLines(label_, inside.width(), letter_.isEmpty() ? 0 : 10);
    QFont name = look::comicFont(7.5, true);
    name.setPixelSize(labelPixels_);
    p.setFont(name);
    p.setPen(ink);
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRect(inside.left(), inside.top() + i * (labelPixels_ + 1), inside.width(),
                         labelPixels_ + 4),
                   Qt::AlignLeft | Qt::AlignTop, lines[i]);
    if (!letter_.isEmpty()) {
        p.setPen(job ? ink : look::kOrange);
        p.setFont(look::comicFont(7.5, true));
        p.drawText(inside, Qt::AlignRight | Qt::AlignTop, letter_);
    }
    const KeyJob* shown = job ? job : jobs_.isEmpty() ? nullptr : &jobs_.first();
    if (shown) {
        QFont small = look::comicFont(6.75);
        small.setStrikeOut(!job);
        p.setFont(small);
        p.setPen(job ? ink : look::kRed);
        const QString command = fromScriptCodePage(shown->command);
        p.drawText(inside, Qt::AlignLeft | Qt::AlignBottom,
                   p.fontMetrics().elidedText(command, Qt::ElideRight, inside.width() - 6));
    }
    if (isBoundMoreThanOnce()) {
        // A red corner: the key has more than one job.
        QPainterPath corner;
        corner.moveTo(width(), height() - 9);
        corner.lineTo(width(), height());
        corner.lineTo(width() - 9, height());
        corner.closeSubpath();
        p.fillPath(corner, look::kRed);
    }
}

void KeyCap::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
}

void KeyCap::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(this);
}

} // namespace quelmar
