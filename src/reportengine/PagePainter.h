#pragma once

#include "reportengine/PageModel.h"

#include <QString>

class QPainter;

namespace kv::report {

// Paints one page of a document at the given scale (device dots per
// millimetre), the page's top left corner at the painter's origin. The text
// found by "Szukaj" is marked when given.
void paintPage(QPainter& painter, const ReportDocument& doc, int page, double dotsPerMm,
               int highlightedText = -1);

// Writes the whole document as a PDF file: into a temporary file beside it,
// renamed over the path only when every page is written, so a failure leaves
// no half file. False with the reason in Polish.
bool writePdf(const ReportDocument& doc, const QString& path, QString* error = nullptr);

} // namespace kv::report
