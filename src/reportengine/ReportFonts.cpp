#include "reportengine/ReportFonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QMutex>

namespace kv::report {

namespace {

QString g_family;

// Measures at 720 dots per inch on an image, never on the screen.
constexpr double kMeasureDpi = 720.0;

const QImage& measureDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dpm = qRound(kMeasureDpi / 0.0254);
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
    }();
    return image;
}

double toMm(double dots) {
    return dots / kMeasureDpi * 25.4;
}

} // namespace

QString reportFontDirectory() {
    const QString env = qEnvironmentVariable("KARVENTO_REPORT_FONTS");
    return env.isEmpty() ? QStringLiteral("/usr/share/fonts/truetype/dejavu") : env;
}

bool loadReportFonts(QString* error) {
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    if (!g_family.isEmpty())
        return true;
    const QDir dir(reportFontDirectory());
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        const QString path = dir.filePath(QString::fromLatin1(file));
        const int id = QFile::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
        if (id < 0) {
            if (error)
                *error = QStringLiteral("Nie można wczytać czcionki raportów %1. Zainstaluj pakiet "
                                        "fonts-dejavu-core (scripts/setup.sh).")
                             .arg(path);
            return false;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (g_family.isEmpty() && !families.isEmpty())
            g_family = families.first();
    }
    return !g_family.isEmpty();
}

QFont reportFont(double pointSize, bool bold) {
    QFont f(g_family.isEmpty() ? QStringLiteral("DejaVu Sans") : g_family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double textWidthMm(const QFont& font, const QString& text) {
    return toMm(QFontMetricsF(font, &measureDevice()).horizontalAdvance(text));
}

double lineHeightMm(const QFont& font) {
    return toMm(QFontMetricsF(font, &measureDevice()).lineSpacing());
}

double ascentMm(const QFont& font) {
    return toMm(QFontMetricsF(font, &measureDevice()).ascent());
}

} // namespace kv::report
