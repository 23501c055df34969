#include "reportengine/ReportLayout.h"

#include "reportengine/ReportFonts.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace kv::report {

namespace {

void breakParagraph(const QString& para, const QFont& font, double width, QStringList& out) {
    if (para.isEmpty()) {
        out.append(QString());
        return;
    }
    QString line;
    qsizetype i = 0;
    while (i < para.size()) {
        // The next word with the blanks before it.
        qsizetype j = i;
        while (j < para.size() && para.at(j) == u' ')
            ++j;
        while (j < para.size() && para.at(j) != u' ')
            ++j;
        const QString piece = para.mid(i, j - i);
        if (textWidthMm(font, line + piece) <= width) {
            line += piece;
            i = j;
            continue;
        }
        if (!line.isEmpty()) {
            out.append(line);
            line.clear();
            while (i < para.size() && para.at(i) == u' ')
                ++i; // a break eats the blanks
            continue;
        }
        // A word wider than the box: as many characters as fit, at least one.
        const QString word = piece.trimmed();
        qsizetype n = 1;
        while (n < word.size() && textWidthMm(font, word.left(n + 1)) <= width)
            ++n;
        out.append(word.left(n));
        i += (piece.size() - word.size()) + n;
    }
    if (!line.isEmpty())
        out.append(line);
}

struct LaidBand {
    double height = 0;
    QList<PlacedText> texts; // relative to the band's top
    QList<QLineF> lines;
};

class Layout {
public:
    Layout(const ReportTemplate& t, VariableSource& vars, const QString& title)
        : m_t(t), m_vars(vars) {
        m_doc.title = title;
        m_doc.pageWidth = t.pageWidth;
        m_doc.pageHeight = t.pageHeight;
    }

    ReportDocument run(RowSource& rows) {
        rows.first();
        startPage();
        if (m_t.band(BandKind::Row).present) {
            for (; !rows.atEnd(); rows.next())
                place(fill(BandKind::Row));
        }
        if (m_t.band(BandKind::Summary).present)
            place(fill(BandKind::Summary));
        finishPage();
        return std::move(m_doc);
    }

private:
    const QFont& font(double size, bool bold) {
        const QString key = QString::number(size) + (bold ? u'b' : u'r');
        auto it = m_fonts.find(key);
        if (it == m_fonts.end())
            it = m_fonts.insert(key, reportFont(size, bold));
        return *it;
    }

    double lineHeight(const QFont& f) {
        const QString key = f.key();
        auto it = m_lineHeights.find(key);
        if (it == m_lineHeights.end())
            it = m_lineHeights.insert(key, lineHeightMm(f));
        return *it;
    }

    QString expand(const QString& content) {
        static const QRegularExpression re(QStringLiteral("\\[([A-Z][A-Z0-9_]*)\\]"));
        if (!content.contains(u'['))
            return content;
        QString out;
        qsizetype last = 0;
        auto it = re.globalMatch(content);
        while (it.hasNext()) {
            const auto m = it.next();
            out += content.mid(last, m.capturedStart() - last);
            out += m_vars.value(m.captured(1));
            last = m.capturedEnd();
        }
        out += content.mid(last);
        return out;
    }

    LaidBand fill(BandKind kind) {
        const TemplateBand& b = m_t.band(kind);
        LaidBand out;
        out.height = b.height;
        for (const TemplateItem& item : b.items) {
            if (item.kind == TemplateItem::Kind::Line) {
                out.lines.append(QLineF(item.box.topLeft(), item.box.bottomRight()));
                out.height = std::max(out.height, std::max(item.box.top(), item.box.bottom()));
                continue;
            }
            PlacedText p;
            p.fontSize = item.fontSize > 0 ? item.fontSize : m_t.fontSize;
            p.bold = item.bold;
            p.align = item.align;
            p.frame = item.frame;
            const QFont& f = font(p.fontSize, p.bold);
            p.lineHeight = lineHeight(f);
            p.lines = breakText(expand(item.content), f, item.box.width());
            p.box = item.box;
            p.box.setHeight(std::max(item.box.height(), p.lines.size() * p.lineHeight));
            out.height = std::max(out.height, p.box.bottom());
            out.texts.append(std::move(p));
        }
        return out;
    }

    double footerHeight() const {
        const TemplateBand& f = m_t.band(BandKind::PageFooter);
        return f.present ? f.height : 0;
    }
    double bodyBottom() const { return m_t.marginTop + m_t.bodyHeight() - footerHeight(); }

    void startPage() {
        m_doc.pages.append(Page{});
        m_vars.pageStarted(static_cast<int>(m_doc.pages.size()));
        m_y = m_t.marginTop;
        // Page one opens with the title, above the page header.
        if (m_doc.pages.size() == 1 && m_t.band(BandKind::Title).present)
            put(cut(fill(BandKind::Title), bodyBottom() - m_y));
        if (m_t.band(BandKind::PageHeader).present)
            put(cut(fill(BandKind::PageHeader), bodyBottom() - m_y));
        m_bodyTop = m_y;
    }

    void finishPage() {
        if (!m_t.band(BandKind::PageFooter).present)
            return;
        const double top = bodyBottom();
        m_y = top;
        put(cut(fill(BandKind::PageFooter), footerHeight()));
    }

    // Drops the lines that would reach below the given height.
    static LaidBand cut(LaidBand band, double height) {
        if (band.height <= height)
            return band;
        for (PlacedText& t : band.texts) {
            if (t.box.top() >= height) {
                t.lines.clear();
                t.box.setHeight(0);
                continue;
            }
            const int fits = std::max(0, static_cast<int>((height - t.box.top()) / t.lineHeight));
            while (t.lines.size() > fits)
                t.lines.removeLast();
            t.box.setHeight(std::min(t.box.height(), height - t.box.top()));
        }
        band.texts.erase(std::remove_if(band.texts.begin(), band.texts.end(),
                                        [](const PlacedText& t) { return t.lines.isEmpty(); }),
                         band.texts.end());
        band.height = height;
        return band;
    }

    void put(const LaidBand& band) {
        Page& page = m_doc.pages.last();
        const double x = m_t.marginLeft;
        for (PlacedText t : band.texts) {
            t.box.translate(x, m_y);
            page.texts.append(std::move(t));
        }
        for (QLineF l : band.lines) {
            l.translate(x, m_y);
            page.lines.append(l);
        }
        m_y += band.height;
    }

    void place(LaidBand band) {
        if (m_y + band.height > bodyBottom() + 1e-9 && m_y > m_bodyTop + 1e-9) {
            finishPage();
            startPage();
        }
        const double room = bodyBottom() - m_y;
        put(band.height > room ? cut(std::move(band), room) : band);
    }

    const ReportTemplate& m_t;
    VariableSource& m_vars;
    ReportDocument m_doc;
    double m_y = 0;
    double m_bodyTop = 0;
    QHash<QString, QFont> m_fonts;
    QHash<QString, double> m_lineHeights;
};

} // namespace

QStringList breakText(const QString& text, const QFont& font, double widthMm) {
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QStringLiteral("\r"));
    normal.replace(u'\n', u'\r');
    QStringList out;
    for (const QString& para : normal.split(u'\r'))
        breakParagraph(para, font, widthMm, out);
    return out;
}

ReportDocument layoutReport(const ReportTemplate& tpl, RowSource& rows, VariableSource& vars,
                            const QString& title) {
    Layout layout(tpl, vars, title);
    return layout.run(rows);
}

} // namespace kv::report
