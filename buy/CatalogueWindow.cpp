#include "buy/CatalogueWindow.h"

#include "buy/BuyLook.h"
#include "buy/CatalogueItem.h"
#include "buy/CatalogueTable.h"
#include "buy/CategoryOption.h"
#include "ui/Look.h"

#include <QPushButton>

namespace quelmar {

namespace {
constexpr int kOptionHeight = 27;
const QColor kOptionGrey(192, 192, 192);
} // namespace

CatalogueWindow::CatalogueWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Weapons"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::makeBorderlessWindow(this, 413, 431);
    look::placeFromCorner(this, QPoint(8, 5));
    buildGroups();
    buildOptions();
    buildTitleAndDone();
}

void CatalogueWindow::buildGroups() {
    for (const BuyCategory& category : buyCategories()) {
        auto* group = new QWidget(this);
        group->setObjectName(QString::fromLatin1(category.groupName));
        group->setGeometry(0, 0, 413, 265);
        group->hide();
        groups_.append(group);
    }
    for (const BuyItem& item : buyItems())
        new CatalogueItem(item, groups_.at(item.category));
}

void CatalogueWindow::buildOptions() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("Frame7"));
    box->setGeometry(0, 267, 120, 164);
    int index = 0;
    for (const BuyCategory& category : buyCategories()) {
        auto* option = new CategoryOption(QString::fromLatin1(category.caption), box);
        option->setObjectName(QString::fromLatin1(category.optionName));
        option->setGeometry(0, index * kOptionHeight, 120, kOptionHeight);
        option->setFont(look::comicFont(9, true));
        look::setColors(option, look::kBlack, kOptionGrey);
        look::fitText(option, {option->text()});
        connect(option, &QRadioButton::clicked, this, [this, index] { chooseCategory(index); });
        ++index;
    }
}

void CatalogueWindow::buildTitleAndDone() {
    buy::makeBlueLabel(this, QStringLiteral("Weapons"), QRect(136, 296, 250, 82), 44.25);
    QPushButton* done = buy::makeButton(this, "Command1", QStringLiteral("Done"),
                                        QRect(363, 411, 49, 19), look::kBlue, 9.75, true);
    connect(done, &QPushButton::clicked, this, &CatalogueWindow::done);
}

void CatalogueWindow::chooseCategory(int category) {
    for (int i = 0; i < groups_.size(); ++i)
        groups_.at(i)->setVisible(i == category);
}

} // namespace quelmar
