#include "reports/AnnualSummaryReport.h"

#include "fleet/CompanyData.h"
#include "reportengine/ReportFonts.h"
#include "reportengine/ReportLayout.h"
#include "reportengine/ReportTemplate.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportRunner.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/TVxUtilities.h"
#include "support/TextFunctions.h"
#include "support/UserInterface.h"

#include <QDir>

namespace kv {

namespace {

// Reported when the vehicle of the summary or the company cannot be read.
constexpr int kVehicleCode = 6304;
constexpr int kCompanyCode = 6305;

const QString kSignatureLine = QStringLiteral("_____________________");

QString signature(const QString& role) {
    return kSignatureLine + QChar(13) + role;
}

// "Suma3", "cell5": the column the name ends in (1..5), 0 for none.
int columnSuffix(const QString& name, const QString& stem) {
    if (name.size() != stem.size() + 1 || !name.startsWith(stem))
        return 0;
    const int c = name.back().digitValue();
    return c >= 1 && c <= 5 ? c : 0;
}

std::optional<report::ReportTemplate> loadNamed(const QString& dir, const QString& file) {
    const QString folder = dir.isEmpty() ? reportTemplateDirectory() : dir;
    report::TemplateError error;
    auto tpl = report::loadTemplate(QDir(folder).filePath(file), &error);
    if (!tpl) {
        ui().information(QStringLiteral("Błąd"), error.message());
        return std::nullopt;
    }
    QString fontError;
    if (!report::loadReportFonts(&fontError)) {
        ui().information(QStringLiteral("Błąd"), fontError);
        return std::nullopt;
    }
    return tpl;
}

// Twelve months, each telling the answers which month it is on.
class MonthRows : public report::RowSource {
public:
    explicit MonthRows(AnnualSummaryValues& values) : m_values(values) {}
    void first() override { set(0); }
    void next() override { set(m_month + 1); }
    bool atEnd() const override { return m_month >= 12; }

private:
    void set(int month) {
        m_month = month;
        if (month < 12)
            m_values.setRow(month);
    }
    AnnualSummaryValues& m_values;
    int m_month = 0;
};

} // namespace

AnnualSummaryHeader readAnnualSummaryHeader(DataModule& db, int vehicleId, int year) {
    AnnualSummaryHeader h;
    h.year = year;
    h.company = readCompanyHeaderName(db);
    try {
        const ResultSet r = db.select(
            QStringLiteral(
                "SELECT NRREJ, MARKA, NREW, POJEMNOSC FROM pojazdy.DB WHERE IDPOJAZD = %1")
                .arg(vehicleId));
        if (!r.isEmpty()) {
            h.vehicle = r.text(0, QStringLiteral("NRREJ")) + QStringLiteral(", ") +
                        r.text(0, QStringLiteral("MARKA"));
            h.owner = r.text(0, QStringLiteral("NREW"));
            h.capacity = QString::number(r.value(0, QStringLiteral("POJEMNOSC")).toLongLong()) +
                         QStringLiteral(" cm3");
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kVehicleCode);
    }
    return h;
}

QString annualSummaryMonthText(int month) {
    return u' ' + TVxUtilities::instance().monthName(month);
}

QList<QStringList> annualSummarySheet(const AnnualSummary& summary) {
    QList<QStringList> sheet;
    sheet.append(QStringList{annualSummaryMonthTitle()} + annualSummaryColumnTitles());
    for (int m = 0; m < 12; ++m) {
        QStringList line{annualSummaryMonthText(m + 1)};
        for (int c = 0; c < 5; ++c)
            line << annualSummaryCellText(summary.cell(m, c));
        sheet.append(line);
    }
    return sheet;
}

QStringList receiptCompanyLines(DataModule& db, QString* town) {
    QStringList lines;
    try {
        const ResultSet r = db.select(
            QStringLiteral("SELECT NAZWA, ULICA, NUMER, KOD, MIASTO, NIP, TELEFON, FAX, EMAIL FROM "
                           "firma.DB WHERE IDFIRMA = %1")
                .arg(DataModule::kCompanyRecord));
        if (!r.isEmpty()) {
            const auto t = [&](const char* column) {
                return r.text(0, QLatin1String(column)).trimmed();
            };
            const auto joined = [](const QString& a, const QString& b) {
                return (a + u' ' + b).trimmed();
            };
            // The street and its number with a blank between them.
            for (const QString& line :
                 {t("NAZWA"), joined(t("ULICA"), t("NUMER")), joined(t("KOD"), t("MIASTO")),
                  t("NIP"), t("TELEFON"), t("FAX"), t("EMAIL")})
                if (!line.isEmpty())
                    lines << line;
            if (town)
                *town = t("MIASTO");
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kCompanyCode);
    }
    while (lines.size() < 7)
        lines << QString();
    return lines;
}

AnnualSummaryValues::AnnualSummaryValues(const AnnualSummary& summary,
                                         const AnnualSummaryHeader& header,
                                         const CommonValues& common)
    : m_summary(summary), m_header(header), m_common(common) {}

QString AnnualSummaryValues::value(const QString& name) {
    const QString n = name.toUpper();
    if (n == u"WIERSZHEADER")
        return TVxUtilities::instance().monthName(m_month + 1);
    // One cell repeated over the five columns: each asking moves on.
    if (n == u"CELL") {
        if (m_cellRow != m_month) {
            m_cellRow = m_month;
            m_cellColumn = 0;
        }
        const int column = m_cellColumn++ % 5;
        return annualSummaryCellText(m_summary.cell(m_month, column));
    }
    if (const int c = columnSuffix(n, QStringLiteral("CELL")))
        return annualSummaryCellText(m_summary.cell(m_month, c - 1));
    if (n == u"KOLUMNAHEADER")
        return annualSummaryColumnTitles().at(m_headerColumn++ % 5);
    if (const int c = columnSuffix(n, QStringLiteral("KOLUMNAHEADER")))
        return annualSummaryColumnTitles().at(c - 1);
    if (n == u"SUMA")
        return annualSummaryCellText(m_summary.totals.at(m_sumColumn++ % 5));
    if (const int c = columnSuffix(n, QStringLiteral("SUMA")))
        return annualSummaryCellText(m_summary.totals.at(c - 1));
    if (n == u"ROK")
        return QString::number(m_header.year);
    if (n == u"NRREJ")
        return m_header.vehicle;
    if (n == u"WLASCICIEL")
        return m_header.owner;
    if (n == u"POJEMNOSC")
        return m_header.capacity;
    return commonVariable(n, m_common, m_page);
}

MonthReceiptValues::MonthReceiptValues(const AnnualSummary& summary,
                                       const AnnualSummaryHeader& header,
                                       const ReceiptChoice& choice, QStringList companyLines,
                                       QString town)
    : m_summary(summary), m_header(header), m_choice(choice), m_lines(std::move(companyLines)),
      m_town(std::move(town)) {}

QString MonthReceiptValues::value(const QString& name) {
    const QString n = name.toUpper();
    if (const int c = n.startsWith(u"FIRMA") && n.size() == 6 ? n.back().digitValue() : 0;
        c >= 1 && c <= 7)
        return m_lines.value(c - 1);
    const int month = std::clamp(m_choice.month, 1, 12);
    const Decimal booked = m_summary.months.at(month - 1).booked;
    if (n == u"MIEJSCOWOSC")
        return m_town;
    if (n == u"WYSTAWIONO")
        return m_choice.issueDate;
    if (n == u"NUMER")
        return m_choice.number;
    if (n == u"WARTOSC")
        return annualSummaryCellText(booked);
    if (n == u"SLOWNIE")
        return amountInWords(booked.toDouble());
    if (n == u"MIESIAC")
        return TVxUtilities::instance().monthName(month);
    if (n == u"ROK")
        return QString::number(m_header.year);
    if (n == u"NRREJ")
        return m_header.vehicle;
    if (n == u"WYSTAWIL")
        return signature(QStringLiteral("Wystawił"));
    if (n == u"ZAAKCEPTOWAL")
        return signature(QStringLiteral("Zaakceptował"));
    return QString();
}

std::optional<report::ReportDocument> layoutAnnualSummary(const AnnualSummary& summary,
                                                          const AnnualSummaryHeader& header,
                                                          const CommonValues& common,
                                                          const QString& templateDir) {
    const auto tpl = loadNamed(templateDir, QStringLiteral("zest_m.frf"));
    if (!tpl)
        return std::nullopt;
    AnnualSummaryValues values(summary, header, common);
    MonthRows rows(values);
    return report::layoutReport(*tpl, rows, values, kReportTitle);
}

std::optional<report::ReportDocument>
layoutMonthReceipt(const AnnualSummary& summary, const AnnualSummaryHeader& header,
                   const ReceiptChoice& choice, const QStringList& companyLines,
                   const QString& town, const QString& templateDir) {
    const auto tpl = loadNamed(templateDir, QStringLiteral("dw_miesiac.frf"));
    if (!tpl)
        return std::nullopt;
    MonthReceiptValues values(summary, header, choice, companyLines, town);
    report::CountedRows none(0);
    return report::layoutReport(*tpl, none, values, kReportTitle);
}

} // namespace kv
