#include "platform/KeyValues.h"

namespace quelmar {

namespace {

struct Token {
    enum Kind { Text, Open, Close, End, Bad };
    Kind kind;
    QByteArray text;
};

class Reader {
  public:
    explicit Reader(const QByteArray& text) : text_(text) {
        // Notepad and some tools put a byte-order mark before UTF-8 text.
        if (text_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }

    Token next() {
        skipBlanksAndComments();
        if (pos_ >= text_.size())
            return {Token::End, {}};
        const char c = text_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            return {c == '{' ? Token::Open : Token::Close, {}};
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
        QByteArray out;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return {Token::Text, out};
            }
            if (c == '\\' && pos_ + 1 < text_.size())
                out += unescaped(text_[++pos_]);
            else
                out += c;
        }
        return {Token::Bad, {}};
    }

    static QByteArray unescaped(char c) {
        switch (c) {
        case 'n':
            return "\n";
        case 't':
            return "\t";
        case '\\':
        case '"':
            return QByteArray(1, c);
        default: // not an escape Steam writes: keep it as it stands
            return QByteArray("\\") + c;
        }
    }

    Token bare() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !QByteArrayView(" \t\r\n{}\"").contains(text_[pos_]))
            ++pos_;
        return {Token::Text, text_.mid(start, pos_ - start)};
    }

    const QByteArray& text_;
    qsizetype pos_ = 0;
};

} // namespace

std::optional<QList<KeyValue>> parseKeyValues(const QByteArray& text) {
    Reader reader(text);
    QList<KeyValue> values;
    QStringList blocks;
    for (Token key = reader.next(); key.kind != Token::End; key = reader.next()) {
        if (key.kind == Token::Close && !blocks.isEmpty()) {
            blocks.removeLast();
            continue;
        }
        if (key.kind != Token::Text)
            return std::nullopt;
        const Token value = reader.next();
        const QString name = QString::fromUtf8(key.text);
        if (value.kind == Token::Open)
            blocks.append(name);
        else if (value.kind == Token::Text)
            values.append({blocks + QStringList{name}, QString::fromUtf8(value.text)});
        else
            return std::nullopt;
    }
    if (!blocks.isEmpty())
        return std::nullopt;
    return values;
}

} // namespace quelmar
