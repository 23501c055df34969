#pragma once

#include "reportengine/PageModel.h"
#include "reportengine/ReportSources.h"
#include "reportengine/ReportTemplate.h"

#include <QFont>

namespace kv::report {

// Breaks a text into the lines a box of the given width holds: at every
// carriage return (code 13; a line feed counts the same, CR LF once), then
// between words, and inside a word longer than the width.
QStringList breakText(const QString& text, const QFont& font, double widthMm);

// Lays a template out over the rows into pages:
// - page one starts with the title band, every page with the page header and
//   ends with the page footer at the bottom of its body;
// - one row band per row, then the summary band;
// - a band's [NAME] slots are asked once per band laid out, in template
//   order; a band that does not fit is moved to the next page as it is, so a
//   running sum is never added twice;
// - a text item grows downwards with its lines and its band with it; a band
//   taller than a whole page is cut at the page's end, never carried over.
// Needs the report fonts (loadReportFonts).
ReportDocument layoutReport(const ReportTemplate& tpl, RowSource& rows, VariableSource& vars,
                            const QString& title = QString());

} // namespace kv::report
