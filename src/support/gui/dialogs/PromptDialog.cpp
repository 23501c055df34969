#include "support/gui/dialogs/PromptDialog.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kv {

PromptDialog::PromptDialog(QWidget* parent)
    : MessageDialog(MessageWindowKind::Prompt, QStringLiteral("Wprowadź"), parent),
      m_entry(new QLineEdit(this)), m_ok(addButton(QStringLiteral("  &Ok   "))),
      m_cancel(addButton(QStringLiteral("  &Anuluj   "))) {
    setObjectName(QStringLiteral("TpromptForm"));
    m_entry->setObjectName(QStringLiteral("wynik"));
    // The masking character of the password mode is "*" whatever the style
    // would draw.
    m_entry->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    // The entry follows the message closely; spare room goes below it.
    contentLayout()->setStretch(0, 0);
    contentLayout()->addWidget(m_entry);
    contentLayout()->addStretch(1);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, [this] { m_answer = true; });
}

void PromptDialog::setPasswordMode() {
    m_password = true;
}

bool PromptDialog::ask(const QString& caption, const QString& message, const QString& initial) {
    present(caption, message);
    m_answer = false;
    m_entry->setEchoMode(m_password ? QLineEdit::Password : QLineEdit::Normal);
    m_entry->setText(initial);
    m_entry->selectAll();
    m_entry->setFocus();
    exec();
    // Each password prompt sets the mode again, so an ordinary prompt that
    // follows shows what is typed. The entry keeps its echo mode until then:
    // the password stays masked while the caller reads it.
    m_password = false;
    return m_answer;
}

QString PromptDialog::enteredText() const {
    return m_entry->text();
}

} // namespace kv
