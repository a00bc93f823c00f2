#include "binds/KeyNames.h"

#include <array>

namespace quelmar {

namespace {

struct NamedKey {
    int code;
    const char* name;
};

// Keys whose names follow no rule; the digit, letter, keypad-digit and
// function-key ranges are computed below.
constexpr std::array<NamedKey, 34> kNamedKeys{{
    {8, "Backup"},     {9, "Tab"},        {13, "Enter"},        {16, "Shift"},   {17, "Ctrl"},
    {18, "Alt"},       {19, "Pause"},     {32, "Space"},        {33, "Page Up"}, {34, "Page Down"},
    {35, "End"},       {36, "Home"},      {37, "LeftArrow"},    {38, "UpArrow"}, {39, "RightArrow"},
    {40, "DownArrow"}, {45, "Insert"},    {106, "*"},           {107, "+"},      {109, "Num -"},
    {111, "Num /"},    {144, "Num Lock"}, {145, "Scroll Lock"}, {186, ";"},      {187, "="},
    {188, ","},        {189, "-"},        {190, "."},           {191, "/"},      {192, "`"},
    {219, "["},        {220, "\\"},       {221, "]"},           {222, "'"},
}};

QString rangeName(int code) {
    if (code >= '0' && code <= '9')
        return QString(QChar(code));
    if (code >= 'A' && code <= 'Z')
        return QString(QChar(code - 'A' + 'a'));
    if (code >= 96 && code <= 105)
        return QStringLiteral("Num %1").arg(code - 96);
    if (code >= 112 && code <= 123)
        return QStringLiteral("F%1").arg(code - 111);
    return {};
}

} // namespace

QString keyName(int virtualKey) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == virtualKey)
            return QString::fromLatin1(key.name);
    }
    return rangeName(virtualKey);
}

QStringList allKeyNames() {
    QStringList names;
    for (int code = 0; code < 256; ++code) {
        const QString name = keyName(code);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    for (int button : {1, 2, 4, 8, 16})
        names.append(mouseButtonName(button));
    names << wheelName(1) << wheelName(-1);
    return names;
}

QString mouseButtonName(int button) {
    switch (button) {
    case 1:
        return QStringLiteral("Mouse1");
    case 2:
        return QStringLiteral("Mouse2");
    case 4:
        return QStringLiteral("Mouse3");
    case 8:
        return QStringLiteral("MOUSE4");
    case 16:
        return QStringLiteral("MOUSE5");
    default:
        return {};
    }
}

QString wheelName(int direction) {
    if (direction == 1)
        return QStringLiteral("MWHEELUP");
    return direction == -1 ? QStringLiteral("MWHEELDOWN") : QString();
}

} // namespace quelmar
