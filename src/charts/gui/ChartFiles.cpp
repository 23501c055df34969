#include "charts/gui/ChartFiles.h"

#include "charts/gui/ChartView.h"
#include "support/CsvWriter.h"
#include "support/UserInterface.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>

namespace kv {

namespace {

const QString kBmpFilter = QStringLiteral("Bitmapa (*.bmp)");
const QString kPngFilter = QStringLiteral("Obraz PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Grafika SVG (*.svg)");
const QString kAllFilter = QStringLiteral("Wszystkie pliki (*.*)");

QByteArray encode(const ChartView& view, ChartFileFormat format, QSize size) {
    if (format == ChartFileFormat::Svg)
        return view.svg(size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == ChartFileFormat::Png ? "png" : "bmp");
    if (!writer.write(view.image(size)))
        return {};
    return bytes;
}

} // namespace

ChartFileFormat chartFileFormat(const QString& path, ChartFileFormat fallback) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return ChartFileFormat::Png;
    if (suffix == u"svg")
        return ChartFileFormat::Svg;
    if (suffix == u"bmp")
        return ChartFileFormat::Bmp;
    return fallback;
}

bool writeChartFile(const ChartView& view, const QString& path, ChartFileFormat format,
                    QString* error, QSize size) {
    const QString failed = QStringLiteral("Nie udało się zapisać wykresu do pliku %1.")
                               .arg(QDir::toNativeSeparators(path));
    const QFileInfo info(path);
    if (path.trimmed().isEmpty() || info.isDir()) {
        if (error)
            *error = failed;
        return false;
    }
    const QByteArray bytes = encode(view, format, size);
    if (bytes.isEmpty() || !writeWholeFile(path, bytes)) {
        if (error)
            *error = failed;
        return false;
    }
    return true;
}

void saveChartPicture(ChartView& view, QWidget* parent) {
    if (!view.hasChart())
        return;
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setImage(view.image());
    QFileDialog dialog(
        parent, QStringLiteral("Zapisz wykres"), QDir::homePath(),
        QStringList{kBmpFilter, kPngFilter, kSvgFilter, kAllFilter}.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("SaveChartDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Zapisz"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Anuluj"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nazwa pliku:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ pliku:"));
    dialog.selectFile(view.data().caption + QStringLiteral(".bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString filter = dialog.selectedNameFilter();
    const ChartFileFormat chosen = filter == kPngFilter   ? ChartFileFormat::Png
                                   : filter == kSvgFilter ? ChartFileFormat::Svg
                                                          : ChartFileFormat::Bmp;
    const QString path = dialog.selectedFiles().first();
    QString error;
    if (!writeChartFile(view, path, chartFileFormat(path, chosen), &error))
        ui().information(QStringLiteral("Błąd"), error);
}

} // namespace kv
