#pragma once

#include <memory>

class QWidget;

namespace kv {

class MainWindowServices;
class TfFirma;
class TmyDataBase;

// The "Dane Firmy" button and menu item of the "Słowniki" section: the
// company data window over the company row, editable with permission 23.
class CompanyDataModule {
public:
    CompanyDataModule(TmyDataBase& db, MainWindowServices& services, QWidget* windowParent);
    ~CompanyDataModule();

    void run();

    TfFirma& window() const { return *m_window; }

private:
    TmyDataBase& m_db;
    MainWindowServices& m_services;
    std::unique_ptr<TfFirma> m_window;
};

} // namespace kv
