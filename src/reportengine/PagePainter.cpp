#include "reportengine/PagePainter.h"

#include "reportengine/ReportFonts.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kv::report {

void paintPage(QPainter& painter, const ReportDocument& doc, int page, double dotsPerMm,
               int highlightedText) {
    if (page < 0 || page >= doc.pages.size())
        return;
    const Page& p = doc.pages.at(page);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Points are 1/72 inch; the device's own resolution is replaced by the
    // scale asked, so the preview's zoom and the printer paint the same page.
    const double pointsToDots = dotsPerMm * 25.4 / 72.0;
    if (highlightedText >= 0 && highlightedText < p.texts.size()) {
        const QRectF b = p.texts.at(highlightedText).box;
        painter.fillRect(QRectF(b.left() * dotsPerMm, b.top() * dotsPerMm, b.width() * dotsPerMm,
                                b.height() * dotsPerMm),
                         QColor(255, 230, 0, 160));
    }
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, 0.2 * dotsPerMm));
    painter.setPen(pen);
    for (const QLineF& l : p.lines)
        painter.drawLine(QLineF(l.p1() * dotsPerMm, l.p2() * dotsPerMm));
    for (const PlacedText& t : p.texts) {
        QFont f = reportFont(t.fontSize, t.bold);
        f.setPixelSize(std::max(1, qRound(t.fontSize * pointsToDots)));
        painter.setFont(f);
        const double left = t.box.left() * dotsPerMm;
        const double width = t.box.width() * dotsPerMm;
        const double lh = t.lineHeight * dotsPerMm;
        double y = t.box.top() * dotsPerMm;
        for (const QString& line : t.lines) {
            painter.drawText(QRectF(left, y, width, lh), static_cast<int>(t.align) | Qt::AlignTop,
                             line);
            y += lh;
        }
        if (t.frame)
            painter.drawRect(
                QRectF(left, t.box.top() * dotsPerMm, width, t.box.height() * dotsPerMm));
    }
    painter.restore();
}

bool writePdf(const ReportDocument& doc, const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku PDF %1: %2").arg(path, why);
        return false;
    };
    if (QFileInfo(path).isDir())
        return fail(QStringLiteral("to jest folder"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        return fail(
            !folder.isDir()
                ? QStringLiteral("nie ma folderu %1").arg(folder.filePath())
                : QStringLiteral("brak uprawnień do zapisu w folderze %1").arg(folder.filePath()));
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Karvento"));
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QSizeF(doc.pageWidth, doc.pageHeight), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("błąd zapisu"));
        }
        const double dotsPerMm = 300 / 25.4;
        for (int i = 0; i < doc.pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, doc, i, dotsPerMm);
        }
        painter.end();
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return fail(QStringLiteral("błąd zapisu (brak miejsca na dysku?)"));
    }
    if (!file.commit())
        return fail(QStringLiteral("nie udało się zastąpić pliku"));
    return true;
}

} // namespace kv::report
