#include "AdminFixture.h"

#include "admin/ArchiveDescription.h"
#include "admin/gui/AdminModule.h"
#include "admin/gui/AdministrationWindow.h"
#include "admin/gui/ArchiveWindow.h"
#include "framework/gui/MainWindowServices.h"
#include "support/DateNumbers.h"
#include "support/gui/DateField.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace kv;

namespace {

// Records the menu items a module makes available.
class MenuServices : public MainWindowServices {
public:
    void rebuildVehicleSelector(bool) override {}
    QString companyName() const override { return {}; }
    void refreshCompanyHeader() override {}
    void showSectionStart(Section) override {}
    void highlightButton(const QString&) override {}
    void addSectionCommand(const QString&, const QString&, std::function<void()>) override {}
    void addMenuCommand(const QString& item, std::function<void()> handler) override {
        items.append(item);
        QVERIFY(handler);
    }
    QStringList items;
};

} // namespace

// The two windows over the core: the lists, the focus after a failed check,
// the found-archive panel following the folder.
class TestAdminGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        test::pinAdminToday();
    }
    void cleanupTestCase() { Clock::setFixed(QDateTime()); }
    void init() { env.ui().clear(); }

    void administrationWindowOffersTheListsAndFocusesTheFaultyDate() {
        auto c = test::makeAdminCompany(env, QStringLiteral("okno"));
        AdministrationWindow w(*c.db);
        QCOMPARE(w.objectName(), QStringLiteral("TfAdministracjaBaza"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Administracja bazą danych"));
        QCOMPARE(w.pages()->count(), 4);
        QCOMPARE(w.rowTable()->count(), 19);
        QCOMPARE(w.emptyTable()->count(), 36);
        QCOMPARE(w.rowTable()->currentIndex(), 0);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.fromDate()->setText(QStringLiteral("01.03.2024"));
        w.toDate()->setText(QStringLiteral("31.02.2024"));
        w.deleteRows();
        QCOMPARE(env.ui().last().text, QStringLiteral("Niepoprawny format daty do. Popraw pole."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QCOMPARE(QApplication::focusWidget(), w.toDate()->lineEdit());
        w.toDate()->setText(QStringLiteral("29.02.2024"));
        w.deleteRows();
        QCOMPARE(env.ui().last().text, QStringLiteral("Data od większa niż data do. Popraw pola."));
        QCOMPARE(QApplication::focusWidget(), w.fromDate()->lineEdit());
        // Escape closes the window.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void moduleAttachesBothMenuItems() {
        auto c = test::makeAdminCompany(env, QStringLiteral("menu"));
        MenuServices services;
        AdminModule module(*c.db, services, nullptr);
        QCOMPARE(services.items, (QStringList{QStringLiteral("Administracja bazą danych"),
                                              QStringLiteral("Archiwizacja bazy danych")}));
        QCOMPARE(module.archiveWindow().objectName(), QStringLiteral("TfArchiwum"));
    }

    void archivePanelFollowsTheFolder() {
        auto c = test::makeAdminCompany(env, QStringLiteral("archiwum"));
        ArchiveWindow w(*c.db);
        const QString empty = env.newDirectory(QStringLiteral("pusty"));
        w.setCurrentFolder(empty);
        QVERIFY(!w.foundName()->isEnabled());
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("BPrzywroc"))->isEnabled());
        w.newName()->setText(QStringLiteral("Koniec marca"));
        w.newDate()->setText(QStringLiteral("31.03.2024"));
        w.makeArchive();
        QCOMPARE(env.ui().last().text, QStringLiteral("Archiwum zostało stworzone."));
        QVERIFY(w.foundName()->isEnabled());
        QCOMPARE(w.foundName()->text(), QStringLiteral("Koniec marca"));
        QCOMPARE(w.foundDate()->text(), QStringLiteral("31.03.2024"));
        QVERIFY(w.newName()->text().isEmpty());
        QVERIFY(w.newDate()->isBlank());

        w.foundDate()->setText(QString());
        w.saveDescription();
        QCOMPARE(readArchiveDescription(empty).date, blankDateText());

        w.setCurrentFolder(c.directory);
        QVERIFY(!w.foundName()->isEnabled());
        w.makeArchive(); // a company folder: refused, nothing written
        QVERIFY(env.ui().last().text.contains(QStringLiteral("katalogiem danych firmy")));
        QVERIFY(!holdsArchive(c.directory));
    }

    void newFolderTakesAPlainNameOnly() {
        auto c = test::makeAdminCompany(env, QStringLiteral("folder"));
        ArchiveWindow w(*c.db);
        const QString root = env.newDirectory(QStringLiteral("korzen"));
        w.setCurrentFolder(root);
        env.ui().queuePrompt(QStringLiteral("../poza"));
        w.newFolder();
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Niepoprawna nazwa podkatalogu")));
        QCOMPARE(w.currentFolder(), root);
        env.ui().queuePrompt(std::nullopt);
        w.newFolder();
        QCOMPARE(w.currentFolder(), root);
        const auto prompt = env.ui().last();
        QCOMPARE(prompt.caption, QStringLiteral("Wprowadź nazwę podkatalogu"));
        env.ui().queuePrompt(QStringLiteral("2024-03-16"));
        w.newFolder();
        QCOMPARE(w.currentFolder(), QDir(root).filePath(QStringLiteral("2024-03-16")));
        QVERIFY(QFileInfo(w.currentFolder()).isDir());
    }
};

QTEST_MAIN(TestAdminGui)
#include "tst_admingui.moc"
