#include "config/PathBytes.h"

namespace quelmar {
namespace {

bool isKeptByte(QStringView path, qsizetype i) {
    const char16_t c = path[i].unicode();
    // The low half of a pair is text, not a kept byte.
    return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !path[i - 1].isHighSurrogate());
}

// The length of the UTF-8 sequence at bytes[i] and its code point; 0 when
// the bytes there are no valid UTF-8 (overlong forms and surrogates neither).
int sequenceAt(QByteArrayView bytes, qsizetype i, char32_t& code) {
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(i);
    const int length = lead < 0x80   ? 1
                       : lead < 0xC0 ? 0
                       : lead < 0xE0 ? 2
                       : lead < 0xF0 ? 3
                       : lead < 0xF8 ? 4
                                     : 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    const bool valid = code >= kLeast[length] && code <= 0x10FFFF && (code & 0xFFFFF800) != 0xD800;
    return valid ? length : 0;
}

} // namespace

QString pathFromBytes(QByteArrayView bytes) {
    QString path;
    path.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = sequenceAt(bytes, i, code);
        if (length == 0) {
            path += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[i++])));
        } else if (QChar::requiresSurrogates(code)) {
            path += QChar(QChar::highSurrogate(code));
            path += QChar(QChar::lowSurrogate(code));
        } else {
            path += QChar(char16_t(code));
        }
        i += length;
    }
    return path;
}

QByteArray pathToBytes(QStringView path) {
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isKeptByte(path, i))
            continue;
        bytes += path.sliced(from, i - from).toUtf8();
        bytes += char(path[i].unicode() - 0xDC00);
        from = i + 1;
    }
    return bytes + path.sliced(from).toUtf8();
}

namespace {

// Half of a surrogate pair with no other half: no character at all.
bool isLoneSurrogate(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
    return c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
}

// Characters that turn the text after them around (Unicode's bidirectional
// embeddings, overrides and isolates): a name could show as another name.
bool turnsText(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString terminalText(QStringView text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isKeptByte(text, i))
            shown += QStringLiteral("\\x%1").arg(c - 0xDC00, 2, 16, QChar(u'0'));
        else if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            shown += QStringLiteral("\\x%1").arg(c, 2, 16, QChar(u'0'));
        else if (isLoneSurrogate(text, i) || turnsText(c) || c == 0xFFFD)
            shown += QStringLiteral("\\u%1").arg(c, 4, 16, QChar(u'0'));
        else
            shown += text[i];
    }
    return shown;
}

QString terminalList(const QStringList& items, QStringView separator) {
    QStringList shown;
    shown.reserve(items.size());
    for (const QString& item : items)
        shown.append(terminalText(item));
    return shown.join(separator);
}

} // namespace quelmar
