#pragma once

#include "framework/FieldTable.h"
#include "framework/FormView.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace kv {

// The printed card of one record ("Drukuj"): a title and lines of a label and
// a value, each value as the record's edit window shows it. A register's
// card is data beside its field table; the texts come from the same values
// and lists the window is filled with.
enum class CardSource {
    Value, // the field's text as the window holds it
    List,  // the text of the list entry chosen (by key, or by index in `choices`)
    Box,   // "TAK" when the check box is ticked, else "NIE"
    Grid,  // the register grid's text of the current record
    Label, // the caption of the window's label of the column, then ": "
    None,  // the prefix alone
};

struct CardPart {
    QString prefix;
    CardSource source = CardSource::Value;
    QString column;
    QStringList choices = {}; // a fixed list the window shows by index
};

struct CardLine {
    QList<CardPart> parts;
    // Printed only when the flag column's box is ticked (whenTicked) or
    // not; empty: always.
    QString flagColumn = {};
    bool whenTicked = true;
};

struct CardTable {
    QString title;
    QList<CardLine> lines;
    // The body starts with a separator, so its first line is empty.
    bool leadingSeparator = false;
};

struct RecordCardText {
    QString title; // TEMAT
    QString body;  // TRESC: the lines joined by CR (code 13)
};

// One line of a label and a value ("Numer rejestracyjny: " NRREJ).
CardLine cardLine(const char* label, const char* column, CardSource source = CardSource::Value);
CardLine cardLine(QList<CardPart> parts);
// A label without a value ("Dokument kosztowy:").
CardLine cardAlone(const char* label);

// What a column reads as in the filled window: its text, its list entries
// and labels, and the grid's text of the current record.
struct CardValues {
    std::function<QString(const QString& column)> text;
    std::function<int(const QString& column)> code; // Code fields; -1 when none
    const FormSetup* setup = nullptr;
    std::function<QString(const QString& column)> grid;
};

RecordCardText buildRecordCard(const CardTable& table, const CardValues& values);

template <class V>
RecordCardText buildRecordCard(const CardTable& table, const FieldTable<V>& fields, const V& v,
                               const FormSetup& setup,
                               std::function<QString(const QString&)> grid = {}) {
    CardValues values;
    values.text = [&](const QString& column) {
        const Field<V>* f = fields.find(column);
        return f ? f->text(v) : QString();
    };
    values.code = [&](const QString& column) {
        const Field<V>* f = fields.find(column);
        return f && f->kind == FieldKind::Code ? f->getCode(v) : -1;
    };
    values.setup = &setup;
    values.grid = std::move(grid);
    return buildRecordCard(table, values);
}

} // namespace kv
