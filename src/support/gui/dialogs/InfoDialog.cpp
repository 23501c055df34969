#include "support/gui/dialogs/InfoDialog.h"

#include <QCoreApplication>
#include <QPushButton>

namespace kv {

InfoDialog::InfoDialog(QWidget* parent)
    : MessageDialog(MessageWindowKind::Information, QStringLiteral("Informacja"), parent),
      m_ok(addButton(QStringLiteral("  &OK    "))) {
    setObjectName(QStringLiteral("TinfoForm"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void InfoDialog::showInformation(const QString& caption, const QString& message) {
    present(caption, message);
    // Repaint what the caller changed before the modal loop starts, but leave
    // clicks and keys queued: they must not start new work behind the message.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_ok->setFocus();
    exec();
}

} // namespace kv
