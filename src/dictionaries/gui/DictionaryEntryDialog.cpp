#include "dictionaries/gui/DictionaryEntryDialog.h"

#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

DictionaryEntryDialog::DictionaryEntryDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfEditBibliotekaAll"));
    setModal(true);
    setMinimumWidth(460);

    m_label = new QLabel;
    m_text = new QLineEdit;
    m_text->setObjectName(kEntryTextField);
    m_text->setMaxLength(100);
    m_label->setBuddy(m_text);
    m_percent = new QLabel(QStringLiteral("w procentach %"));
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(m_text, 1);
    textRow->addWidget(m_percent);

    m_lengthRow = new QWidget;
    m_length = new NumberField;
    m_length->setObjectName(kEntryLengthField);
    m_length->setMaxLength(20);
    m_length->setMaximumWidth(120);
    m_length->setAlignment(Qt::AlignRight);
    // The length keeps its digits as typed; saving rewrites it as a number.
    m_length->setRewriteOnLeave(false);
    auto* lengthLayout = new QHBoxLayout(m_lengthRow);
    lengthLayout->setContentsMargins(0, 0, 0, 0);
    lengthLayout->addWidget(new QLabel(QStringLiteral("Długość trasy")));
    lengthLayout->addWidget(m_length);
    lengthLayout->addWidget(new QLabel(QStringLiteral("w kilometrach")));
    lengthLayout->addStretch(1);

    m_vat = new QCheckBox(QStringLiteral("Czy księgować VAT?"));
    m_vat->setObjectName(QStringLiteral("cbVAT"));

    body()->addSpacing(6);
    body()->addWidget(m_label);
    body()->addLayout(textRow);
    body()->addWidget(m_lengthRow);
    body()->addWidget(m_vat);
    body()->addStretch(1);
    addButtons();
}

void DictionaryEntryDialog::load(const DictionaryEntryLayout& layout,
                                 const DictionaryEntryValues& values) {
    setWindowTitle(layout.title);
    setHeading(layout.title);
    m_label->setText(layout.label);
    m_percent->setVisible(layout.percentUnit);
    m_showsLength = layout.lengthField;
    m_lengthRow->setVisible(layout.lengthField);
    m_vat->setVisible(layout.vatBox);
    m_text->setText(values.text);
    m_length->setText(layout.lengthField ? values.second : QString());
    m_hiddenSecond = layout.lengthField ? QString() : values.second;
    m_vat->setChecked(values.bookVat);
    adjustSize();
}

DictionaryEntryValues DictionaryEntryDialog::values() const {
    DictionaryEntryValues v;
    v.text = m_text->text();
    v.second = m_showsLength ? m_length->text() : m_hiddenSecond;
    v.bookVat = m_vat->isChecked();
    return v;
}

// The checks depend on the list, so without one the window does not save.
void DictionaryEntryDialog::trySave() {
    if (m_list)
        EditDialog::trySave();
}

FormCheck DictionaryEntryDialog::runChecks() {
    DictionaryEntryValues v = values();
    const FormCheck check = checkDictionaryEntry(*m_list, v);
    if (check.ok) {
        // What is saved shows: the rate in plain digits, the length as a number.
        m_text->setText(v.text);
        if (m_showsLength)
            m_length->setText(v.second);
    }
    return check;
}

QLineEdit* DictionaryEntryDialog::startField() const {
    return m_text;
}

} // namespace kv
