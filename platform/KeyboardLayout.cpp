#include "platform/KeyboardLayout.h"

namespace quelmar {

std::span<const MainBlockKey> mainBlockKeys() {
    static constexpr MainBlockKey keys[] = {
        {'`', 0x29}, {'-', 0x0C}, {'=', 0x0D}, {'q', 0x10}, {'w', 0x11},  {'e', 0x12},  {'r', 0x13},
        {'t', 0x14}, {'y', 0x15}, {'u', 0x16}, {'i', 0x17}, {'o', 0x18},  {'p', 0x19},  {'[', 0x1A},
        {']', 0x1B}, {'a', 0x1E}, {'s', 0x1F}, {'d', 0x20}, {'f', 0x21},  {'g', 0x22},  {'h', 0x23},
        {'j', 0x24}, {'k', 0x25}, {'l', 0x26}, {';', 0x27}, {'\'', 0x28}, {'\\', 0x2B}, {'z', 0x2C},
        {'x', 0x2D}, {'c', 0x2E}, {'v', 0x2F}, {'b', 0x30}, {'n', 0x31},  {'m', 0x32},  {',', 0x33},
        {'.', 0x34}, {'/', 0x35},
    };
    return keys;
}

QHash<char, QString>
ownLettersAmong(int layouts, const std::function<QString(int layout, const MainBlockKey&)>& at) {
    for (int layout = 0; layout < layouts; ++layout) {
        QHash<char, QString> letters;
        for (const MainBlockKey& key : mainBlockKeys()) {
            const QString shown = at(layout, key).toUpper();
            if (!shown.isEmpty() && shown != QString(QChar(key.us)).toUpper())
                letters.insert(key.us, shown);
        }
        if (!letters.isEmpty())
            return letters;
    }
    return {};
}

QString keysymCharacter(unsigned long keysym) {
    // X's legacy Cyrillic keysyms: from 0x6a1 the Serbian, Macedonian,
    // Ukrainian and Belarusian letters, from 0x6c0 the Russian ones in the
    // order of KOI8-R.
    static const char16_t extra[] = u"ђѓёєѕіїјљњћќґўџ№ЂЃЁЄЅІЇЈЉЊЋЌҐЎЏ";
    static const char16_t koi8[] =
        u"юабцдефгхийклмнопярстужвьызшэщчъЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ";
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return QString(QChar(char16_t(keysym)));
    if ((keysym & 0xff000000) == 0x01000000) {
        const char32_t ucs = char32_t(keysym & 0x00ffffff);
        return QString::fromUcs4(&ucs, 1);
    }
    if (keysym >= 0x6a1 && keysym <= 0x6bf)
        return QString(QChar(extra[keysym - 0x6a1]));
    if (keysym >= 0x6c0 && keysym <= 0x6ff)
        return QString(QChar(koi8[keysym - 0x6c0]));
    return {};
}

} // namespace quelmar
