#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv::report {

// A report template: the page, its font, and five bands of placed items. The
// text format is documented in docs/REPORT_TEMPLATES.md; lengths are in
// millimetres.
enum class BandKind { Title, PageHeader, Row, Summary, PageFooter };
constexpr int kBandKinds = 5;

struct TemplateItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    QRectF box;          // Line: from the top left to the bottom right corner
    double fontSize = 0; // 0: the page's
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    bool frame = false;
    QString content; // literal text with [NAME] slots
};

struct TemplateBand {
    bool present = false;
    double height = 0;
    QList<TemplateItem> items;
};

struct ReportTemplate {
    QString name;           // the file's name, for messages
    double pageWidth = 210; // A4 portrait
    double pageHeight = 297;
    double marginLeft = 15, marginTop = 12, marginRight = 15, marginBottom = 12;
    double fontSize = 9;
    TemplateBand bands[kBandKinds];

    const TemplateBand& band(BandKind k) const { return bands[static_cast<int>(k)]; }
    TemplateBand& band(BandKind k) { return bands[static_cast<int>(k)]; }
    double bodyWidth() const { return pageWidth - marginLeft - marginRight; }
    double bodyHeight() const { return pageHeight - marginTop - marginBottom; }
};

// Why a template was refused: the file and the line, in Polish.
struct TemplateError {
    QString file;
    int line = 0; // 0: the file as a whole
    QString reason;
    QString message() const;
};

// Reads a template's text; the name is used in messages only.
std::optional<ReportTemplate> parseTemplate(const QString& text, const QString& name,
                                            TemplateError* error);
// Reads a template file (UTF-8); a missing or unreadable file is an error of
// line 0.
std::optional<ReportTemplate> loadTemplate(const QString& path, TemplateError* error);

// The [NAME] slots of a content, in order.
QStringList slotNames(const QString& content);

} // namespace kv::report
