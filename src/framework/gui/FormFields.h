#pragma once

#include "framework/FieldTable.h"
#include "framework/FormView.h"

#include <initializer_list>

class QComboBox;
class QLineEdit;
class QToolButton;
class QWidget;

namespace kv {

class DateField;
class NumberField;

// Filling an edit window's plain controls from a register's field table and
// reading them back, found by their object names. Text fields and number and
// date fields take the text; lists pick their entry by key (or by position
// when their entries have no keys), editable lists take the text; check boxes
// stand for flags. A list whose entries the setup names is filled with them
// first. Locked columns are shown disabled.
void setFieldControl(QWidget* control, FieldKind kind, const QString& text, int code,
                     const QList<KeyedItem>* items, bool editable);
void readFieldControl(const QWidget* control, FieldKind kind, QString* text, int* code);
QWidget* fieldControl(const QWidget* window, const QString& objectName);

template <class V>
void loadFields(QWidget* window, const FieldTable<V>& fields, const V& values,
                const FormSetup& setup) {
    for (const Field<V>& f : fields.fields()) {
        QWidget* control = f.widget.isEmpty() ? nullptr : fieldControl(window, f.widget);
        if (!control)
            continue;
        const auto items = setup.lists.constFind(f.column);
        setFieldControl(
            control, f.kind, f.get ? f.get(values) : QString(), f.getCode ? f.getCode(values) : 0,
            items == setup.lists.cend() ? nullptr : &items.value(), setup.editable(f.column));
    }
}

template <class V> V readFields(const QWidget* window, const FieldTable<V>& fields, V values = {}) {
    for (const Field<V>& f : fields.fields()) {
        const QWidget* control = f.widget.isEmpty() ? nullptr : fieldControl(window, f.widget);
        if (!control)
            continue;
        QString text;
        int code = 0;
        readFieldControl(control, f.kind, &text, &code);
        if (f.kind == FieldKind::Code)
            f.setCode(values, code);
        else
            f.set(values, text);
    }
    return values;
}

// A text field for a column: its object name, and its length limited to the
// column's width in the schema.
QLineEdit* newTextField(const QString& table, const QString& column, int minimumWidth = 0);
// A number field with the given decimals, right-aligned.
NumberField* newNumberField(const QString& objectName, int decimals = 2);
DateField* newDateField(const QString& objectName);
// A list, typed into when editable, as wide as minimumContents characters.
QComboBox* newListField(const QString& objectName, bool editable = false, int minimumContents = 18);
// A small button beside a field ("[...]", "×") with its hint.
QToolButton* newSmallButton(const QString& objectName, const QString& text, const QString& hint);
// Widgets side by side without margins: the first takes the room, or, with
// stretch, all keep their size and the room is left at the end.
QWidget* fieldRow(std::initializer_list<QWidget*> widgets, bool stretch = false);
// A field followed by its unit ("km", "w cm3").
QWidget* withUnit(QWidget* field, const QString& unit);

} // namespace kv
