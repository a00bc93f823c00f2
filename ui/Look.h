#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QApplication;
class QStyle;
class QWidget;

namespace quelmar::look {

// Colours that recur across the windows.
inline const QColor kBlack(0, 0, 0);
inline const QColor kOrange(255, 128, 0); // captions
inline const QColor kGreen(0, 128, 0);    // page headings
inline const QColor kListBlue(0, 0, 192); // list and editor text, menu entries
inline const QColor kNavy(0, 0, 128);     // splash background
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kDisabledGrey(128, 128, 128);

// The classic widget style with solid button faces, for the whole program.
// main() calls it once; tests that look at pixels call it too.
void applyProgramLook(QApplication& app);

// The palette the program sets for itself: the style's own, with every role
// set, so that nothing of a desktop theme shows through.
QPalette programPalette(const QStyle& style);

// Gives a widget inside a coloured window the program's palette back, for a
// control the classic style draws in its own greys (a scroll bar).
void useProgramPalette(QWidget* widget);

// The family every caption is drawn in: "Comic Sans MS" where it is
// installed, else the embedded Comic Relief, which has the same metrics.
QString comicFamily();

// The caption font at a size given in points at 96 dots per inch. The size
// is fixed in pixels so that a window looks the same whatever DPI the screen
// reports, and the boxes laid out for it fit its text.
QFont comicFont(double points, bool bold = false);

// "MS Sans Serif" likewise, for the few plain text boxes.
QFont sansFont(double points, bool bold = false);

// Sets the widget's text a little tighter where the widest of texts would
// not fit the room across its box; the box itself keeps its laid-out size.
// The boxes are made for Comic Sans MS; its stand-in has the same advance
// widths in the Latin letters but runs up to a few pixels wider in some
// Cyrillic words.
void fitText(QWidget* widget, const QStringList& texts);

// The room across a label, button or drop-down list that its style leaves
// for the text.
int textRoom(const QWidget* widget);

// Pixel size of a point size at 96 dots per inch.
int pointsToPixels(double points);

// Sets the foreground (text) and background colours of a widget through its
// palette, for all colour groups but the disabled text, which stays grey.
void setColors(QWidget* widget, const QColor& text, const QColor& background);

// A top-level window without border or title bar, black, with a fixed client
// size, centred on the primary screen.
void makeBorderlessWindow(QWidget* window, int width, int height);

// Fills the widget's background with black.
void paintBlack(QWidget* widget);

// Where a window of the given size goes to stand in the middle of the area
// (a screen's usable part). One larger than the area goes to its top-left
// corner instead, so that its "Done" can be reached on a small screen at a
// large scale.
QPoint centredPlace(const QRect& area, QSize size);

// Where a window of the given size goes to stand at offset from the area's
// top-left corner: moved left and up as far as it must to lie inside the
// area, never past the corner.
QPoint cornerPlace(const QRect& area, QSize size, QPoint offset);

// Moves a top-level window to the middle of the primary screen's usable
// area, as centredPlace says.
void centreOnScreen(QWidget* window);

// Moves a top-level window to offset from the primary screen's usable
// corner, as cornerPlace says.
void placeFromCorner(QWidget* window, QPoint offset);

} // namespace quelmar::look
