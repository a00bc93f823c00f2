#include "app/MainMenu.h"

#include "app/FlameView.h"
#include "app/KeyJobWords.h"
#include "app/MenuEntry.h"
#include "config/ScriptCodePage.h"
#include "controls/KeyMapWindow.h"
#include "controls/PageWindow.h"
#include "platform/KeyboardLayout.h"
#include "platform/SoundCue.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace quelmar {

namespace {

// A label that keeps every press to itself, so that a right press on the
// heading does not count as a press on the menu's background.
class PlainLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace

MainMenu::MainMenu(ConfigStream& config, Dialogs& dialogs, SoundCue& sound, PageFactory pages,
                   QWidget* parent)
    : QWidget(parent), config_(config), dialogs_(dialogs), sound_(sound),
      session_(config, dialogs, sound), pages_(std::move(pages)) {
    session_.setDialogParent(this);
    // A script opened while the menu stands is reported at once; one given
    // at start, once the menu shows.
    connect(&session_, &Session::reportDue, this, [this] {
        if (isVisible())
            session_.tellOpenedReport();
    });
    connect(&session_, &Session::writeFailed, this, [this] {
        hide();
        emit writeFailed();
    });
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Quelmar"));
    // A title bar with a close button only: no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(203, 323);
    setAcceptDrops(true);
    look::paintBlack(this);
    look::centreOnScreen(this);
    buildControls();
}

MainMenu::~MainMenu() = default;

void MainMenu::buildControls() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(16, 8, 177, 257);
    frame->setFrameShape(QFrame::NoFrame);

    auto* heading = new PlainLabel(tr("Настройки:"), frame);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(16, 0, 107, 27);
    heading->setFont(look::comicFont(14.25, true));
    look::setColors(heading, look::kRed, look::kBlack);

    for (const MenuPageEntry& place : menuPageEntries()) {
        auto* entry = new MenuEntry(QString::fromLatin1(place.entry),
                                    QCoreApplication::translate("MenuTable", place.caption),
                                    place.geometry, look::kListBlue, 12, false, frame);
        connect(entry, &MenuEntry::clicked, this, [this, &place] { openPage(place); });
        entries_.append(entry);
    }

    // Below the pages: what every key does. It changes nothing, so it never greys.
    auto* keys = new MenuEntry(QStringLiteral("Command10"), tr("Клавиши"), QRect(40, 200, 64, 23),
                               look::kListBlue, 12, false, frame);
    connect(keys, &MenuEntry::clicked, this, [this] {
        showKeyMap(this);
        sound_.play(Cue::PageOpened);
    });
    entries_.append(keys);

    auto* save = new MenuEntry(QStringLiteral("Command3"), tr("Сохранить"), QRect(16, 232, 96, 27),
                               look::kRed, 14.25, true, frame);
    connect(save, &MenuEntry::clicked, this, [this] {
        if (session_.save())
            close();
    });
    entries_.append(save);

    flame_ = new FlameView(this);
    flame_->setObjectName(QStringLiteral("Picture1"));
    flame_->setGeometry(0, 272, 207, 57);

    // Out of sight beyond the right edge: only Timer2 ever presses it.
    command9_ = new QPushButton(QStringLiteral("Command9"), this);
    command9_->setObjectName(QStringLiteral("Command9"));
    command9_->setGeometry(256, 16, 17, 17);
    command9_->setFocusPolicy(Qt::NoFocus);
    connect(command9_, &QPushButton::clicked, this, [this] {
        flame_->start();
        emit flameStarted();
    });

    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(1);
    timer2_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, [this] {
        timer2_.stop();
        command9_->click();
    });
}

bool MainMenu::load(QString* error) {
    if (!session_.load(error))
        return false;
    flame_->seed();
    timer2_.start();
    return true;
}

MenuEntry* MainMenu::entry(const QString& name) const {
    for (MenuEntry* e : entries_) {
        if (e->objectName() == name)
            return e;
    }
    return nullptr;
}

