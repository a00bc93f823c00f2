// Renders one of our SVG pictures to PNG files at build time, so the program
// itself needs no SVG renderer (there is none for the Windows build).
//
//   quelmar_render FONTS IN.svg OUT.png REQUEST...
//
// A REQUEST "2" renders the picture at twice its own size into OUT@2x.png
// ("1" into OUT.png), the names high-DPI images go by; "size=48" renders it
// 48 pixels square into OUT-48.png, for the sizes of an icon.
// The fonts under FONTS are registered first, so lettering comes out in the
// program's own face, whatever the host has installed.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "quelmar_render: %s\n", qPrintable(message));
    return 1;
}

bool registerFonts(const QString& folder) {
    const QDir fonts(folder);
    const QStringList files = fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files);
    for (const QString& file : files) {
        if (QFontDatabase::addApplicationFont(fonts.filePath(file)) < 0)
            return false;
    }
    return !files.isEmpty();
}

// Where the rendering of one request goes and at what size.
struct Target {
    QString path;
    QSize size;
};

bool parseTarget(const QString& request, const QString& out, QSize ownSize, Target& target) {
    QString base = out;
    base.chop(4); // ".png"
    bool ok = false;
    const QLatin1String sizeKey("size=");
    if (request.startsWith(sizeKey)) {
        const int side = request.mid(sizeKey.size()).toInt(&ok);
        target = {QStringLiteral("%1-%2.png").arg(base).arg(side), QSize(side, side)};
        return ok && side > 0;
    }
    const int scale = request.toInt(&ok);
    if (!ok || scale < 1)
        return false;
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    target = {base + suffix + QStringLiteral(".png"), ownSize * scale};
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Needs no display: a build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5 || !args[3].endsWith(QStringLiteral(".png")))
        return fail(QStringLiteral("usage: quelmar_render FONTS IN.svg OUT.png REQUEST..."));
    if (!registerFonts(args[1]))
        return fail(QStringLiteral("no usable fonts in %1").arg(args[1]));
    QSvgRenderer renderer(args[2]);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args[2]));
    for (const QString& request : args.mid(4)) {
        Target target;
        if (!parseTarget(request, args[3], renderer.defaultSize(), target))
            return fail(QStringLiteral("bad request %1").arg(request));
        QImage image(target.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!image.save(target.path))
            return fail(QStringLiteral("cannot write %1").arg(target.path));
    }
    return 0;
}
