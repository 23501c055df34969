// Build-time renderer of the program's icon: the SVG drawn for the project
// into the PNG sizes of the hicolor theme, beside a copy of the SVG.
//
//   karvento-mkicons ICON.svg OUTPUT_DIR SIZE [SIZE ...]
//
// writes OUTPUT_DIR/scalable/apps/NAME.svg and OUTPUT_DIR/<n>x<n>/apps/NAME.png.
// Needs no display: without one it uses Qt's offscreen platform.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int fail(const QString& text) {
    std::fprintf(stderr, "karvento-mkicons: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "użycie: karvento-mkicons IKONA.svg KATALOG ROZMIAR...\n");
        return 2;
    }
    const QString svg = args.at(0);
    const QDir out(args.at(1));
    const QString name = QFileInfo(svg).completeBaseName();
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 nie jest poprawnym rysunkiem SVG").arg(svg));

    const QString scalable = out.filePath(QStringLiteral("scalable/apps"));
    const QString copy = QDir(scalable).filePath(name + QStringLiteral(".svg"));
    QDir().mkpath(scalable);
    QFile::remove(copy);
    if (!QFile::copy(svg, copy))
        return fail(QStringLiteral("nie można zapisać %1").arg(copy));

    for (const QString& size : args.mid(2)) {
        bool ok = false;
        const int n = size.toInt(&ok);
        if (!ok || n < 8 || n > 1024)
            return fail(QStringLiteral("zły rozmiar %1").arg(size));
        QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, n, n));
        painter.end();
        const QString dir = out.filePath(QStringLiteral("%1x%1/apps").arg(n));
        QDir().mkpath(dir);
        const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
        if (!image.save(file, "PNG"))
            return fail(QStringLiteral("nie można zapisać %1").arg(file));
    }
    return 0;
}
