#include "fleet/TfEditBibliotekaAll.h"

#include "support/UserInterface.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

TfEditBibliotekaAll::TfEditBibliotekaAll(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfEditBibliotekaAll"));
    setModal(true);
    setMinimumWidth(460);

    m_heading = new QLabel;
    m_heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2d5b8a;"));
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

    auto* root = new QVBoxLayout(this);
    root->addWidget(m_heading);
    root->addSpacing(6);
    root->addWidget(m_label);
    root->addLayout(textRow);
    root->addWidget(m_lengthRow);
    root->addWidget(m_vat);
    root->addStretch(1);
    root->addLayout(buttons);

    // Enter in a field saves (the default button), Escape cancels.
    connect(m_save, &QPushButton::clicked, this, &TfEditBibliotekaAll::trySave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfEditBibliotekaAll::load(const DictionaryEntryLayout& layout,
                               const DictionaryEntryValues& values) {
    setWindowTitle(layout.title);
    m_heading->setText(layout.title);
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

DictionaryEntryValues TfEditBibliotekaAll::values() const {
    DictionaryEntryValues v;
    v.text = m_text->text();
    v.second = m_showsLength ? m_length->text() : m_hiddenSecond;
    v.bookVat = m_vat->isChecked();
    return v;
}

void TfEditBibliotekaAll::trySave() {
    if (!m_list)
        return;
    DictionaryEntryValues v = values();
    const FormCheck check = checkDictionaryEntry(*m_list, v);
    if (!check.ok) {
        ui().information(QStringLiteral("Uwaga"), check.message);
        if (auto* field = findChild<QLineEdit*>(check.field)) {
            field->setFocus();
            if (check.selectAll)
                field->selectAll();
        }
        return;
    }
    // What is saved shows: the rate in plain digits, the length as a number.
    m_text->setText(v.text);
    if (m_showsLength)
        m_length->setText(v.second);
    accept();
}

bool TfEditBibliotekaAll::confirm() {
    return exec() == QDialog::Accepted;
}

void TfEditBibliotekaAll::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        m_text->setFocus();
        m_text->selectAll();
    });
}

} // namespace kv
