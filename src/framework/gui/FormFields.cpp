#include "framework/gui/FormFields.h"

#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace kv {

namespace {

void fillList(QComboBox* box, const QList<KeyedItem>& items) {
    box->clear();
    int widest = 0;
    for (const KeyedItem& item : items) {
        if (box->isEditable())
            box->addItem(item.text);
        else
            box->addItem(item.text, item.key);
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(item.text));
    }
    // The open list is as wide as its longest entry, so no entry is cut off.
    box->view()->setMinimumWidth(widest +
                                 2 * box->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

bool hasKeys(const QComboBox* box) {
    return box->count() > 0 && box->itemData(0).isValid();
}

} // namespace

QWidget* fieldControl(const QWidget* window, const QString& objectName) {
    return window->findChild<QWidget*>(objectName);
}

void setFieldControl(QWidget* control, FieldKind kind, const QString& text, int code,
                     const QList<KeyedItem>* items, bool editable) {
    control->setEnabled(editable);
    if (auto* date = qobject_cast<DateField*>(control)) {
        date->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        if (items)
            fillList(box, *items);
        if (kind == FieldKind::Code)
            box->setCurrentIndex(hasKeys(box) ? box->findData(QString::number(code)) : code);
        else if (box->isEditable())
            box->setCurrentText(text);
        else
            box->setCurrentIndex(box->findData(text));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(text == u"T");
    }
}

void readFieldControl(const QWidget* control, FieldKind kind, QString* text, int* code) {
    if (const auto* date = qobject_cast<const DateField*>(control)) {
        *text = date->text();
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        *text = edit->text();
    } else if (const auto* box = qobject_cast<const QComboBox*>(control)) {
        if (kind == FieldKind::Code)
            *code = hasKeys(box) ? (box->currentIndex() >= 0 ? box->currentData().toInt() : 0)
                                 : std::max(0, box->currentIndex());
        else if (box->isEditable())
            *text = box->currentText();
        else
            *text = box->currentIndex() >= 0 ? box->currentData().toString() : QString();
    } else if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
        *text = check->isChecked() ? QStringLiteral("T") : QStringLiteral("N");
    }
}

QLineEdit* newTextField(const QString& table, const QString& column, int minimumWidth) {
    auto* e = new QLineEdit;
    e->setObjectName(u'f' + column);
    if (const int width = fieldWidth(table, column); width > 0)
        e->setMaxLength(width);
    if (minimumWidth > 0)
        e->setMinimumWidth(minimumWidth);
    return e;
}

NumberField* newNumberField(const QString& objectName, int decimals) {
    auto* n = new NumberField;
    n->setObjectName(objectName);
    n->setDecimals(decimals);
    n->setMaxLength(18);
    n->setAlignment(Qt::AlignRight);
    return n;
}

QComboBox* newListField(const QString& objectName, bool editable, int minimumContents) {
    auto* c = new QComboBox;
    c->setObjectName(objectName);
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(minimumContents);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QToolButton* newSmallButton(const QString& objectName, const QString& text, const QString& hint) {
    auto* b = new QToolButton;
    b->setObjectName(objectName);
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    return b;
}

QWidget* fieldRow(std::initializer_list<QWidget*> widgets, bool stretch) {
    auto* box = new QWidget;
    auto* l = new QHBoxLayout(box);
    l->setContentsMargins(0, 0, 0, 0);
    bool first = true;
    for (QWidget* w : widgets) {
        l->addWidget(w, first && !stretch ? 1 : 0);
        first = false;
    }
    if (stretch)
        l->addStretch(1);
    return box;
}

QWidget* withUnit(QWidget* field, const QString& unit) {
    return fieldRow({field, new QLabel(unit)}, true);
}

DateField* newDateField(const QString& objectName) {
    auto* d = new DateField;
    d->setObjectName(objectName);
    return d;
}

} // namespace kv
