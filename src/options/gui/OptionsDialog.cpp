#include "options/gui/OptionsDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace kv {

namespace {

template <typename T> QWidget* makeControl(const ControlBinding<T>& b, QWidget* parent) {
    QWidget* control = nullptr;
    switch (b.kind) {
    case ControlKind::Check:
        control = new QCheckBox(b.caption, parent);
        break;
    case ControlKind::Number: {
        auto* spin = new QSpinBox(parent);
        spin->setRange(b.minimum, b.maximum);
        spin->setAlignment(Qt::AlignRight);
        spin->setMinimumWidth(90);
        control = spin;
        break;
    }
    case ControlKind::Choice: {
        auto* list = new QComboBox(parent);
        list->addItems(b.items);
        control = list;
        break;
    }
    }
    control->setObjectName(b.name);
    if (b.hidden)
        control->hide();
    return control;
}

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    return layout;
}

// A frame around check boxes that belong together.
QVBoxLayout* groupLayout(QVBoxLayout* page, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    page->addWidget(group);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(4);
    return layout;
}

// Zero after a deadline is not "on the day" but "for as long as it is due".
const QString kWithoutLimit = QStringLiteral("(0 - bez ograniczeń)");

QFormLayout* formLayout() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setHorizontalSpacing(12);
    return form;
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget(this)),
      m_save(new QPushButton(QStringLiteral("  &Zapisz   "), this)),
      m_cancel(new QPushButton(QStringLiteral("  &Anuluj   "), this)) {
    setObjectName(QStringLiteral("TfOpcjeProgramu"));
    setWindowTitle(QStringLiteral("Opcje programu"));
    m_pages->setObjectName(QStringLiteral("pages"));
    m_save->setObjectName(QStringLiteral("btnZapisz"));
    m_cancel->setObjectName(QStringLiteral("btnAnuluj"));

    buildGeneralPage();
    buildDeadlinesPage();
    buildMileagePage();
    buildReportsPage();
    buildBackupPage();

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &OptionsDialog::save);
    // Escape closes through reject() as well, taking nothing.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* OptionsDialog::addPage(const QString& title, const QString& name) {
    auto* page = new QWidget(m_pages);
    page->setObjectName(name);
    m_pages->addTab(page, title);
    return page;
}

QWidget* OptionsDialog::optionControl(const QString& name, QWidget* parent) {
    const OptionBinding* b = findOptionBinding(name);
    Q_ASSERT(b);
    QWidget* control = makeControl(*b, parent);
    m_options.insert(name, control);
    return control;
}

void OptionsDialog::addChecks(QBoxLayout* layout, const QStringList& names, QWidget* parent) {
    for (const QString& name : names)
        layout->addWidget(optionControl(name, parent));
}

