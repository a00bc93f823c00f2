#include "binds/CommandPage.h"

#include "binds/CommandRows.h"
#include "binds/DoubleClickLabel.h"
#include "binds/KeyField.h"
#include "ui/Look.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quelmar {

namespace {

// The page is laid out in twips, 15 to a pixel.
int px(int twips) {
    return int(std::lround(twips / 15.0));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

struct GroupPlace {
    const char* name;
    int firstRow;
    int lastRow;
    int top; // in the content panel
};

// The "communication" rows stand above "other actions" although their
// numbers come after.
constexpr GroupPlace kGroups[] = {
    {"weapons", 0, 7, 0},
    {"movement", 8, 24, 2850},
    {"menus", 25, 41, 9000},
    {"communication", 48, 54, 15120},
    {"otherActions", 42, 47, 17640},
    {"aliases", 55, 64, 19800},
};

constexpr int kWidth = 7350;
constexpr int kHeight = 8550;
constexpr int kPanelLeft = 240;
constexpr int kPanelWidth = 6615;
constexpr int kPanelHeight = 23500;
constexpr int kScrollBarHeight = 7815;
constexpr int kGroupLeft = 120;
constexpr int kGroupWidth = 6255;
constexpr int kRowPitch = 360;
constexpr int kKeyLeft = 3360;
constexpr int kAlternateLeft = 4920;
constexpr int kFieldWidth = 1185;
constexpr int kFieldHeight = 405;
constexpr int kTargetHeight = 375;

} // namespace

CommandPage::CommandPage(const Services& services, const CommandStart& start, QWidget* parent)
    : PageWindow(services, QStringLiteral("Set1"), px(kWidth), px(kHeight), parent),
      fields_(commands::kFieldCount, services.sound) {
    auto* shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(twipsRect(15, 15, 7320, 8520));
    shape->setFrameShape(QFrame::Box);
    look::setColors(shape, look::kGreen, look::kBlack);
    shape->setAutoFillBackground(false);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);

    addDoneButton(twipsRect(120, 120, 615, 285));
    addColumnHeaders();
    addViewport();
    addScrollBar();

    addNotice();

    fields_.changed = [this](int i) {
        fieldWidgets_[i]->refresh();
        noteChange(i);
    };
    fields_.focusRequested = [this](int i) { fieldWidgets_[i]->setFocus(Qt::OtherFocusReason); };
    for (int i = 0; i < start.names.size(); ++i) {
        if (!start.names[i].isEmpty())
            fields_.setStart(i, start.names[i], start.spellings.value(i));
    }
    for (int i = 0; i < fields_.count(); ++i)
        shown_.append(fields_.text(i));
}

CommandPage::~CommandPage() {
    // The fields on screen talk to fields_; they go first.
    delete viewport_;
}

SectionLines CommandPage::currentLines() const {
    return {Section::Commands, commands::bindLines(fields_)};
}

QString CommandPage::notice() const {
    return notice_->isHidden() ? QString() : notice_->text();
}

void CommandPage::addNotice() {
    // Over the foot of the rows, which the scroll bar brings up anyway: the
    // page has no free strip of its own.
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("KeyNotice"));
    notice_->setGeometry(twipsRect(120, 7815, 6840, 600));
    notice_->setFont(look::comicFont(9, true));
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setFrameShape(QFrame::Box);
    look::setColors(notice_, look::kBlack, look::kOrange);
    notice_->setAutoFillBackground(true);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice_->hide();
}

// A name the player just gave a field: said at once when another part of
// the script has the key do something else. The page's section is written
// after that part's lines, so the new job is the one that stands.
void CommandPage::noteChange(int field) {
    if (shown_.isEmpty() || shown_[field] == fields_.text(field))
        return;
    const QString name = fields_.text(field);
    shown_[field] = name;
    if (name.isEmpty()) {
        if (field == noticeField_)
            notice_->hide();
        return;
    }
    const QString held = services().keyHeld ? services().keyHeld(name) : QString();
    noticeField_ = held.isEmpty() ? -1 : field;
    notice_->setText(tr("Уже занята — %1. В игре сработает новое назначение.").arg(held));
    notice_->setVisible(!held.isEmpty());
    notice_->raise();
}

bool CommandPage::eventFilter(QObject* watched, QEvent* event) {
    // The wheel anywhere over the rows goes to the scroll bar, which a
    // listening field takes it from.
    if (watched == viewport_ && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(scrollBar_, event);
        return true;
    }
    if (watched == scrollBar_ && event->type() == QEvent::Wheel)
        return takeWheel(static_cast<QWheelEvent*>(event));
    return PageWindow::eventFilter(watched, event);
}

void CommandPage::wheelEvent(QWheelEvent* event) {
    // Over the headers and the Done button the wheel does nothing of itself.
    if (!takeWheel(event))
        event->ignore();
}

