#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "location/gui/DatabaseLocationDialog.h"
#include "location/gui/DatabaseProblemGuide.h"
#include "location/gui/DirectoryChooser.h"
#include "location/gui/FirstStartGuide.h"
#include "support/gui/dialogs/TitleBand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

// Stands in for the system's PDF viewer.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The database window and the two guides, driven as a user would.
class TestWskazBaze : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    template <typename T> static T* child(QWidget* w, const char* name) {
        T* found = w->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    static QString stepCaption(DatabaseLocationDialog& w) { return w.stepButton()->text(); }
    int prompts() {
        int n = 0;
        for (const auto& m : env.ui().messages())
            n += m.kind == ScriptedUserInterface::Kind::Prompt;
        return n;
    }

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
        currentDatabaseLocation() = {};
    }

    void withoutADatabaseOnlyCreatingOrOpeningIsOffered() {
        DatabaseLocationDialog w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Baza danych"));
        QCOMPARE(child<QLabel>(&w, "lokalizacja2")->text(), QStringLiteral("<brak bazy>"));
        QCOMPARE(child<QLabel>(&w, "infoBrakBazy")->text(),
                 QStringLiteral("Z programem nie skojarzono do tej pory żadnej bazy danych."));
        QVERIFY(child<QRadioButton>(&w, "rbNowa")->isChecked());
        QVERIFY(child<QRadioButton>(&w, "rbOtworz")->isEnabled());
        for (const char* name : {"rbNowaFirma", "rbZmienNazwe", "rbUsunFirme"})
            QVERIFY2(!child<QRadioButton>(&w, name)->isEnabled(), name);
        QVERIFY(!w.loginButton()->isEnabled());
        QVERIFY(!w.menuButton()->isEnabled());
        QCOMPARE(stepCaption(w), QStringLiteral("  &Dalej   >>  "));
        QVERIFY(child<QCheckBox>(&w, "cbDEMO")->isChecked());
        QCOMPARE(w.findChildren<QPushButton*>(QStringLiteral("pomoc")).size(), 6);
    }

    void creationStepNeedsAnExistingDirectory() {
        DatabaseLocationDialog w;
        w.stepButton()->click();
        QCOMPARE(w.page(), DatabaseLocationDialog::CreatePage);
        QCOMPARE(stepCaption(w), QStringLiteral(" Z&ałóż >>"));
        QVERIFY(w.menuButton()->isEnabled());
        QCOMPARE(w.createChooser()->treeDirectory(), QDir::homePath());

        auto* path = child<QLineEdit>(&w, "lokalizacjaCreate");
        const QString dir = env.newDirectory(QStringLiteral("gui-create"));
        path->setText(QStringLiteral("/nie/ma/takiego"));
        QVERIFY(!w.stepButton()->isEnabled());
        path->setText(dir);
        QVERIFY(w.stepButton()->isEnabled());
        QCOMPARE(w.createChooser()->treeDirectory(), dir);
        QFile file(QDir(dir).filePath(QStringLiteral("plik.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        path->setText(file.fileName());
        QVERIFY(!w.stepButton()->isEnabled());
        path->clear();
        QVERIFY(!w.stepButton()->isEnabled());

        w.menuButton()->click();
        QCOMPARE(w.page(), DatabaseLocationDialog::MenuPage);
        QVERIFY(w.stepButton()->isEnabled());
    }

    void emptyDatabaseLeadsStraightToItsFirstCompany() {
        DatabaseLocationDialog w;
        w.stepButton()->click();
        const QString dir = env.newDirectory(QStringLiteral("gui-empty"));
        child<QLineEdit>(&w, "lokalizacjaCreate")->setText(dir);
        child<QCheckBox>(&w, "cbDEMO")->setChecked(false);
        env.ui().queuePrompt(QStringLiteral("ab"));
        env.ui().queuePrompt(QStringLiteral("Haslo1"));
        w.stepButton()->click();

        const QString location = QDir(dir).filePath(QStringLiteral("Pojazdy_DB"));
        QCOMPARE(currentDatabaseLocation().location, location);
        QVERIFY(isDatabaseDirectory(location));
        QVERIFY(env.ui().contains(QStringLiteral("Założono nową, PUSTĄ bazę danych.")));
        QCOMPARE(w.page(), DatabaseLocationDialog::NewCompanyPage);
        QCOMPARE(stepCaption(w), QStringLiteral("  Z&ałóż  "));
        QCOMPARE(child<QLineEdit>(&w, "nowaFirmaNazwa")->text(),
                 QStringLiteral("Podaj_tutaj_nazwe_firmy"));
        QCOMPARE(child<QLineEdit>(&w, "nowaFirmaKatalog")->text(),
                 QStringLiteral("Podaj_tutaj_nazwe_folderu"));

        // A bad folder is refused and forgets the password just given.
        child<QLineEdit>(&w, "nowaFirmaNazwa")->setText(QStringLiteral("Moja firma"));
        child<QLineEdit>(&w, "nowaFirmaKatalog")->setText(QStringLiteral("../obok"));
        w.stepButton()->click();
        QCOMPARE(env.ui().last().text, kBadCompanyFolderText);
        QCOMPARE(w.page(), DatabaseLocationDialog::NewCompanyPage);

        child<QLineEdit>(&w, "nowaFirmaKatalog")->setText(QStringLiteral("moja"));
        const int promptsBefore = prompts();
        env.ui().queuePrompt(QStringLiteral("Haslo1"));
        w.stepButton()->click();
        QCOMPARE(prompts(), promptsBefore + 1);
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Zakładanie nowej firmy")));
        QVERIFY(QFileInfo::exists(QDir(location).filePath(QStringLiteral("moja/pojazdy.DB"))));
        QVERIFY(!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("obok"))));
        QCOMPARE(w.page(), DatabaseLocationDialog::MenuPage);
        QVERIFY(w.loginButton()->isEnabled());
        QVERIFY(child<QRadioButton>(&w, "rbUsunFirme")->isEnabled());
    }

    void rememberedPasswordServesOnlyTheFirstCompany() {
        DatabaseLocationDialog w;
        w.stepButton()->click();
        const QString dir = env.newDirectory(QStringLiteral("gui-remembered"));
        child<QLineEdit>(&w, "lokalizacjaCreate")->setText(dir);
        child<QCheckBox>(&w, "cbDEMO")->setChecked(false);
        env.ui().queuePrompt(QStringLiteral("Haslo2"));
        w.stepButton()->click();
        QCOMPARE(w.page(), DatabaseLocationDialog::NewCompanyPage);
        child<QLineEdit>(&w, "nowaFirmaNazwa")->setText(QStringLiteral("Pierwsza"));
        child<QLineEdit>(&w, "nowaFirmaKatalog")->setText(QStringLiteral("pierwsza"));
        const int promptsBefore = prompts();
        w.stepButton()->click();
        QCOMPARE(prompts(), promptsBefore); // no password asked
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Zakładanie nowej firmy")));

        // The next company asks again; cancelling adds nothing.
        child<QRadioButton>(&w, "rbNowaFirma")->setChecked(true);
        w.stepButton()->click();
        child<QLineEdit>(&w, "nowaFirmaNazwa")->setText(QStringLiteral("Druga"));
        child<QLineEdit>(&w, "nowaFirmaKatalog")->setText(QStringLiteral("druga"));
        w.stepButton()->click();
        QCOMPARE(prompts(), promptsBefore + 1);
        QVERIFY(!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("Pojazdy_DB/druga"))));
    }

    void demonstrationDatabaseClosesTheWindow() {
        DatabaseLocationDialog w;
        w.stepButton()->click();
        const QString dir = env.newDirectory(QStringLiteral("Pojazdy_DB"));
        child<QLineEdit>(&w, "lokalizacjaCreate")->setText(dir);
        env.ui().queuePrompt(QStringLiteral("demo12"));
        w.stepButton()->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(currentDatabaseLocation().location, dir); // no second Pojazdy_DB
        QVERIFY(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("demo/update2.6"))));
    }

    void openingNeedsADatabaseFolderAndTheRightPassword() {
        const QString dir = env.newDirectory(QStringLiteral("gui-open"));
        QVERIFY(
            createFromTemplates(dir, CreationMode::NewDatabase, true, QStringLiteral("dobre1")));
        DatabaseLocationDialog w;
        child<QRadioButton>(&w, "rbOtworz")->setChecked(true);
        w.stepButton()->click();
        QCOMPARE(w.page(), DatabaseLocationDialog::OpenPage);
        QCOMPARE(stepCaption(w), QStringLiteral("&Otwórz >>"));
        auto* path = child<QLineEdit>(&w, "lokalizacja");
        QCOMPARE(path->text(), QStringLiteral("<brak bazy>"));
        QVERIFY(!w.stepButton()->isEnabled());
        path->setText(QDir(dir).filePath(QStringLiteral("demo")));
        QVERIFY(!w.stepButton()->isEnabled());
        path->setText(dir + u'/');
        QVERIFY(w.stepButton()->isEnabled());

        int problems = 0;
        QString caption, title;
        whenShown<DatabaseProblemGuide>([&](DatabaseProblemGuide* window) {
            ++problems;
            caption = window->windowTitle();
            title = window->findChild<TitleBand*>()->title();
            QTest::keyClick(window, Qt::Key_Return);
        });
        env.ui().queuePrompt(QStringLiteral("zle123"));
        env.ui().queuePrompt(QStringLiteral("dobre1"));
        w.stepButton()->click();
        QCOMPARE(problems, 1);
        QCOMPARE(caption, QStringLiteral("Informacja"));
        QCOMPARE(title, QStringLiteral("Problem z połączeniem z bazą ..."));
        QCOMPARE(currentDatabaseLocation().location, dir);
        QCOMPARE(env.ui().last().text, QStringLiteral("Wskazano nową lokalizację bazy danych."));
        QCOMPARE(w.page(),
                 DatabaseLocationDialog::MenuPage); // not in start-up mode: back to the menu
        QCOMPARE(child<QLabel>(&w, "lokalizacja2")->text(), dir);
    }

    void companyPagesActOnlyOnAChosenCompany() {
        const QString dir = env.newDirectory(QStringLiteral("gui-companies"));
        QVERIFY(
            createFromTemplates(dir, CreationMode::NewDatabase, true, QStringLiteral("dobre1")));
        currentDatabaseLocation() = {dir, QStringLiteral("dobre1")};
        DatabaseLocationDialog w;
        child<QRadioButton>(&w, "rbZmienNazwe")->setChecked(true);
        w.stepButton()->click();
        QCOMPARE(w.page(), DatabaseLocationDialog::RenamePage);
        QCOMPARE(stepCaption(w), QStringLiteral("  Zm&ień  "));
        auto* list = child<QComboBox>(&w, "cbFirmy1");
        QCOMPARE(list->count(), 1);
        QVERIFY(!w.stepButton()->isEnabled());
        list->setCurrentIndex(0);
        QVERIFY(w.stepButton()->isEnabled());
        QCOMPARE(child<QLineEdit>(&w, "zmienFirmaNazwa")->text(), QStringLiteral("Termalis"));
        QCOMPARE(child<QLineEdit>(&w, "zmienFirmaKatalog")->text(), QStringLiteral("demo"));
        QVERIFY(child<QLineEdit>(&w, "zmienFirmaKatalog")->isReadOnly());

        child<QLineEdit>(&w, "zmienFirmaNazwa")->setText(QStringLiteral("Termalis Nowa"));
        w.stepButton()->click(); // "Nie": nothing happens
        QCOMPARE(w.page(), DatabaseLocationDialog::RenamePage);
        env.ui().queueAnswer(true);
        env.ui().queuePrompt(QStringLiteral("dobre1"));
        w.stepButton()->click();
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Zmiana nazwy firmy zakończyło się sukcesem."));
        QCOMPARE(w.page(), DatabaseLocationDialog::MenuPage);

        child<QRadioButton>(&w, "rbUsunFirme")->setChecked(true);
        w.stepButton()->click();
        QCOMPARE(stepCaption(w), QStringLiteral("  &Usuń     "));
        auto* remove = child<QComboBox>(&w, "cbFirmy2");
        QVERIFY(!w.stepButton()->isEnabled());
        remove->setCurrentIndex(0);
        QCOMPARE(remove->currentText(), QStringLiteral("Termalis Nowa"));
        QCOMPARE(child<QLineEdit>(&w, "usunFirmaKatalog")->text(), QStringLiteral("demo"));
        env.ui().queueAnswer(true);
        env.ui().queuePrompt(QStringLiteral("dobre1"));
        w.stepButton()->click();
        QCOMPARE(env.ui().last().text, QStringLiteral("Firma została usunięta."));
        QVERIFY(!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("demo/pojazdy.DB"))));
    }

    void f1ShowsTheGuide() {
        DatabaseLocationDialog w;
        w.show();
        QString caption;
        whenShown<FirstStartGuide>([&](FirstStartGuide* guide) {
            caption = guide->windowTitle();
            QTest::keyClick(guide, Qt::Key_Escape);
        });
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(caption, QStringLiteral("Przeczytaj uważnie ..."));
    }

    void guidesOpenTheirPdfOrSayItIsMissing() {
        const QString install = env.newDirectory(QStringLiteral("install"));
        const QByteArray old = qgetenv("KARVENTO_INSTALL_DIR");
        qputenv("KARVENTO_INSTALL_DIR", install.toUtf8());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");

        FirstStartGuide tutorial;
        QCOMPARE(tutorial.closeButton()->text(), QStringLiteral(" Kontynuuj  >>"));
        tutorial.guideButton()->click();
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie znaleziono pliku")));
        QVERIFY(catcher.opened.isEmpty());
        QDir().mkpath(QDir(install).filePath(QStringLiteral("dokumentacja")));
        for (const QString& name :
             {FirstStartGuide::kManualFile, DatabaseProblemGuide::kAccessRightsFile}) {
            QFile pdf(QDir(install).filePath(QStringLiteral("dokumentacja/") + name));
            QVERIFY(pdf.open(QIODevice::WriteOnly));
        }
        tutorial.guideButton()->click();
        DatabaseProblemGuide problem;
        QCOMPARE(problem.closeButton()->text(), QStringLiteral("Dalej >>"));
        problem.guideButton()->click();
        QCOMPARE(catcher.opened.size(), 2);
        QVERIFY(catcher.opened.at(0).toLocalFile().endsWith(
            QStringLiteral("/dokumentacja/Instrukcja obsługi.pdf")));
        QVERIFY(catcher.opened.at(1).toLocalFile().endsWith(
            QStringLiteral("/dokumentacja/Uprawnienia dostępu.pdf")));

        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        qputenv("KARVENTO_INSTALL_DIR", old);
    }
};

QTEST_MAIN(TestWskazBaze)
#include "tst_wskazbaze.moc"
