#pragma once

#include "storage/ChangeTemplate.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kv {

class DataModule;

// The company's own data: the single row of firma.DB (IDFIRMA 1), every
// column a text.
//
// The columns in the order of the update's parameters :PARAM0 .. :PARAM20.
const QStringList& companyColumns();

struct CompanyRecord {
    QStringList values; // one per column of companyColumns(), in that order

    CompanyRecord();
    QString value(const QString& column) const;
    void setValue(const QString& column, const QString& text);
    bool operator==(const CompanyRecord&) const = default;
};

// "UPDATE firma.DB SET NAZWA=:PARAM0, ... INNE=:PARAM20 WHERE IDFIRMA =" with
// the record number in the slot "KEY".
const ChangeTemplate& companyUpdateShape();
inline const QString kCompanyUpdateQuery = QStringLiteral("DBFUpdateFirma");

// Reads the company row, creating it first when the table has none (a
// failure of that: code 500). A failure while reading is reported with code
// 2. Nothing on failure.
std::optional<CompanyRecord> readCompanyRecord(DataModule& db);

// The company's name for the main window's header, read without creating the
// row ("" when there is none); a database error is reported with code 1.
QString readCompanyHeaderName(DataModule& db);
// Writes every column of the row; a failure is reported with code 3.
bool saveCompanyRecord(DataModule& db, const CompanyRecord& record);

// The company data window as the "Dane Firmy" command sees it.
class CompanyFormView {
public:
    virtual ~CompanyFormView() = default;
    virtual void load(const CompanyRecord& record) = 0;
    virtual CompanyRecord values() const = 0;
    // Editing, or read-only display with a single closing button.
    virtual void setEditable(bool editable) = 0;
    // Shows the window modally; true when it was confirmed with "&Zapisz".
    virtual bool confirm() = 0;
};

// What the command asks of the main window.
struct CompanyDataHost {
    // The "Słowniki" section with the "Dane Firmy" button highlighted.
    std::function<void()> showCompanyPage;
    // The section's start page afterwards; keepHighlight leaves the button
    // highlighted (after the read-only display).
    std::function<void(bool keepHighlight)> showSectionStart;
    // Reads the company header of the main window again.
    std::function<void()> refreshHeader;
};

enum class CompanyDataOutcome {
    ReadFailed, // the row could not be read or created; nothing was shown
    Viewed,     // shown read-only
    Cancelled,
    Saved,
    SaveFailed,
};

// The "Dane Firmy" command. With the write permission the window edits the
// row and a confirmed window is saved, after which the header is read again;
// without it the window shows the row read-only and nothing is written.
CompanyDataOutcome runCompanyData(DataModule& db, CompanyFormView& form, bool mayWrite,
                                  const CompanyDataHost& host);

} // namespace kv
