#pragma once

#include "config/ConfigLines.h"
#include "ui/Services.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace quelmar {

class ConfigStream;
class SpinEditor;
enum class SpinKind;

// The pattern every settings page follows: a borderless black window centred
// on the screen, a green heading, "Done" at the top left, orange captions on
// the left and inputs in a column on the right.
//
// Closing the window by any way (Done, a window-manager close, Alt+F4) unloads
// the page: its section is written exactly once, the window is deleted, and
// the page is handed back to whoever opened it, so the player is never left
// without a window.
class PageWindow : public QWidget {
    Q_OBJECT
  public:
    PageWindow(const Services& services, const QString& objectName, int width, int height,
               QWidget* parent = nullptr);

    // The page's whole section as it would write it closing now, from its
    // current choices; nothing is written.
    virtual SectionLines currentLines() const = 0;

  protected:
    void closeEvent(QCloseEvent* event) override;
    const Services& services() const { return services_; }

    // "Done" (object name "Command2"): closes the page.
    QPushButton* addDoneButton(const QRect& geometry);
    // The green heading "Label1".
    QLabel* addHeading(const QString& text, const QRect& geometry);
    // An orange caption at the left.
    QLabel* addCaption(const QString& objectName, const QString& text, const QRect& geometry,
                       double points = 12);
    // A drop-down list that takes no typed text: black, blue bold text.
    QComboBox* addList(const QString& objectName, const QStringList& items, const QRect& geometry,
                       int selected);
    // A spin editor; its warnings go through the page's dialogs.
    SpinEditor* addSpinEditor(SpinKind kind, const QString& objectName, const QRect& geometry,
                              const QString& startText);
    // The rectangle along the window's edge and the line under the heading.
    void addFrame(int headingBottom, const QColor& color, int thickness = 1);

  private:
    Services services_;
    bool unloaded_ = false;
};

} // namespace quelmar
