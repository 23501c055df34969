#include "support/gui/dialogs/QuestionDialog.h"

#include <QPushButton>

namespace kv {

QuestionDialog::QuestionDialog(QWidget* parent)
    : MessageDialog(MessageWindowKind::Question, QStringLiteral("Zdecyduj"), parent),
      m_yes(addButton(QStringLiteral("  &Tak   "))), m_no(addButton(QStringLiteral("  &Nie   "))) {
    setObjectName(QStringLiteral("TquestionForm"));
    connect(m_yes, &QPushButton::clicked, this, [this] {
        m_answer = true;
        accept();
    });
    // Escape and the window's close button reject as "Nie" does.
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
}

bool QuestionDialog::ask(const QString& caption, const QString& question, DefaultAnswer byDefault) {
    present(caption, question);
    m_answer = false;
    QPushButton* chosen = byDefault == DefaultAnswer::No ? m_no : m_yes;
    QPushButton* other = chosen == m_yes ? m_no : m_yes;
    other->setDefault(false);
    chosen->setDefault(true);
    chosen->setFocus();
    exec();
    return m_answer;
}

} // namespace kv