void CommandPage::keyPressEvent(QKeyEvent* event) {
    // F1 shows the key map; a listening field has taken F1 as its key
    // before it gets here.
    if (event->key() == Qt::Key_F1 && fields_.listeningField() < 0 && services().keyMap) {
        services().keyMap(this);
        return;
    }
    PageWindow::keyPressEvent(event);
}

bool CommandPage::takeWheel(QWheelEvent* event) {
    const int field = fields_.listeningField();
    const WheelUse use =
        wheel_.take(field >= 0, event->angleDelta(), event->inverted(), event->phase());
    if (use == WheelUse::Up || use == WheelUse::Down)
        fields_.wheel(field, use == WheelUse::Up ? 1 : -1);
    return use != WheelUse::Scroll;
}

void CommandPage::addColumnHeaders() {
    const struct {
        const char* name;
        const char* text;
        int left;
    } headers[] = {
        {"Label10", "Action", 1080}, {"Label2", "Key", 4005}, {"Label3", "Altenate", 5445}};
    for (const auto& header : headers) {
        auto* label = new QLabel(QString::fromLatin1(header.text), this);
        label->setObjectName(QString::fromLatin1(header.name));
        label->setFont(look::comicFont(14.25, true));
        look::setColors(label, look::kGreen, look::kBlack);
        label->setAutoFillBackground(false);
        // A header has no width of its own: it is as wide as its text,
        // counting the ink that hangs past the last letter's advance.
        label->adjustSize();
        const int ink = label->fontMetrics().boundingRect(label->text()).right() + 1;
        label->resize(std::max(label->width(), ink), label->height());
        label->move(px(header.left), 0);
    }
}

void CommandPage::addViewport() {
    viewport_ = new QWidget(this);
    viewport_->setObjectName(QStringLiteral("Picture1"));
    viewport_->setGeometry(twipsRect(120, 480, 6855, 7935));
    look::paintBlack(viewport_);
    viewport_->installEventFilter(this);

    panel_ = new QWidget(viewport_);
    panel_->setObjectName(QStringLiteral("img"));
    panel_->setGeometry(twipsRect(kPanelLeft, 0, kPanelWidth, kPanelHeight));
    look::paintBlack(panel_);

    fieldWidgets_.resize(commands::kFieldCount);
    for (const GroupPlace& group : kGroups) {
        QWidget* box = addGroup(panel_, group.firstRow, group.lastRow, group.top);
        box->setObjectName(QString::fromLatin1(group.name));
    }
}

void CommandPage::addScrollBar() {
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("V"));
    look::useProgramPalette(scrollBar_); // a grey-and-white trough, not black
    scrollBar_->setGeometry(twipsRect(6960, 600, 255, kScrollBarHeight));
    scrollBar_->setRange(0, kPanelHeight - kScrollBarHeight);
    scrollBar_->setSingleStep(500);
    scrollBar_->setPageStep(1000);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &CommandPage::scrollTo);
    scrollBar_->installEventFilter(this);
    scrollBar_->raise();
}

QWidget* CommandPage::addGroup(QWidget* panel, int firstRow, int lastRow, int top) {
    const int rows = lastRow - firstRow + 1;
    auto* group = new QWidget(panel);
    group->setGeometry(
        twipsRect(kGroupLeft, top, kGroupWidth, (rows - 1) * kRowPitch + kFieldHeight));
    look::paintBlack(group);
    for (int row = firstRow; row <= lastRow; ++row)
        addRow(group, row, (row - firstRow) * kRowPitch);
    return group;
}

void CommandPage::addRow(QWidget* group, int row, int top) {
    auto* caption = new QLabel(commands::caption(row), group);
    caption->setObjectName(QStringLiteral("KeyLab_%1").arg(row));
    caption->setGeometry(twipsRect(0, top, kKeyLeft, kFieldHeight));
    caption->setFont(row < commands::kFirstAliasRow ? look::comicFont(12.75, true)
                                                    : look::comicFont(12));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setColors(caption, look::kOrange, look::kBlack);
    caption->setAutoFillBackground(false);
    look::fitText(caption, {caption->text()});

    addField(group, commands::keyField(row), kKeyLeft, top);
    addField(group, commands::alternateField(row), kAlternateLeft, top);
}

void CommandPage::addField(QWidget* group, int index, int left, int top) {
    auto* target = new DoubleClickLabel(index, group);
    target->setGeometry(twipsRect(left, top, kFieldWidth, kTargetHeight));
    connect(target, &DoubleClickLabel::doubleClicked, this,
            [this](int i) { fields_.startCapture(i); });

    auto* field = new KeyField(fields_, index, group);
    field->setGeometry(twipsRect(left, top, kFieldWidth, kFieldHeight));
    fieldWidgets_[index] = field;
}

void CommandPage::scrollTo(int twips) {
    panel_->move(px(kPanelLeft), -px(twips));
}

} // namespace quelmar
