#include "TestSupport.h"

#include "options/Autostart.h"
#include "options/OptionsEditing.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/EngineSession.h"
#include "users/Permissions.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

// The rules of the options window, without the window: how control values
// become options, what saving does with the autostart entry, and when the
// company's backup settings are written.
class TestOptionsEditing : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    std::unique_ptr<DataModule> openCompany(const QString& name) {
        const QString location = env.newDirectory(name);
        test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
        return test::openCompanyIn(location, QStringLiteral("firma"));
    }

    static BackupSettings someBackupSettings() {
        BackupSettings s;
        s.lastBackupDate = 20240105;
        s.lastFolder = 2;
        s.intervalDays = 30;
        s.folders = 3;
        return s;
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
    }
    void cleanupTestCase() { qunsetenv("XDG_CONFIG_HOME"); }

    void integerFieldKeepsOldValueUnlessItHoldsAnIntegerInRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::newRow("integer") << "2010" << 2010;
        QTest::newRow("blanks around") << " 2011 " << 2011;
        QTest::newRow("both ends") << "1970" << 1970;
        QTest::newRow("upper end") << "2100" << 2100;
        QTest::newRow("empty") << "" << 2005;
        QTest::newRow("letters") << "20a5" << 2005;
        QTest::newRow("decimal") << "2010.0" << 2005;
        QTest::newRow("still being typed") << "19" << 2005;
        QTest::newRow("above range") << "2101" << 2005;
        QTest::newRow("too long for int") << "99999999999" << 2005;
    }
    void integerFieldKeepsOldValueUnlessItHoldsAnIntegerInRange() {
        QFETCH(QString, text);
        QFETCH(int, result);
        QCOMPARE(integerFieldValue(text, 2005, 1970, 2100), result);
    }

    void controlValuesBecomeOptions() {
        ProgramOptions old;
        old.dataWstecznaMin = 3;
        old.firmaDir = QStringLiteral("firma");
        const ControlValues values{
            {QStringLiteral("pokazujPoradeDnia"), false},
            {QStringLiteral("sprawdzajMagazyn"), false}, // the control of cbMAGAZYN
            {QStringLiteral("filtrRokOd"), QStringLiteral("abc")},
            {QStringLiteral("filtrRokDo"), QStringLiteral("2040")},
            {QStringLiteral("dataPrzed"), 14},
            {QStringLiteral("dataPo"), QString()},
            {QStringLiteral("sprawdzajTerminySortuj"), 3}, // no such entry in the list
            {QStringLiteral("kmDo"), QStringLiteral("-1")},
            {QStringLiteral("nieznane"), true}};
        const ProgramOptions o = takeControlValues(old, values);
        QVERIFY(!o.pokazujPoradeDnia);
        QVERIFY(!o.cbMAGAZYN);
        QCOMPARE(o.filtrRokOd, 2005);
        QCOMPARE(o.filtrRokDo, 2040);
        QCOMPARE(o.dataWsteczna, 14);
        QCOMPARE(o.dataWstecznaMin, 3);
        QCOMPARE(o.sprawdzajTerminySortuj, 0);
        QCOMPARE(o.kmDo, 0);
        QVERIFY(o.pytajPrzedZamknieciem); // not among the values: untouched
        QCOMPARE(o.firmaDir, QStringLiteral("firma"));
    }

    void everyControlEditsAnOptionOfItsOwn() {
        // Changing one control at a time must change the options differently
        // each time: two controls bound to one option would collide here.
        QList<ProgramOptions> results;
        for (const OptionBinding& b : optionBindings()) {
            const ControlValues shown = controlValues(ProgramOptions{});
            QVariant changed =
                b.kind == ControlKind::Check
                    ? QVariant(!shown.value(b.name).toBool())
                    : QVariant(shown.value(b.name).toInt() == b.minimum ? b.minimum + 1
                                                                        : b.minimum);
            const ProgramOptions o = takeControlValues(ProgramOptions{}, {{b.name, changed}});
            QVERIFY2(o != ProgramOptions{}, qPrintable(b.name));
            QVERIFY2(!results.contains(o), qPrintable(b.name));
            results.append(o);
        }
        // Every option of the table except the remembered program state.
        QCOMPARE(results.size(), 45);
    }

    void savingStoresOptionsAndSwitchesTheEntry() {
        OptionsEditing editing;
        editing.begin();
        ControlValues values = editing.optionValues();
        QCOMPARE(values.value(QStringLiteral("cbPowerOnSprawdzacz")).toBool(), false);
        values.insert(QStringLiteral("cbPowerOnSprawdzacz"), true);
        values.insert(QStringLiteral("cbRapData"), false);
        values.insert(QStringLiteral("kmOd"), QStringLiteral("2500"));
        editing.save(values);
        QVERIFY(autostart::isOn());
        QVERIFY(env.ui().messages().isEmpty());
        const ProgramOptions back = ProgramOptions::load(optionsFilePath());
        QVERIFY(back.cbPowerOnSprawdzacz);
        QVERIFY(!back.cbRapData);
        QCOMPARE(back.kmOd, 2500);
        QCOMPARE(programOptions().kmOd, 2500);

        // The next showing reads the entry, not the stored option.
        QVERIFY(autostart::switchTo(false, QString()));
        QCOMPARE(
            OptionsEditing().optionValues().value(QStringLiteral("cbPowerOnSprawdzacz")).toBool(),
            false);
    }

    void refusedEntryStillSavesTheOptions() {
        QFile blocker(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        OptionsEditing editing;
        editing.begin();
        ControlValues values = editing.optionValues();
        values.insert(QStringLiteral("cbPowerOnSprawdzacz"), true);
        values.insert(QStringLiteral("filtrRokOd"), QStringLiteral("2011"));
        editing.save(values);
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().last().text, autostart::refusedMessage());
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll())
                    .contains(QStringLiteral("[0023050745]  Brak uprawnień do wpisu autostartu - "
                                             "SprawdzaczKV")));
        QCOMPARE(ProgramOptions::load(optionsFilePath()).filtrRokOd, 2011);
    }

    void administratorsChangesOfBackupSettingsAreWritten() {
        auto db = openCompany(QStringLiteral("admin"));
        QVERIFY(db);
        QVERIFY(db->saveBackupSettings(someBackupSettings()));
        OptionsEditing editing;
        editing.begin();
        QVERIFY(editing.backupEditable());
        ControlValues values = editing.backupValues();
        QCOMPARE(values.value(QStringLiteral("cbHowOften")).toInt(), 30);
        values.insert(QStringLiteral("cbHowOften"), QStringLiteral("14"));
        values.insert(QStringLiteral("cbIsAskBeforeBackup"), false);
        values.insert(QStringLiteral("cbHowManyFolders"), QStringLiteral("1")); // below 2: kept

        // Meanwhile a backup is made and another administrator changes the folders.
        BackupSettings elsewhere = someBackupSettings();
        elsewhere.lastBackupDate = 20240601;
        elsewhere.lastFolder = 3;
        elsewhere.folders = 9;
        QVERIFY(db->saveBackupSettings(elsewhere));

        QVERIFY(editing.finish(values));
        BackupSettings expected = elsewhere;
        expected.intervalDays = 14;
        expected.askFirst = false;
        QCOMPARE(db->loadBackupSettings(), expected);
    }

    void unchangedOrForeignBackupSettingsAreNotWritten() {
        auto db = openCompany(QStringLiteral("unchanged"));
        QVERIFY(db);
        BackupSettings stored = someBackupSettings();
        stored.intervalDays = 0; // outside the field's range, shown as 1
        QVERIFY(db->saveBackupSettings(stored));

        OptionsEditing editing;
        editing.begin();
        QCOMPARE(editing.backupValues().value(QStringLiteral("cbHowOften")).toInt(), 1);
        QVERIFY(!editing.finish(editing.backupValues()));
        QCOMPARE(db->loadBackupSettings(), stored);

        // Without permission 0 the controls are disabled and nothing is written.
        currentLogin().permissions.set(permission::Administrator, false);
        editing.begin();
        QVERIFY(editing.backupAvailable());
        QVERIFY(!editing.backupEditable());
        ControlValues values = editing.backupValues();
        values.insert(QStringLiteral("cbHowOften"), QStringLiteral("14"));
        QVERIFY(!editing.finish(values));
        QCOMPARE(db->loadBackupSettings(), stored);
    }

    void withoutCompanyTheBackupStepsAreSkippedQuietly() {
        {
            OptionsEditing editing;
            editing.begin(); // no data module at all
            QVERIFY(!editing.backupAvailable());
            QVERIFY(!editing.finish({{QStringLiteral("cbHowOften"), QStringLiteral("14")}}));
        }
        DataModule db; // a data module without an open company
        OptionsEditing editing;
        editing.begin();
        QVERIFY(!editing.backupEditable());
        QVERIFY(!editing.finish({{QStringLiteral("cbHowOften"), QStringLiteral("14")}}));
        QVERIFY(env.ui().messages().isEmpty());
    }

    void failedReadLeavesTheStoredSettingsAlone() {
        auto db = openCompany(QStringLiteral("damaged"));
        QVERIFY(db);
        QFile damaged(QDir(db->companyDirectory()).filePath(QStringLiteral("system.DB")));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("zepsuta");
        damaged.close();
        db->companyConnection().detachAll();
        OptionsEditing editing;
        editing.begin();
        QCOMPARE(env.ui().messages().size(), 1); // the data module's report of the failure
        QVERIFY(!editing.backupEditable());
        QVERIFY(!editing.finish({{QStringLiteral("cbHowOften"), QStringLiteral("14")}}));
        QCOMPARE(env.ui().messages().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOptionsEditing)
#include "tst_optionsediting.moc"
