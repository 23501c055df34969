#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QStringList>

namespace kv::report {

// A laid-out report: pages of placed texts and lines in millimetres from the
// page's top left corner. The preview, the printer and the PDF writer paint
// it as it is; nothing is laid out again for zoom, find or print.
struct PlacedText {
    QRectF box;
    QStringList lines; // already broken to the box's width
    double fontSize = 9;
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    bool frame = false;
    double lineHeight = 4; // mm
};

struct Page {
    QList<PlacedText> texts;
    QList<QLineF> lines;
};

struct ReportDocument {
    QString title;
    double pageWidth = 210;
    double pageHeight = 297;
    QList<Page> pages;
};

// The page text of a document: for every page a heading "=== Strona N ===",
// then one line per row of texts that share their top edge, left to right,
// separated by " | "; the lines of a broken text are joined by " / ". Texts
// that print nothing are left out.
QString documentText(const ReportDocument& doc);

// Where a text occurs (compared without regard to case), searching forward
// from just after the given place; wraps to the beginning. Page -1 when the
// text occurs nowhere.
struct TextPlace {
    int page = -1;
    int text = -1;
};
TextPlace findText(const ReportDocument& doc, const QString& needle, TextPlace after = {});

} // namespace kv::report
