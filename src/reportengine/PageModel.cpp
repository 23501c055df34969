#include "reportengine/PageModel.h"

#include <QMap>
#include <algorithm>

namespace kv::report {

QString documentText(const ReportDocument& doc) {
    QString out;
    for (int p = 0; p < doc.pages.size(); ++p) {
        out += QStringLiteral("=== Strona %1 ===\n").arg(p + 1);
        // Rows by the top edge rounded to a hundredth of a millimetre.
        QMap<qint64, QList<const PlacedText*>> rows;
        for (const PlacedText& t : doc.pages.at(p).texts)
            rows[qRound64(t.box.top() * 100)].append(&t);
        for (auto it = rows.begin(); it != rows.end(); ++it) {
            QList<const PlacedText*> cells = it.value();
            std::stable_sort(cells.begin(), cells.end(),
                             [](auto* a, auto* b) { return a->box.left() < b->box.left(); });
            QStringList parts;
            for (const PlacedText* t : cells) {
                const QString text = t->lines.join(QStringLiteral(" / "));
                if (!text.trimmed().isEmpty())
                    parts.append(text);
            }
            if (parts.isEmpty())
                continue;
            QString line = parts.join(QStringLiteral(" | "));
            while (line.endsWith(u' '))
                line.chop(1);
            out += line + u'\n';
        }
    }
    return out;
}

TextPlace findText(const ReportDocument& doc, const QString& needle, TextPlace after) {
    if (needle.isEmpty() || doc.pages.isEmpty())
        return {};
    auto matches = [&](int p, int t) {
        return doc.pages.at(p).texts.at(t).lines.join(u' ').contains(needle, Qt::CaseInsensitive);
    };
    const int startPage = std::max(0, after.page);
    // Everything after the given place, then from the beginning up to it.
    for (int pass = 0; pass < 2; ++pass) {
        for (int p = pass == 0 ? startPage : 0; p < doc.pages.size(); ++p) {
            const int count = static_cast<int>(doc.pages.at(p).texts.size());
            const int from = (pass == 0 && p == startPage) ? after.text + 1 : 0;
            for (int t = from; t < count; ++t) {
                if (pass == 1 && (p > startPage || (p == startPage && t > after.text)))
                    return {};
                if (matches(p, t))
                    return {p, t};
            }
        }
    }
    return {};
}

} // namespace kv::report