void MainMenu::openPage(const MenuPageEntry& place) {
    // What the rest of the script gives keys as the page opens: nothing
    // else changes while it is open. The page's section counts as open, so
    // the keys an opened script gave the page are the page's own.
    std::function<QString(const QString&)> keyHeld;
    PageStarts starts = session_.pageStarts();
    if (place.section == Section::Commands || place.section == Section::BuyWeapons) {
        auto jobs =
            std::make_shared<const KeyJobs>(session_.keyJobs(SectionLines{place.section, {}}));
        keyHeld = [jobs, own = originOf(place.section)](const QString& name) {
            const std::optional<KeyJob::Earlier> held =
                jobs->heldElsewhere(toScriptCodePage(name), own);
            return held ? heldText(name, *held) : QString();
        };
        dropStartsGivenSince(*jobs, starts);
    }
    const Services services{
        config_,
        dialogs_,
        sound_,
        [this, entry = QString::fromLatin1(place.entry)] { ReturnToMainMenu(entry); },
        [this](QWidget* over) { showKeyMap(over); },
        keyHeld};
    const QList<QWidget*> windows =
        pages_ ? pages_(place.page, services, starts) : QList<QWidget*>{};
    if (windows.isEmpty())
        return;
    for (QWidget* window : windows)
        window->show();
    hide();
    sound_.play(Cue::PageOpened);
}

// A key an opened script gave one of the two key pages, which the player
// has since given a job on the other: the later choice stands, so the page
// does not bring the script's back (its section would come last).
void MainMenu::dropStartsGivenSince(const KeyJobs& jobs, PageStarts& starts) {
    const auto givenOn = [&](const QString& name, KeyOrigin other) {
        const std::optional<KeyJob::Earlier> held =
            jobs.heldElsewhere(toScriptCodePage(name), KeyOrigin::Kept);
        return held && held->origin == other;
    };
    CommandStart& commands = starts.commands;
    for (qsizetype i = 0; i < commands.names.size(); ++i) {
        const QString spelling = commands.spellings.value(i);
        if (givenOn(spelling.isEmpty() ? commands.names[i] : spelling, KeyOrigin::Weapons)) {
            commands.names[i].clear();
            if (i < commands.spellings.size())
                commands.spellings[i].clear();
        }
    }
    starts.buyRecords.removeIf([&](const QString& record) {
        return givenOn(record.section(u'"', 1, 1), KeyOrigin::Commands);
    });
}

void MainMenu::ReturnToMainMenu(const QString& entryName) {
    if (MenuEntry* e = entry(entryName))
        e->setEnabled(false);
    if (!session_.hasFailed()) // the program is ending; no menu to come back to
        show();
}

void MainMenu::showKeyMap(QWidget* over) {
    std::optional<SectionLines> open;
    if (const auto* page = qobject_cast<const PageWindow*>(over))
        open = page->currentLines();
    auto* map = new KeyMapWindow(session_.keyJobs(open), ownLayoutLetters(), over);
    map->setWindowModality(Qt::ApplicationModal);
    map->show();
}

void MainMenu::showAbout() {
    dialogs_.message(this, QStringLiteral("    Made by Vorel"), QString());
    sound_.play(Cue::AboutClosed);
}

void MainMenu::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A script given at start is reported once the menu stands on screen.
    if (session_.isReportDue())
        QTimer::singleShot(0, &session_, &Session::tellOpenedReport);
}

void MainMenu::dragEnterEvent(QDragEnterEvent* event) {
    // Anything may come; what is not a script gets a word when dropped.
    event->acceptProposedAction();
}

void MainMenu::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    session_.drop(event->mimeData()->urls());
}

void MainMenu::mousePressEvent(QMouseEvent* event) {
    // Presses on the background and on Frame1 end up here; entries, the
    // heading and the flame keep theirs.
    event->accept();
    if (event->button() == Qt::RightButton)
        showAbout();
}

void MainMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_ || session_.hasFailed())
        return;
    unloaded_ = true;
    emit unloaded();
}

} // namespace quelmar
