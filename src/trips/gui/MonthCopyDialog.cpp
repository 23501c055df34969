#include "trips/gui/MonthCopyDialog.h"

#include "storage/ProgramOptions.h"
#include "support/Clock.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

QComboBox* monthList(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    for (const QString& month : kMonthNames)
        box->addItem(month);
    return box;
}

QComboBox* yearList(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    return box;
}

QGroupBox* group(const QString& title, QComboBox* month, QComboBox* year) {
    auto* g = new QGroupBox(title);
    auto* row = new QHBoxLayout(g);
    row->addWidget(month, 1);
    row->addWidget(year);
    return g;
}

} // namespace

MonthCopyDialog::MonthCopyDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfKopiujMiesiacPrzejazdy"));
    setWindowTitle(QStringLiteral("Kopia przejazdów"));
    m_monthFrom = monthList("kopiujPrzejazdMonthFrom");
    m_yearFrom = yearList("kopiujPrzejazdYearFrom");
    m_monthTo = monthList("kopiujPrzejazdMonthTo");
    m_yearTo = yearList("kopiujPrzejazdYearTo");
    m_rule = new QComboBox;
    m_rule->setObjectName(QStringLiteral("cbCoZrobic"));
    m_rule->addItems({QStringLiteral("Pomiń ten przejazd"),
                      QStringLiteral("Dodaj z datą ustawioną jako ostatni dzień miesiąca")});

    auto* question = new QLabel(
        QStringLiteral("Co zrobić gdy kopiowany numer dnia (A) jest większy niż ostatni dzień "
                       "miesiąca  docelowego (B):"));
    question->setWordWrap(true);
    auto* copy = new QPushButton(QStringLiteral("Skopiuj przejazdy"));
    copy->setObjectName(QStringLiteral("BSkopiuj"));
    copy->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Anuluj"));
    cancel->setObjectName(QStringLiteral("BAnuluj"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(QStringLiteral("(A) Kopiuj dane z miesiąca"), m_monthFrom, m_yearFrom));
    layout->addWidget(group(QStringLiteral("(B) Utwórz kopię w miesiącu"), m_monthTo, m_yearTo));
    layout->addWidget(question);
    layout->addWidget(m_rule);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(copy, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MonthCopyDialog::reset() {
    const QDate today = Clock::today();
    const int first = programOptions().filtrRokOd;
    const int last = std::max(first, programOptions().filtrRokDo);
    for (QComboBox* year : {m_yearFrom, m_yearTo}) {
        year->clear();
        for (int y = first; y <= last; ++y)
            year->addItem(QString::number(y), y);
        year->setCurrentIndex(std::max(0, year->findData(today.year())));
    }
    m_monthFrom->setCurrentIndex(today.month() - 1);
    m_monthTo->setCurrentIndex(today.month() - 1);
    m_rule->setCurrentIndex(0);
}

YearMonth MonthCopyDialog::source() const {
    return {m_yearFrom->currentData().toInt(), m_monthFrom->currentIndex() + 1};
}

YearMonth MonthCopyDialog::target() const {
    return {m_yearTo->currentData().toInt(), m_monthTo->currentIndex() + 1};
}

LastDayRule MonthCopyDialog::rule() const {
    return m_rule->currentIndex() == 1 ? LastDayRule::MoveToLastDay : LastDayRule::Skip;
}

} // namespace kv
