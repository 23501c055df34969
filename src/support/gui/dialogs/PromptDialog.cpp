#include "support/gui/dialogs/PromptDialog.h"

#include "support/UserInterface.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kv {

PromptDialog::PromptDialog(QWidget* parent)
    : MessageDialog(MessageWindowKind::Prompt, QStringLiteral("Wprowadź"), parent),
      m_entry(new QLineEdit(this)),
      m_repeatLabel(new QLabel(QStringLiteral("Powtórz hasło:"), this)),
      m_repeat(new QLineEdit(this)), m_mismatch(new QLabel(this)),
      m_ok(addButton(QStringLiteral("  &Ok   "))),
      m_cancel(addButton(QStringLiteral("  &Anuluj   "))) {
    setObjectName(QStringLiteral("TpromptForm"));
    m_entry->setObjectName(QStringLiteral("wynik"));
    m_repeat->setObjectName(QStringLiteral("wynik2"));
    m_repeat->setEchoMode(QLineEdit::Password);
    m_repeatLabel->setBuddy(m_repeat);
    m_mismatch->setObjectName(QStringLiteral("niezgodne"));
    m_mismatch->setWordWrap(true);
    m_mismatch->setStyleSheet(QStringLiteral("color: #a00000;"));
    // The masking character of the password mode is "*" whatever the style
    // would draw.
    const QString star = QStringLiteral("QLineEdit { lineedit-password-character: 42; }");
    m_entry->setStyleSheet(star);
    m_repeat->setStyleSheet(star);
    // The entry follows the message closely; spare room goes below it.
    contentLayout()->setStretch(0, 0);
    contentLayout()->addWidget(m_entry);
    contentLayout()->addWidget(m_repeatLabel);
    contentLayout()->addWidget(m_repeat);
    contentLayout()->addWidget(m_mismatch);
    contentLayout()->addStretch(1);
    showRepeat(false);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PromptDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, [this] { m_answer = true; });
}

void PromptDialog::setPasswordMode() {
    m_password = true;
}

void PromptDialog::setNewPasswordMode() {
    m_password = true;
    m_newPassword = true;
}

void PromptDialog::showRepeat(bool shown) {
    m_repeatLabel->setVisible(shown);
    m_repeat->setVisible(shown);
    m_mismatch->setVisible(false);
    m_mismatch->clear();
}

void PromptDialog::confirm() {
    if (m_newPassword && m_repeat->text() != m_entry->text()) {
        // The first entry stays: only the repetition is typed again.
        m_mismatch->setText(kPasswordsDifferText);
        m_mismatch->setVisible(true);
        m_repeat->clear();
        m_repeat->setFocus();
        return;
    }
    accept();
}

bool PromptDialog::ask(const QString& caption, const QString& message, const QString& initial) {
    present(caption, message);
    m_answer = false;
    m_entry->setEchoMode(m_password ? QLineEdit::Password : QLineEdit::Normal);
    m_entry->setText(initial);
    m_entry->selectAll();
    m_entry->setFocus();
    m_repeat->clear();
    showRepeat(m_newPassword);
    if (m_newPassword) {
        // Room for the second entry and the line that may say they differ.
        const int extra = 2 * m_repeat->sizeHint().height() +
                          2 * m_mismatch->fontMetrics().lineSpacing() +
                          3 * contentLayout()->spacing();
        setFixedSize(width(), height() + extra);
    }
    exec();
    // Each password prompt sets the mode again, so an ordinary prompt that
    // follows shows what is typed. The entry keeps its echo mode until then:
    // the password stays masked while the caller reads it.
    m_password = false;
    m_newPassword = false;
    return m_answer;
}

QString PromptDialog::enteredText() const {
    return m_entry->text();
}

} // namespace kv
