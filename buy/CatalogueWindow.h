#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

namespace quelmar {

// The left window of the weapon page ("Form1"): six category options, the
// item groups behind them (all hidden until one is chosen), the title and
// "Done". It is the drag source of the page and writes nothing itself.
class CatalogueWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CatalogueWindow(QWidget* parent = nullptr);

    // Shows the category's group and hides the other five.
    void chooseCategory(int category);

  signals:
    // "Done" was clicked: the page's pair ends.
    void done();

  private:
    void buildGroups();
    void buildOptions();
    void buildTitleAndDone();

    QList<QWidget*> groups_;
};

} // namespace quelmar
