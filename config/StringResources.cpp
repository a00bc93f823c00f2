#include "config/StringResources.h"

#include "resources/Assets.h"

namespace quelmar {

namespace {

constexpr StringResource kAll[] = {StringResource::Preamble, StringResource::BuyTail,
                                   StringResource::Quote};

QString pathOf(StringResource id) {
    return QStringLiteral("strings/%1.txt").arg(int(id));
}

} // namespace

QString stringResource(StringResource id) {
    return QString::fromLatin1(assetBytes(pathOf(id)));
}

const QString& quote() {
    static const QString q = stringResource(StringResource::Quote);
    return q;
}

QStringList missingStringResources() {
    QStringList missing;
    for (StringResource id : kAll) {
        if (assetBytes(pathOf(id)).isEmpty())
            missing.append(pathOf(id));
    }
    return missing;
}

} // namespace quelmar