void OptionsDialog::addRow(QFormLayout* form, const QString& name, QWidget* parent,
                           const QString& hint) {
    QWidget* control = optionControl(name, parent);
    const QString caption = findOptionBinding(name)->caption;
    if (hint.isEmpty()) {
        form->addRow(caption, control);
        return;
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(control);
    row->addWidget(new QLabel(hint, parent));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    form->addRow(label, row);
}

void OptionsDialog::buildGeneralPage() {
    QWidget* page = addPage(QStringLiteral("Ogólne"), QStringLiteral("tsOgolne"));
    QVBoxLayout* layout = pageLayout(page);
    addChecks(groupLayout(layout, page),
              {QStringLiteral("pokazujPoradeDnia"), QStringLiteral("pytajPrzedZamknieciem"),
               QStringLiteral("pytajPrzedKasowaniem")},
              page);
    addChecks(groupLayout(layout, page),
              {QStringLiteral("sprawdzajTerminy"), QStringLiteral("sprawdzajNotatki"),
               QStringLiteral("sprawdzajPrzebieg"), QStringLiteral("sprawdzajMagazyn")},
              page);
    addChecks(groupLayout(layout, page),
              {QStringLiteral("cbKopiujPrzebiegDoHistorii"), QStringLiteral("cbSetNrRej"),
               QStringLiteral("cbAllowChangeOsobowaNREW"), QStringLiteral("poleInneJestLiczba")},
              page);

    auto* years = new QHBoxLayout;
    years->setSpacing(8);
    auto* yearsLabel = new QLabel(QStringLiteral("Filtr na rok - zakres od - do"), page);
    QWidget* from = optionControl(QStringLiteral("filtrRokOd"), page);
    yearsLabel->setBuddy(from);
    years->addWidget(yearsLabel);
    years->addWidget(from);
    years->addWidget(new QLabel(QStringLiteral("-"), page));
    years->addWidget(optionControl(QStringLiteral("filtrRokDo"), page));
    years->addWidget(new QLabel(QStringLiteral("*)"), page));
    years->addStretch();
    layout->addLayout(years);
    layout->addWidget(noteLabel(
        QStringLiteral("*) Filtr na rok zostanie uaktualniony dopiero po restarcie programu."),
        page));

    // The power-on check is kept but never shown: the autostart entry keeps
    // whatever state it had when the window opened.
    addChecks(layout, {QStringLiteral("cbPowerOnSprawdzacz"), QStringLiteral("cbPowerOnPrzebiegi")},
              page);
    layout->addStretch();
}

void OptionsDialog::buildDeadlinesPage() {
    QWidget* page = addPage(QStringLiteral("Sprawdzanie terminów"), QStringLiteral("tsTerminy"));
    QVBoxLayout* layout = pageLayout(page);
    addChecks(groupLayout(layout, page),
              {QStringLiteral("cbOC"), QStringLiteral("cbAC"), QStringLiteral("cbPRZEG"),
               QStringLiteral("cbPRZEGW"), QStringLiteral("cbKPALIWOWE"),
               QStringLiteral("cbDOKUMENTY"), QStringLiteral("cbWYPOSAZENIE"),
               QStringLiteral("cbNAPRAWY"), QStringLiteral("cbOPONY"),
               QStringLiteral("cbTERMINARZ"), QStringLiteral("cbTachograf")},
              page);
    QFormLayout* form = formLayout();
    addRow(form, QStringLiteral("dataPrzed"), page);
    addRow(form, QStringLiteral("dataPo"), page, kWithoutLimit);
    addRow(form, QStringLiteral("sprawdzajTerminySortuj"), page);
    layout->addLayout(form);
    addChecks(layout,
              {QStringLiteral("cbSprTermAktPojazdy"), QStringLiteral("cbInterruptLongChecking")},
              page);
    layout->addStretch();
}

void OptionsDialog::buildMileagePage() {
    QWidget* page =
        addPage(QStringLiteral("Sprawdzanie wg przebiegu"), QStringLiteral("tsPrzebieg"));
    QVBoxLayout* layout = pageLayout(page);
    addChecks(groupLayout(layout, page),
              {QStringLiteral("cbLICZPRZEG"), QStringLiteral("cbLICZGWAR"),
               QStringLiteral("cbLICZDOK"), QStringLiteral("cbLICZWYPOS"),
               QStringLiteral("cbLICZNAPR"), QStringLiteral("cbLICZOPONY"),
               QStringLiteral("cbLICZTERM")},
              page);
    QFormLayout* form = formLayout();
    addRow(form, QStringLiteral("kmOd"), page);
    addRow(form, QStringLiteral("kmDo"), page, kWithoutLimit);
    layout->addLayout(form);
    addChecks(layout, {QStringLiteral("cbSprPrzebAktPojazdy")}, page);
    layout->addStretch();
}

void OptionsDialog::buildReportsPage() {
    QWidget* page = addPage(QStringLiteral("Raporty"), QStringLiteral("tsRaporty"));
    QVBoxLayout* layout = pageLayout(page);
    addChecks(groupLayout(layout, page),
              {QStringLiteral("cbRapZaakceptowal"), QStringLiteral("cbRapWystawil"),
               QStringLiteral("cbRapData"), QStringLiteral("cbRapFirma")},
              page);
    layout->addStretch();
}

void OptionsDialog::buildBackupPage() {
    QWidget* page = addPage(QStringLiteral("Kopia zapasowa"), QStringLiteral("tsKopia"));
    QVBoxLayout* layout = pageLayout(page);
    m_backupControls = new QGroupBox(page);
    m_backupControls->setObjectName(QStringLiteral("backupControls"));
    layout->addWidget(m_backupControls);
    auto* inner = new QVBoxLayout(m_backupControls);
    QFormLayout* form = formLayout();
    inner->addLayout(form);
    for (const BackupBinding& b : backupBindings()) {
        QWidget* control = makeControl(b, m_backupControls);
        m_backup.insert(b.name, control);
        if (b.kind == ControlKind::Check)
            inner->addWidget(control);
        else
            form->addRow(b.caption, control);
    }
    layout->addWidget(
        noteLabel(QStringLiteral("*) Tą konfigurację może zmienić jedynie Administrator"), page));
    layout->addStretch();
}

void OptionsDialog::showValues(const QHash<QString, QWidget*>& controls,
                               const ControlValues& values) {
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        const QVariant value = values.value(it.key());
        if (auto* check = qobject_cast<QCheckBox*>(it.value()))
            check->setChecked(value.toBool());
        else if (auto* spin = qobject_cast<QSpinBox*>(it.value()))
            spin->setValue(value.toInt());
        else if (auto* list = qobject_cast<QComboBox*>(it.value()))
            list->setCurrentIndex(value.toInt());
    }
}

ControlValues OptionsDialog::valuesOf(const QHash<QString, QWidget*>& controls) {
    ControlValues values;
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        if (auto* check = qobject_cast<QCheckBox*>(it.value()))
            values.insert(it.key(), check->isChecked());
        else if (auto* spin = qobject_cast<QSpinBox*>(it.value()))
            // The text as typed: the core decides what a text without an
            // integer means, whatever the field has made of it so far.
            values.insert(it.key(), spin->cleanText());
        else if (auto* list = qobject_cast<QComboBox*>(it.value()))
            values.insert(it.key(), list->currentIndex());
    }
    return values;
}

bool OptionsDialog::editOptions() {
    m_saved = false;
    m_editing = OptionsEditing{};
    m_editing.begin();
    showValues(m_backup, m_editing.backupValues());
    m_backupControls->setEnabled(m_editing.backupEditable());

    m_pages->setCurrentIndex(0);
    showValues(m_options, m_editing.optionValues());
    exec();

    m_editing.finish(valuesOf(m_backup));
    return m_saved;
}

bool OptionsDialog::edit(QWidget* parent) {
    OptionsDialog window(parent);
    return window.editOptions();
}

void OptionsDialog::save() {
    m_editing.save(valuesOf(m_options));
    m_saved = true;
    accept();
}

} // namespace kv
