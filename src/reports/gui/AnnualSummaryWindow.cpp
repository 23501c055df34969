#include "reports/gui/AnnualSummaryWindow.h"

#include "framework/RegisterExport.h"
#include "framework/gui/CsvSaveDialog.h"
#include "reports/gui/ReportPreviewDialog.h"
#include "storage/ProgramOptions.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/TVxUtilities.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

QLabel* boldLabel(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

AnnualSummaryWindow::AnnualSummaryWindow(DataModule& db, AnnualSummary summary,
                                         AnnualSummaryHeader header, ReportChoices choices,
                                         QWidget* parent)
    : QDialog(parent), m_db(db), m_summary(std::move(summary)), m_header(std::move(header)),
      m_choices(std::move(choices)) {
    setObjectName(QStringLiteral("TfKsiegowanie"));
    setWindowTitle(QStringLiteral("Zestawienie roczne kosztów eksploatacji i przejazdów"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* head = new QGridLayout;
    buildHeader(head);
    layout->addLayout(head);

    m_table = new QTableWidget(12, 6);
    m_table->setObjectName(QStringLiteral("KsiegowanieGrid"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalHeaderLabels(QStringList{annualSummaryMonthTitle()} +
                                       annualSummaryColumnTitles());
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int m = 0; m < 12; ++m) {
        auto* month = new QTableWidgetItem(annualSummaryMonthText(m + 1));
        month->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_table->setItem(m, 0, month);
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(annualSummaryCellText(m_summary.cell(m, c)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(m, c + 1, item);
        }
    }
    m_table->setColumnWidth(0, 120);
    for (int c = 1; c <= 5; ++c)
        m_table->setColumnWidth(c, 160);
    m_table->setMinimumHeight(m_table->horizontalHeader()->height() +
                              12 * m_table->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(m_table, 1);

    // The five totals under their columns.
    auto* totals = new QHBoxLayout;
    totals->setSpacing(0);
    totals->setContentsMargins(m_table->frameWidth(), 0, 0, 0);
    auto* sumTitle = boldLabel(QStringLiteral("Razem:"));
    sumTitle->setFixedWidth(120);
    totals->addWidget(sumTitle);
    for (int c = 0; c < 5; ++c) {
        auto* l = boldLabel(annualSummaryCellText(m_summary.totals.at(c)));
        l->setObjectName(QStringLiteral("LSuma%1").arg(c + 1));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFixedWidth(160);
        l->setContentsMargins(0, 0, 6, 0);
        totals->addWidget(l);
        m_totals << l;
    }
    totals->addStretch(1);
    layout->addLayout(totals);

    auto* receipt = new QHBoxLayout;
    auto* print = button("SBDrukujZestawienie", QStringLiteral("Drukuj zestawienie"));
    auto* csv = button("SBcsv", QStringLiteral("do CSV"));
    auto* dw = button("SBDowodWewnetrzny", QStringLiteral("Dowód wewnętrzny za &mc:"));
    m_month = new QComboBox;
    m_month->setObjectName(QStringLiteral("CBDWMiesiac"));
    m_month->addItem(QString());
    for (int m = 1; m <= 12; ++m)
        m_month->addItem(TVxUtilities::instance().monthName(m));
    m_issueDate = new DateField;
    m_issueDate->setObjectName(QStringLiteral("DWData"));
    m_issueDate->setDateNumber(static_cast<int>(dateToDateNumber(Clock::today())));
    m_number = new QLineEdit;
    m_number->setObjectName(QStringLiteral("DWNumer"));
    m_number->setMaxLength(30);
    receipt->addWidget(dw);
    receipt->addWidget(m_month);
    receipt->addWidget(new QLabel(QStringLiteral("Data wystawienia DW:")));
    receipt->addWidget(m_issueDate);
    receipt->addWidget(new QLabel(QStringLiteral("Nr dowodu:")));
    receipt->addWidget(m_number);
    receipt->addStretch(1);
    layout->addLayout(receipt);

    auto* commands = new QHBoxLayout;
    commands->addWidget(print);
    commands->addWidget(csv);
    commands->addStretch(1);
    auto* close = button("SBZamknij", QStringLiteral("&Zamknij"));
    commands->addWidget(close);
    layout->addLayout(commands);

    connect(print, &QPushButton::clicked, this, &AnnualSummaryWindow::printSummary);
    connect(dw, &QPushButton::clicked, this, &AnnualSummaryWindow::printReceipt);
    connect(csv, &QPushButton::clicked, this, &AnnualSummaryWindow::saveSheet);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 620);
}

void AnnualSummaryWindow::buildHeader(QGridLayout* grid) {
    const QList<std::pair<QString, QString>> rows{
        {QStringLiteral("Zestawienie na:"), QString::number(m_header.year)},
        {QStringLiteral("Pojazd:"), m_header.vehicle},
        {QStringLiteral("Właściciel:"), m_header.owner},
        {QStringLiteral("Pojemność:"), m_header.capacity},
        {QStringLiteral("Firma:"), m_header.company}};
    int r = 0;
    for (const auto& [label, value] : rows) {
        grid->addWidget(new QLabel(label), r, 0);
        grid->addWidget(boldLabel(value), r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
}

QString AnnualSummaryWindow::totalText(int column) const {
    return m_totals.value(column) ? m_totals.at(column)->text() : QString();
}

void AnnualSummaryWindow::printSummary() {
    if (auto doc = layoutAnnualSummary(m_summary, m_header, commonValues(m_db, m_choices)))
        showReportPreview(std::move(*doc), this);
}

void AnnualSummaryWindow::printReceipt() {
    if (m_month->currentIndex() <= 0) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Nie wskazano miesiąca, na który wygenerować Dowód "
                                        "Wewnętrzny."));
        return;
    }
    if (m_issueDate->isBlank())
        m_issueDate->setDateNumber(static_cast<int>(dateToDateNumber(Clock::today())));
    ReceiptChoice choice;
    choice.month = m_month->currentIndex();
    choice.issueDate = m_issueDate->text();
    choice.number = m_number->text();
    QString town;
    const QStringList lines = receiptCompanyLines(m_db, &town);
    if (auto doc = layoutMonthReceipt(m_summary, m_header, choice, lines, town))
        showReportPreview(std::move(*doc), this);
}

void AnnualSummaryWindow::saveSheet() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const CsvEncoding remembered =
        programOptions().csvUtf8 ? CsvEncoding::Utf8WithBom : CsvEncoding::Windows1250;
    const auto choice = CsvSaveDialog::ask(this, documents.isEmpty() ? QDir::homePath() : documents,
                                           QStringLiteral("Zestawienie.csv"), remembered);
    if (!choice)
        return;
    reportExport(writeCsv(annualSummarySheet(m_summary), choice->fileName, choice->encoding));
}

} // namespace kv
