#include "fleet/gui/CompanyDataModule.h"

#include "fleet/gui/CompanyDataDialog.h"
#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

namespace {
const QString kButton = QStringLiteral("RBSlDaneFirmy");
} // namespace

CompanyDataModule::CompanyDataModule(DataModule& db, MainWindowServices& services,
                                     QWidget* windowParent)
    : m_db(db), m_services(services), m_window(std::make_unique<CompanyDataDialog>(windowParent)) {
    m_services.addSectionCommand(kButton, QStringLiteral("Dane Firmy"), [this] { run(); });
}

CompanyDataModule::~CompanyDataModule() = default;

void CompanyDataModule::run() {
    CompanyDataHost host;
    // The company data has no grid; the section's start page stands behind
    // the window while it is open.
    host.showCompanyPage = [this] {
        m_services.showSectionStart(Section::Dictionaries);
        m_services.highlightButton(kButton);
    };
    host.showSectionStart = [this](bool keepHighlight) {
        m_services.showSectionStart(Section::Dictionaries);
        m_services.highlightButton(keepHighlight ? kButton : QString());
    };
    host.refreshHeader = [this] { m_services.refreshCompanyHeader(); };
    runCompanyData(m_db, *m_window, currentLogin().permissions.has(permission::CompanyDataWrite),
                   host);
}

} // namespace kv
