#pragma once

#include <QColor>
#include <QFont>

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

// "Comic Sans MS" at a size given in points at 96 dots per inch. The size is
// fixed in pixels so that a window looks the same whatever DPI the screen
// reports; where the font is missing, fontconfig picks its stand-in.
QFont comicFont(double points, bool bold = false);

// "MS Sans Serif" likewise, for the few plain text boxes.
QFont sansFont(double points, bool bold = false);

// Widens a label whose text does not fit its given width, keeping its place.
// The widths are made for Comic Sans MS; a stand-in font (DejaVu for
// Cyrillic where Comic Sans is missing) runs wider and must not be clipped.
void fitWidth(QWidget* label);

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

// Moves a top-level window to the middle of the primary screen.
void centreOnScreen(QWidget* window);

} // namespace quelmar::look
