#include "framework/RecordCard.h"

namespace kv {

CardLine cardLine(const char* label, const char* column, CardSource source) {
    return {{CardPart{QString::fromUtf8(label), source, QString::fromLatin1(column)}}};
}

CardLine cardLine(QList<CardPart> parts) {
    return {std::move(parts)};
}

CardLine cardAlone(const char* label) {
    return {{CardPart{QString::fromUtf8(label), CardSource::None, QString()}}};
}

namespace {

QString listText(const CardPart& part, const CardValues& v) {
    const QString key = v.text(part.column);
    if (!part.choices.isEmpty()) {
        const int index = v.code(part.column) >= 0 ? v.code(part.column) : key.toInt();
        return part.choices.value(index);
    }
    if (v.setup) {
        const auto it = v.setup->lists.constFind(part.column);
        if (it != v.setup->lists.cend())
            for (const KeyedItem& item : *it)
                if (item.key == key)
                    return item.text;
    }
    // A code without its entry shows nothing; a typed text shows itself.
    return v.code(part.column) >= 0 ? QString() : key;
}

QString partText(const CardPart& part, const CardValues& v) {
    switch (part.source) {
    case CardSource::Value:
        return part.prefix + v.text(part.column);
    case CardSource::List:
        return part.prefix + listText(part, v);
    case CardSource::Box:
        return part.prefix +
               (v.text(part.column) == u"T" ? QStringLiteral("TAK") : QStringLiteral("NIE"));
    case CardSource::Grid:
        return part.prefix + (v.grid ? v.grid(part.column) : QString());
    case CardSource::Label:
        return part.prefix + (v.setup ? v.setup->labels.value(part.column) : QString()) +
               QStringLiteral(": ") + v.text(part.column);
    case CardSource::None:
        return part.prefix;
    }
    return part.prefix;
}

} // namespace

RecordCardText buildRecordCard(const CardTable& table, const CardValues& values) {
    QStringList lines;
    if (table.leadingSeparator)
        lines.append(QString());
    for (const CardLine& line : table.lines) {
        if (!line.flagColumn.isEmpty() && (values.text(line.flagColumn) == u"T") != line.whenTicked)
            continue;
        QString text;
        for (const CardPart& part : line.parts)
            text += partText(part, values);
        lines.append(text);
    }
    return {table.title, lines.join(QChar(13))};
}

} // namespace kv
