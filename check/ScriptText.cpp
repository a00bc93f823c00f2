#include "check/ScriptText.h"

#include "config/ScriptCodePage.h"

#include <array>

namespace quelmar {
namespace {

const std::array<QString, 256>& byteTexts() {
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> table;
        for (int b = 0; b < 256; ++b) {
            table[b] = b < 32 || b == 127 ? QStringLiteral("\\x%1").arg(b, 2, 16, QChar(u'0'))
                                          : fromScriptCodePage(QByteArray(1, char(b)));
        }
        return table;
    }();
    return texts;
}

} // namespace

QString shownText(QByteArrayView bytes, qsizetype maxChars) {
    QString text;
    for (const char c : bytes) {
        if (text.size() >= maxChars) {
            text += QStringLiteral("...");
            break;
        }
        text += byteTexts()[static_cast<unsigned char>(c)];
    }
    return text;
}

bool LineCounter::endsLine(qsizetype i) const {
    return text_[i] == '\n' ||
           (text_[i] == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n'));
}

int LineCounter::lineAt(qsizetype offset) {
    offset = qBound(qsizetype(0), offset, text_.size());
    for (; pos_ < offset; ++pos_)
        line_ += endsLine(pos_);
    for (; pos_ > offset; --pos_)
        line_ -= endsLine(pos_ - 1);
    return line_;
}

} // namespace quelmar
