#include "users/gui/UserEditDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {
QLineEdit* field(const char* name, int maxLength, bool masked, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    if (masked)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}
} // namespace

UserEditDialog::UserEditDialog(QWidget* parent)
    : QDialog(parent), m_name(field("fNAZWA", kUserNameMaxLength, false, this)),
      m_description(field("fOPIS", kUserDescriptionMaxLength, false, this)),
      m_password(field("fHASLO", kUserPasswordMaxLength, true, this)),
      m_repeat(field("fHASLO2", kUserPasswordMaxLength, true, this)),
      m_save(new QPushButton(QStringLiteral("&Zapisz"), this)),
      m_cancel(new QPushButton(QStringLiteral("&Anuluj"), this)) {
    setObjectName(QStringLiteral("TfUserEdit"));
    setWindowTitle(QStringLiteral("Użytkownik"));
    setModal(true);

    // The name and the passwords are short by nature; the description is long.
    for (QLineEdit* e : {m_name, m_password, m_repeat})
        e->setFixedWidth(180);
    m_description->setFixedWidth(360);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Nazwa"), m_name);
    form->addRow(QStringLiteral("Opis"), m_description);
    form->addRow(QStringLiteral("Hasło"), m_password);
    form->addRow(QStringLiteral("Powtórka hasła"), m_repeat);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_save, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &UserEditDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(14);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void UserEditDialog::fill(const UserEditValues& values, bool nameEditable) {
    m_confirmed = false;
    m_name->setText(values.name);
    m_description->setText(values.description);
    m_password->setText(values.password);
    m_repeat->setText(values.repeat);
    m_name->setEnabled(nameEditable);
    (nameEditable ? m_name : m_description)->setFocus();
}

void UserEditDialog::prepareForAdd(const UserEditValues& values) {
    fill(values, true);
}

void UserEditDialog::prepareForEdit(const QString& name, const QString& description) {
    fill({name, description, {}, {}}, false);
}

UserEditValues UserEditDialog::values() const {
    return {m_name->text(), m_description->text(), m_password->text(), m_repeat->text()};
}

void UserEditDialog::save() {
    switch (checkUserEdit(values())) {
    case UserField::None:
        m_confirmed = true;
        accept();
        return;
    case UserField::Name:
        m_name->setFocus();
        break;
    case UserField::Description:
        m_description->setFocus();
        break;
    case UserField::Password:
        m_password->setFocus();
        break;
    }
}

bool UserEditDialog::showModal() {
    m_confirmed = false;
    (m_name->isEnabled() ? m_name : m_description)->setFocus();
    exec();
    return m_confirmed;
}

} // namespace kv
