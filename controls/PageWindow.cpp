#include "controls/PageWindow.h"

#include "config/ConfigStream.h"
#include "controls/SpinEditor.h"
#include "ui/Look.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quelmar {

PageWindow::PageWindow(const Services& services, const QString& objectName, int width, int height,
                       QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    look::makeBorderlessWindow(this, width, height);
}

void PageWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;
    const SectionLines section = currentLines();
    services_.config.beginSection(section.section);
    services_.config.writeLines(section.lines);
    if (services_.handBack)
        services_.handBack();
}

QPushButton* PageWindow::addDoneButton(const QRect& geometry) {
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("Command2"));
    done->setGeometry(geometry);
    done->setFont(look::comicFont(9.75, true));
    connect(done, &QPushButton::clicked, this, &QWidget::close);
    return done;
}

QLabel* PageWindow::addHeading(const QString& text, const QRect& geometry) {
    auto* heading = new QLabel(text, this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(look::comicFont(14.25, true));
    heading->setGeometry(geometry);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    look::setColors(heading, look::kGreen, look::kBlack);
    return heading;
}

QLabel* PageWindow::addCaption(const QString& objectName, const QString& text,
                               const QRect& geometry, double points) {
    auto* caption = new QLabel(text, this);
    caption->setObjectName(objectName);
    caption->setGeometry(geometry);
    caption->setFont(look::comicFont(points));
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setColors(caption, look::kOrange, look::kBlack);
    return caption;
}

QComboBox* PageWindow::addList(const QString& objectName, const QStringList& items,
                               const QRect& geometry, int selected) {
    auto* list = new QComboBox(this);
    list->setObjectName(objectName);
    list->setEditable(false);
    list->addItems(items);
    list->setCurrentIndex(selected);
    list->setGeometry(geometry);
    list->setFont(look::comicFont(9, true));
    look::fitText(list, items);
    look::setColors(list, look::kListBlue, look::kBlack);
    return list;
}

SpinEditor* PageWindow::addSpinEditor(SpinKind kind, const QString& objectName,
                                      const QRect& geometry, const QString& startText) {
    auto* editor = new SpinEditor(kind, objectName, services_.dialogs, this, startText);
    editor->setGeometry(geometry);
    return editor;
}

void PageWindow::addFrame(int headingBottom, const QColor& color, int thickness) {
    auto* shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(rect());
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(thickness);
    QPalette pal = shape->palette();
    pal.setColor(QPalette::WindowText, color);
    shape->setPalette(pal);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->lower();

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(0, headingBottom, width(), thickness);
    line->setFrameShape(QFrame::HLine);
    line->setLineWidth(thickness);
    line->setPalette(pal);
    line->lower();
}

} // namespace quelmar
