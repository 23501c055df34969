#include "support/gui/EditDialog.h"

#include "support/UserInterface.h"
#include "support/gui/DateField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

namespace {
// Selects the whole text with the cursor at its start, so a text longer than
// the field shows its beginning, not its end.
void selectFromStart(QLineEdit* edit) {
    edit->setSelection(int(edit->text().size()), -int(edit->text().size()));
}
} // namespace

EditDialog::EditDialog(QWidget* parent) : QDialog(parent) {
    m_body = new QVBoxLayout(this);
    m_heading = new QLabel;
    m_heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2d5b8a;"));
    m_body->addWidget(m_heading);
}

void EditDialog::setHeading(const QString& text) {
    m_heading->setText(text);
}

QString EditDialog::heading() const {
    return m_heading->text();
}

void EditDialog::addButtons() {
    m_save = new QPushButton(QStringLiteral("&Zapisz"));
    m_save->setObjectName(QStringLiteral("bZapisz"));
    m_save->setToolTip(QStringLiteral("Zapisz zmiany"));
    m_save->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Anuluj"));
    m_cancel->setObjectName(QStringLiteral("bAnuluj"));
    m_cancel->setToolTip(QStringLiteral("Anuluj zmiany"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    m_body->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &EditDialog::trySave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EditDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setCursorPosition(0);
    QTimer::singleShot(0, this, [this] {
        if (QLineEdit* field = startField()) {
            field->setFocus();
            selectFromStart(field);
        }
    });
}

bool EditDialog::confirm() {
    return exec() == QDialog::Accepted;
}

void EditDialog::trySave() {
    const FormCheck check = runChecks();
    if (!check.ok) {
        showFailedCheck(check);
        return;
    }
    accept();
}

void EditDialog::showFailedCheck(const FormCheck& check) {
    ui().information(QStringLiteral("Uwaga"), check.message);
    QWidget* field = findChild<QWidget*>(check.field);
    if (!field)
        return;
    if (auto* date = qobject_cast<DateField*>(field))
        field = date->lineEdit();
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field); edit && check.selectAll)
        selectFromStart(edit);
}

} // namespace kv
