#pragma once

#include "binds/CommandTake.h"
#include "binds/KeyFieldGroup.h"
#include "binds/WheelCapture.h"
#include "controls/PageWindow.h"

#include <QList>
#include <QStringList>

class QLabel;
class QScrollBar;

namespace quelmar {

class KeyField;

// The command page "Set1": 65 command rows in six groups on a panel that a
// scroll bar moves through a viewport, each row with a "Key" and an
// "Altenate" key field. Its section, one bind line per filled field, is
// written when the page closes. The wheel over the rows scrolls them, except
// while a field listens: then the wheel anywhere over the page is the
// field's.
class CommandPage : public PageWindow {
    Q_OBJECT
  public:
    explicit CommandPage(const Services& services, const CommandStart& start = {},
                         QWidget* parent = nullptr);
    ~CommandPage() override;

    const KeyFieldGroup& fields() const { return fields_; }
    // The line over the rows' foot that says a key just captured has a job
    // elsewhere in the script already ("KeyNotice"); empty and hidden when not.
    QString notice() const;
    SectionLines currentLines() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void addColumnHeaders();
    void addViewport();
    void addScrollBar();
    QWidget* addGroup(QWidget* panel, int firstRow, int lastRow, int top);
    void addRow(QWidget* group, int row, int top);
    void addField(QWidget* group, int index, int left, int top);
    void scrollTo(int twips);
    bool takeWheel(QWheelEvent* event);
    void addNotice();
    void noteChange(int field);

    KeyFieldGroup fields_;
    WheelCapture wheel_;
    QList<KeyField*> fieldWidgets_;
    QWidget* viewport_ = nullptr;
    QWidget* panel_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QLabel* notice_ = nullptr;
    int noticeField_ = -1;
    QStringList shown_; // each field's text as last seen
};

} // namespace quelmar
