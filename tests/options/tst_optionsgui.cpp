#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "options/Autostart.h"
#include "options/gui/OptionsDialog.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/EngineSession.h"
#include "users/Permissions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

// The options window driven as a user would: it shows the options, stores
// them on "  &Zapisz   ", and stores an administrator's backup settings
// however it is closed.
class TestOptionsGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<OptionsDialog> window;

    template <typename T> T* control(OptionsDialog* w, const char* name) {
        T* c = w->findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    bool editWith(std::function<void(OptionsDialog*)> action) {
        whenShown<OptionsDialog>([action](OptionsDialog* w) {
            action(w);
            // A failed check returns early: the window must not stay open.
            if (w->isVisible())
                w->reject();
        });
        return window->editOptions();
    }

    std::unique_ptr<DataModule> openCompany(const QString& name) {
        const QString location = env.newDirectory(name);
        test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
        return test::openCompanyIn(location, QStringLiteral("firma"));
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    }
    void init() {
        qputenv("XDG_CONFIG_HOME", env.newDirectory(QStringLiteral("config")).toUtf8());
        programOptions() = ProgramOptions{};
        QFile::remove(optionsFilePath());
        currentLogin().permissions.setAll(true);
        env.ui().clear();
        window = std::make_unique<OptionsDialog>();
    }
    void cleanup() { window.reset(); }
    void cleanupTestCase() { qunsetenv("XDG_CONFIG_HOME"); }

    void opensOnTheFirstPageAndEscapeTakesNothing() {
        QTabWidget* pages = window->pages();
        QCOMPARE(pages->tabText(4), QStringLiteral("Kopia zapasowa"));
        pages->setCurrentIndex(3); // left on another page last time
        int page = -1;
        QVERIFY(!editWith([&](OptionsDialog* w) {
            page = w->pages()->currentIndex();
            QVERIFY(!control<QCheckBox>(w, "cbPowerOnSprawdzacz")->isVisible());
            QVERIFY(!control<QCheckBox>(w, "cbPowerOnPrzebiegi")->isVisible());
            control<QCheckBox>(w, "sprawdzajMagazyn")->setChecked(false);
            QTest::keyClick(w, Qt::Key_Escape);
        }));
        QCOMPARE(page, 0);
        QVERIFY(programOptions().cbMAGAZYN);
        QVERIFY(!QFile::exists(optionsFilePath()));
    }

    void savedOptionsAreReadBack() {
        programOptions().cbTachograf = true;
        programOptions().kmOd = 1500;
        // The entry exists although the stored option says off: the entry wins.
        QVERIFY(autostart::switchTo(true, QStringLiteral("/usr/bin/karvento")));
        bool entryShown = false;
        QVERIFY(editWith([&](OptionsDialog* w) {
            entryShown = control<QCheckBox>(w, "cbPowerOnSprawdzacz")->isChecked();
            QVERIFY(control<QCheckBox>(w, "cbTachograf")->isChecked());
            QCOMPARE(control<QSpinBox>(w, "kmOd")->value(), 1500);
            w->pages()->setCurrentIndex(1);
            QTest::mouseClick(control<QCheckBox>(w, "cbOC"), Qt::LeftButton, {}, QPoint(5, 5));
            control<QComboBox>(w, "sprawdzajTerminySortuj")->setCurrentIndex(2);
            w->pages()->setCurrentIndex(0);
            auto* to = control<QSpinBox>(w, "filtrRokDo");
            to->setFocus();
            to->selectAll();
            QTest::keyClicks(to, QStringLiteral("2040"));
            QTest::mouseClick(w->saveButton(), Qt::LeftButton);
        }));
        QVERIFY(entryShown);
        const ProgramOptions back = ProgramOptions::load(optionsFilePath());
        QVERIFY(!back.cbOC);
        QVERIFY(back.cbTachograf);
        QCOMPARE(back.sprawdzajTerminySortuj, 2);
        QCOMPARE(back.filtrRokDo, 2040);
        QCOMPARE(back.kmOd, 1500);
        QVERIFY(back.cbPowerOnSprawdzacz);
        QVERIFY(autostart::isOn());
        QCOMPARE(programOptions().filtrRokDo, 2040);
    }

    void emptiedNumberFieldKeepsTheOldValue() {
        // Zero is a valid kilometre count, so an emptied field must not become 0.
        programOptions().kmOd = 1500;
        QVERIFY(editWith([&](OptionsDialog* w) {
            w->pages()->setCurrentIndex(2);
            auto* km = control<QSpinBox>(w, "kmOd");
            km->setFocus();
            km->selectAll();
            QTest::keyClick(km, Qt::Key_Delete);
            QCOMPARE(km->cleanText(), QString());
            // Alt+Z saves without taking the focus out of the field; the
            // button shows itself pressed for a moment before it clicks.
            QTest::keyClick(w->windowHandle(), Qt::Key_Z, Qt::AltModifier);
            QTRY_VERIFY(!w->isVisible());
        }));
        QCOMPARE(programOptions().kmOd, 1500);
        QCOMPARE(ProgramOptions::load(optionsFilePath()).kmOd, 1500);
    }

    void cancelStoresBackupSettingsOnlyForAnAdministrator() {
        auto db = openCompany(QStringLiteral("cancel"));
        QVERIFY(db);
        const BackupSettings before = db->loadBackupSettings();
        auto change = [&](OptionsDialog* w) {
            w->pages()->setCurrentIndex(4);
            auto* often = control<QSpinBox>(w, "cbHowOften");
            often->setValue(14);
            control<QCheckBox>(w, "cbIsAskBeforeBackup")->setChecked(false);
            control<QCheckBox>(w, "cbPRZEG")->setChecked(false); // an option: not taken
            QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
        };

        currentLogin().permissions.set(permission::Administrator, false);
        bool enabled = true;
        QVERIFY(!editWith([&](OptionsDialog* w) {
            enabled = control<QSpinBox>(w, "cbHowOften")->isEnabled() ||
                      control<QCheckBox>(w, "cbIsDoBackup")->isEnabled();
            change(w);
        }));
        QVERIFY(!enabled);
        QCOMPARE(db->loadBackupSettings(), before);

        currentLogin().permissions.set(permission::Administrator, true);
        QVERIFY(!editWith([&](OptionsDialog* w) {
            enabled = control<QSpinBox>(w, "cbHowOften")->isEnabled();
            change(w);
        }));
        QVERIFY(enabled);
        BackupSettings expected = before;
        expected.intervalDays = 14;
        expected.askFirst = false;
        QCOMPARE(db->loadBackupSettings(), expected);
        QVERIFY(programOptions().cbPRZEG);
        QVERIFY(!QFile::exists(optionsFilePath()));
        QVERIFY(env.ui().messages().isEmpty());
    }

    void withoutCompanyTheBackupPageIsDisabled() {
        bool enabled = true;
        QVERIFY(editWith([&](OptionsDialog* w) {
            enabled = control<QSpinBox>(w, "cbHowOften")->isEnabled();
            QTest::keyClick(w, Qt::Key_Return); // the default button
        }));
        QVERIFY(!enabled);
        QVERIFY(QFile::exists(optionsFilePath()));
        QVERIFY(env.ui().messages().isEmpty());
    }
};

QTEST_MAIN(TestOptionsGui)
#include "tst_optionsgui.moc"
