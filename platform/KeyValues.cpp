#include "platform/KeyValues.h"

#include <QByteArray>

namespace quelmar {

namespace {

// A token's text is a view of the file, or of unescaped, when the quoted
// text held escapes.
struct Token {
    enum Kind { Text, Open, Close, End, Bad };
    Kind kind;
    QByteArrayView text = {};
};

class Reader {
  public:
    explicit Reader(QByteArrayView text) : text_(text) {
        // Notepad and some tools put a byte-order mark before UTF-8 text.
        if (text_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }

    Token next() {
        skipBlanksAndComments();
        if (pos_ >= text_.size())
            return {Token::End};
        const char c = text_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            return {c == '{' ? Token::Open : Token::Close};
        }
        return c == '"' ? quoted() : bare();
    }

  private:
    void skipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++pos_;
            } else {
                return;
            }
        }
    }

    Token quoted() {
        const qsizetype start = ++pos_;
        bool escaped = false;
        for (; pos_ < text_.size() && text_[pos_] != '"'; ++pos_) {
            if (text_[pos_] == '\\' && pos_ + 1 < text_.size()) {
                escaped = true;
                ++pos_;
            }
        }
        if (pos_ >= text_.size())
            return {Token::Bad};
        const QByteArrayView raw = text_.sliced(start, pos_++ - start);
        if (!escaped)
            return {Token::Text, raw};
        unescaped_.clear();
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 1 < raw.size())
                unescape(raw[++i]);
            else
                unescaped_ += raw[i];
        }
        return {Token::Text, unescaped_};
    }

    void unescape(char c) {
        switch (c) {
        case 'n':
            unescaped_ += '\n';
            break;
        case 't':
            unescaped_ += '\t';
            break;
        case '\\':
        case '"':
            unescaped_ += c;
            break;
        default: // not an escape Steam writes: keep it as it stands
            unescaped_ += '\\';
            unescaped_ += c;
        }
    }

    Token bare() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !QByteArrayView(" \t\r\n{}\"").contains(text_[pos_]))
            ++pos_;
        return {Token::Text, text_.sliced(start, pos_ - start)};
    }

    QByteArrayView text_;
    qsizetype pos_ = 0;
    QByteArray unescaped_;
};

} // namespace

bool parseKeyValues(
    QByteArrayView text,
    const std::function<void(const QStringList& keys, const QString& value)>& take) {
    Reader reader(text);
    // The open blocks' keys, then for a moment the key of the value at hand.
    QStringList keys;
    int depth = 0;
    for (Token key = reader.next(); key.kind != Token::End; key = reader.next()) {
        if (key.kind == Token::Close && depth > 0) {
            keys.removeLast();
            --depth;
            continue;
        }
        if (key.kind != Token::Text)
            return false;
        keys.append(QString::fromUtf8(key.text));
        const Token value = reader.next();
        if (value.kind == Token::Open) {
            if (++depth > kMaxKeyValueDepth)
                return false;
        } else if (value.kind == Token::Text) {
            take(keys, QString::fromUtf8(value.text));
            keys.removeLast();
        } else {
            return false;
        }
    }
    return depth == 0;
}

} // namespace quelmar
