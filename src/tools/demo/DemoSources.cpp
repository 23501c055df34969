#include "tools/demo/DemoSources.h"

#include "storage/engine/DatabaseError.h"
#include "tools/demo/DemoCalendar.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kv::demo {

namespace {

// Splits one line into cells; false when a quote is left open.
bool splitCells(const QString& line, QStringList& cells) {
    cells.clear();
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (quoted) {
            if (ch == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (ch == u'"') {
                quoted = false;
            } else {
                cell += ch;
            }
        } else if (ch == u'"' && cell.isEmpty()) {
            quoted = true;
        } else if (ch == u';') {
            cells.append(cell);
            cell.clear();
        } else {
            cell += ch;
        }
    }
    cells.append(cell);
    return !quoted;
}

bool isNumeric(const schema::Column& c) {
    return c.type != schema::ColumnType::Text && c.type != schema::ColumnType::Flag;
}

} // namespace

QString DemoSourceFile::where(const DemoSourceLine& line) const {
    return QStringLiteral("%1, wiersz %2: ").arg(QFileInfo(path).fileName()).arg(line.number);
}

DemoSourceFile readDemoSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Nie można odczytać pliku %1").arg(path));
    DemoSourceFile source;
    source.path = path;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString text = lines.at(n);
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (text.trimmed().isEmpty() || text.startsWith(u'#'))
            continue;
        DemoSourceLine line{n + 1, {}};
        if (!splitCells(text, line.cells))
            throw DatabaseError(source.where(line) + QStringLiteral("niezamknięty cudzysłów"));
        if (source.header.isEmpty()) {
            source.header = line.cells;
            continue;
        }
        if (line.cells.size() != source.header.size())
            throw DatabaseError(source.where(line) + QStringLiteral("%1 pól zamiast %2")
                                                         .arg(line.cells.size())
                                                         .arg(source.header.size()));
        source.lines.push_back(std::move(line));
    }
    return source;
}

std::optional<QDate> relativeDate(const QString& cell, const QDate& today) {
    static const QRegularExpression form(QStringLiteral("^today(?:([+-])(\\d{1,5}))?$"));
    const QRegularExpressionMatch match = form.match(cell.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int days = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    return today.addDays(match.captured(1) == QLatin1String("-") ? -days : days);
}

QVariant demoCellValue(const QString& cell, const schema::Column& column, const QDate& today,
                       const DemoReferenceResolver& resolve) {
    if (const std::optional<QDate> date = relativeDate(cell, today))
        return isNumeric(column) ? QVariant(dateNumber(*date)) : QVariant(dateText(*date));
    if (!isNumeric(column))
        return cell;
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return {};
    if (text.startsWith(u'@')) {
        const qsizetype colon = text.indexOf(u':');
        if (colon < 2)
            throw DatabaseError(QStringLiteral("niepoprawne odwołanie „%1”").arg(text));
        const QString list = text.mid(1, colon - 1);
        const QString target = text.mid(colon + 1);
        const std::optional<qint64> id = resolve(list, target);
        if (!id)
            throw DatabaseError(QStringLiteral("brak pozycji „%1” w %2").arg(target, list));
        return *id;
    }
    bool ok = false;
    if (column.type == schema::ColumnType::Num) {
        const double value = text.toDouble(&ok);
        if (ok)
            return value;
    } else {
        const qint64 value = text.toLongLong(&ok);
        if (ok)
            return value;
    }
    throw DatabaseError(QStringLiteral("„%1” nie jest liczbą (kolumna %2)").arg(text, column.name));
}

} // namespace kv::demo
