#include "support/gui/WindowEditable.h"

#include "support/gui/DateField.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace kv {

void setWindowEditable(QWidget* window, bool editable) {
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        // The line edit inside an editable list belongs to the list.
        if (!qobject_cast<QComboBox*>(e->parentWidget()))
            e->setReadOnly(!editable);
    }
    for (QPlainTextEdit* e : window->findChildren<QPlainTextEdit*>())
        e->setReadOnly(!editable);
    for (QTextEdit* e : window->findChildren<QTextEdit*>())
        e->setReadOnly(!editable);
    for (QComboBox* c : window->findChildren<QComboBox*>())
        c->setEnabled(editable);
    for (QCheckBox* c : window->findChildren<QCheckBox*>())
        c->setEnabled(editable);
    for (QAbstractSpinBox* s : window->findChildren<QAbstractSpinBox*>())
        s->setReadOnly(!editable);
    for (DateField* d : window->findChildren<DateField*>())
        d->setReadOnly(!editable);
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
        // The calendar buttons of date fields follow their field.
        if (!qobject_cast<DateField*>(b->parentWidget()))
            b->setVisible(editable);
    }
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        // Enter presses "OK" in a window that only shows, "Zapisz" otherwise.
        if (!editable && b->text() == u"&Anuluj") {
            b->setText(QStringLiteral("&OK"));
            b->setToolTip(QStringLiteral("Zamknij"));
            b->setVisible(true);
            b->setDefault(true);
        } else if (editable && b->text() == u"&OK") {
            b->setText(QStringLiteral("&Anuluj"));
            b->setToolTip(QStringLiteral("Anuluj zmiany"));
            b->setVisible(true);
            b->setDefault(false);
        } else if (b->text() == u"&Zapisz") {
            b->setVisible(editable);
            if (editable)
                b->setDefault(true);
        }
    }
}

} // namespace kv
