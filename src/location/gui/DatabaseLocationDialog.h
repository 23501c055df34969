#pragma once

#include "location/DatabaseLocation.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace kv {

class DirectoryChooser;

// The window "Baza danych": creating a new database, pointing to an existing
// one, and adding, renaming or deleting companies. Six pages shown one at a
// time; the step button `dalej` acts on the page shown. Every check and
// operation is done by the core (DatabaseSetup.h, CompanyAdministration.h);
// the window collects the input and moves between the pages. The location and
// password it sets are kv::currentDatabaseLocation() (and stored).
class DatabaseLocationDialog : public QDialog {
    Q_OBJECT
public:
    enum Page { MenuPage, CreatePage, OpenPage, NewCompanyPage, RenamePage, DeletePage };

    explicit DatabaseLocationDialog(QWidget* parent = nullptr);

    // Shows the window modally. In start-up mode a database made or chosen, or
    // a company added, closes the window at once. True when the location is
    // usable when the window closes.
    static bool run(bool startupMode, QWidget* parent = nullptr);
    // The same on this window.
    bool showModal(bool startupMode);

    bool startupMode() const { return m_startupMode; }
    Page page() const;
    // The check result of the last location test.
    LocationCheck lastCheck() const { return m_check; }

    QPushButton* stepButton() const { return m_dalej; }
    QPushButton* loginButton() const { return m_logowanie; }
    QPushButton* menuButton() const { return m_menu; }
    DirectoryChooser* createChooser() const { return m_createChooser; }
    DirectoryChooser* openChooser() const { return m_openChooser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the pages.
    QWidget* pageFrame(const QString& title, const QString& name);
    QWidget* buildMenuPage();
    QWidget* buildCreatePage();
    QWidget* buildOpenPage();
    QWidget* buildNewCompanyPage();
    QWidget* buildRenamePage();
    QWidget* buildDeletePage();

    // What the window does when shown, and "<<  &Menu   ".
    void showFirstPage();
    void showPage(Page page, const QString& stepCaption);
    void updateStepButton();
    void showHelp();
    void forgetPassword() { m_rememberedPassword.clear(); }

    // The step button on each page.
    void step();
    void stepFromMenu();
    void stepCreate();
    void stepOpen();
    void stepNewCompany();
    void stepRename();
    void stepDelete();
    void newFolder();
    bool fillCompanyList(QComboBox* list, qint64 failureCode);

    // The password of the location, asked until it opens it; the
    // connection-problem window after each wrong one. For the work on the
    // companies of the program's own database, which the stored password
    // opens, a wrong password is called wrong instead.
    std::optional<QString> askPassword(const QString& location, const QString& message,
                                       bool ownDatabase = false);

    bool m_startupMode = false;
    QString m_rememberedPassword;
    LocationCheck m_check = LocationCheck::Missing;

    QStackedWidget* m_pages;
    QPushButton* m_dalej;
    QPushButton* m_logowanie;
    QPushButton* m_menu;
    // first page
    QLabel* m_lokalizacja2;
    QLabel* m_infoBrakBazy;
    QRadioButton* m_rbNowa;
    QRadioButton* m_rbOtworz;
    QRadioButton* m_rbNowaFirma;
    QRadioButton* m_rbZmienNazwe;
    QRadioButton* m_rbUsunFirme;
    // creation and opening pages
    DirectoryChooser* m_createChooser;
    QCheckBox* m_cbDEMO;
    DirectoryChooser* m_openChooser;
    // company pages
    QLineEdit* m_nowaFirmaNazwa;
    QLineEdit* m_nowaFirmaKatalog;
    QComboBox* m_cbFirmy1;
    QLineEdit* m_zmienFirmaNazwa;
    QLineEdit* m_zmienFirmaKatalog;
    QComboBox* m_cbFirmy2;
    QLineEdit* m_usunFirmaKatalog;
};

} // namespace kv
