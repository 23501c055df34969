#pragma once

#include <QFont>
#include <QString>

namespace kv::report {

// The reports' one font, with the Polish letters, loaded from its files
// (DejaVu Sans, regular and bold, installed by scripts/setup.sh) so a report
// looks the same on every desktop, in the program and in karvento-cli. The
// folder is $KARVENTO_REPORT_FONTS when set, else Debian's.
QString reportFontDirectory();

// Loads the font files once per run; false, with the reason in Polish, when
// they cannot be loaded. Needs a QGuiApplication.
bool loadReportFonts(QString* error = nullptr);

QFont reportFont(double pointSize, bool bold);

// Text measures in millimetres, independent of the screen.
double textWidthMm(const QFont& font, const QString& text);
double lineHeightMm(const QFont& font);
double ascentMm(const QFont& font);

} // namespace kv::report
