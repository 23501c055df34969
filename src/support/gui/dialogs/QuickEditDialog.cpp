#include "support/gui/dialogs/QuickEditDialog.h"

#include "support/QuickEditCheck.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"
#include "support/gui/dialogs/TitleBand.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace kv {

QuickEditDialog::QuickEditDialog(QWidget* parent)
    : QDialog(parent), m_band(new TitleBand(this)),
      m_label(new QLabel(QStringLiteral("Stan licznika"), this)), m_odometer(new NumberField(this)),
      m_date(new DateField(this)), m_toLabel(new QLabel(QStringLiteral("do"), this)),
      m_dateTo(new DateField(this)), m_save(new QPushButton(QStringLiteral("&Zapisz"), this)),
      m_cancel(new QPushButton(QStringLiteral("&Anuluj"), this)) {
    setObjectName(QStringLiteral("TfSzybkaEdycja"));
    setWindowTitle(QStringLiteral("Szybka edycja pola"));
    m_band->setTitle(QStringLiteral("Zmień pole"));
    m_band->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    m_label->setObjectName(QStringLiteral("labPole"));
    m_odometer->setObjectName(QStringLiteral("fLICZNIK"));
    m_odometer->setMaxLength(18);
    m_date->setObjectName(QStringLiteral("fDATA"));
    m_date->calendarButton()->setObjectName(QStringLiteral("fDTPDATA"));
    m_toLabel->setObjectName(QStringLiteral("labDo"));
    m_dateTo->setObjectName(QStringLiteral("fDATADO"));
    m_dateTo->calendarButton()->setObjectName(QStringLiteral("fDTPDATADO"));

    auto* fields = new QHBoxLayout;
    fields->setContentsMargins(20, 18, 20, 10);
    fields->setSpacing(8);
    fields->addWidget(m_label);
    fields->addWidget(m_odometer, 1);
    fields->addWidget(m_date);
    fields->addWidget(m_toLabel);
    fields->addWidget(m_dateTo);
    fields->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 6, 20, 14);
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_band);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_band->setMinimumWidth(400);

    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &QuickEditDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_odometer, m_date);
    setTabOrder(m_date, m_dateTo);
    setTabOrder(m_dateTo, m_save);
    setTabOrder(m_save, m_cancel);
    setEntries(true, false, false);
}

void QuickEditDialog::setEntries(bool odometer, bool date, bool dateTo) {
    m_odometerVisible = odometer;
    m_dateVisible = date;
    m_dateToVisible = dateTo;
    m_odometer->setVisible(odometer);
    m_date->setVisible(date);
    m_toLabel->setVisible(dateTo);
    m_dateTo->setVisible(dateTo);
}

void QuickEditDialog::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void QuickEditDialog::setTitle(const QString& title) {
    m_band->setTitle(title);
}

void QuickEditDialog::setFieldLabel(const QString& label) {
    m_label->setText(label);
}

void QuickEditDialog::setOdometerText(const QString& text) {
    m_odometer->setText(text);
}

void QuickEditDialog::setDateText(const QString& text) {
    m_date->setText(text);
}

void QuickEditDialog::setDateToText(const QString& text) {
    m_dateTo->setText(text);
}

QString QuickEditDialog::odometerText() const {
    return m_odometer->text();
}

QString QuickEditDialog::dateText() const {
    return m_date->text();
}

QString QuickEditDialog::dateToText() const {
    return m_dateTo->text();
}

bool QuickEditDialog::edit() {
    m_saved = false;
    exec();
    return m_saved;
}

void QuickEditDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QLineEdit* entry = firstVisibleEntry();
    if (!entry)
        return;
    entry->setFocus();
    // A masked entry puts its cursor back at the start while the window
    // appears, so the selection is made once that has happened.
    QTimer::singleShot(0, entry, [entry] { entry->selectAll(); });
}

void QuickEditDialog::save() {
    QuickEditInput input;
    input.odometerVisible = m_odometerVisible;
    input.dateVisible = m_dateVisible;
    input.dateToVisible = m_dateToVisible;
    input.odometer = odometerText();
    input.date = dateText();
    input.dateTo = dateToText();

    const QuickEditOutcome outcome = checkQuickEdit(input);
    if (m_odometerVisible)
        m_odometer->setText(outcome.odometer);
    if (!outcome.accepted) {
        ui().information(outcome.caption, outcome.message);
        QLineEdit* atFault = outcome.focus == QuickEditField::DateTo ? m_dateTo->lineEdit()
                             : outcome.focus == QuickEditField::Date ? m_date->lineEdit()
                                                                     : m_odometer;
        atFault->setFocus();
        atFault->selectAll();
        return;
    }
    m_saved = true;
    accept();
}

QLineEdit* QuickEditDialog::firstVisibleEntry() const {
    if (m_odometerVisible)
        return m_odometer;
    if (m_dateVisible)
        return m_date->lineEdit();
    if (m_dateToVisible)
        return m_dateTo->lineEdit();
    return nullptr;
}

} // namespace kv
