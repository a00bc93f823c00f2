#pragma once

#include <QByteArrayView>
#include <QString>

namespace quelmar {

// A piece of a script as a player reads it in a message: Windows-1251
// decoded, every control byte shown as \xNN (so no escape sequence of the
// file reaches the terminal), and cut to maxChars characters with "..." when
// longer.
QString shownText(QByteArrayView bytes, qsizetype maxChars = 60);

// Line numbers of byte offsets the way editors count lines: a line ends at
// LF, CR LF or a lone CR. Offsets are asked mostly in rising order, so that
// a whole script costs one pass.
class LineCounter {
  public:
    explicit LineCounter(QByteArrayView text) : text_(text) {}
    int lineAt(qsizetype offset);
    // The text in hand now starts where byte `dropped` of the one before
    // stood, and offsets count from there; lineAt(dropped) was asked of the
    // text before, while it was still whole.
    void moveOn(QByteArrayView text, qsizetype dropped) {
        text_ = text;
        pos_ -= dropped;
    }

  private:
    bool endsLine(qsizetype i) const;

    QByteArrayView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace quelmar
