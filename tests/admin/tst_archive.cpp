#include "AdminFixture.h"

#include "admin/ArchiveCopy.h"
#include "admin/ArchiveFolders.h"
#include "admin/ArchiveRestore.h"
#include "storage/TableMaintenance.h"
#include "support/DateNumbers.h"

using namespace kv;

namespace {

const QString kOtherPassword = QStringLiteral("Inne-Haslo-77");

void addVehicle(DataModule& db, const QString& number) {
    db.exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ) VALUES (:PARAM0)"),
            engine::positionalParams({number}));
}

QStringList vehicles(DataModule& db) {
    const ResultSet r = db.select(QStringLiteral("SELECT NRREJ FROM pojazdy.DB ORDER BY NRREJ"));
    QStringList list;
    for (int row = 0; row < r.rowCount(); ++row)
        list.append(r.value(row, 0).toString());
    return list;
}

void flipByte(const QString& path, qint64 offset) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.seek(offset);
    char b = 0;
    f.getChar(&b);
    f.seek(offset);
    f.putChar(char(b ^ 0x5a));
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    // An archive of a company holding the vehicle "ARCH 1", in a folder of
    // its own; the company made from the templates.
    QString archiveWithVehicle(const QString& name) {
        auto source = test::makeAdminCompany(env, name + QStringLiteral("-zrodlo"));
        addVehicle(*source.db, QStringLiteral("ARCH 1"));
        const QString folder = env.newDirectory(name + QStringLiteral("-archiwum"));
        if (!writeArchive(source.db->companyConnection(), folder,
                          {QStringLiteral("Test"), QStringLiteral("16.03.2024")}))
            return {};
        return folder;
    }

    // Restores and checks that the company's files did not change at all.
    void refusedAndUntouched(test::AdminCompany& c, const QString& archive,
                             const QString& expectedText) {
        c.db->disconnect();
        const auto before = test::tableHashes(c.directory);
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        const RestoreOutcome out = restoreArchive(*c.db, archive, schema::kTemplatePassword,
                                                  {SafetyCopyPolicy::Ask, {}, {}});
        QVERIFY(out.result != AdminResult::Done);
        if (!expectedText.isEmpty())
            QVERIFY2(env.ui().contains(expectedText), qPrintable(env.ui().texts().join(u'|')));
        c.db->disconnect();
        QCOMPARE(test::tableHashes(c.directory), before);
        QVERIFY(!QFileInfo::exists(
            QDir(c.directory).filePath(QStringLiteral(".karvento-odtwarzanie.tmp"))));
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        engine::EngineSession::defaultSession().addPassword(kOtherPassword);
    }
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(true);
        test::pinAdminToday();
    }
    void cleanupTestCase() { Clock::setFixed(QDateTime()); }

    void makeRefusesFoldersThatHoldData() {
        auto c = test::makeAdminCompany(env, QStringLiteral("cele"));
        const ArchiveDescription d{QStringLiteral("A"), blankDateText()};
        QCOMPARE(makeArchive(*c.db, c.directory, d), AdminResult::Refused);
        QCOMPARE(makeArchive(*c.db, c.location, d), AdminResult::Refused);
        const QString backup = QDir(c.directory).filePath(QStringLiteral("backup_1"));
        test::makeTemplateCompany(backup);
        QCOMPARE(makeArchive(*c.db, backup, d), AdminResult::Refused);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("brak pliku archiwum.bak")));
        QCOMPARE(makeArchive(*c.db, QDir(c.location).filePath(QStringLiteral("brak")), d),
                 AdminResult::Refused);
        QCOMPARE(makeArchive(*c.db, env.newDirectory(QStringLiteral("data")),
                             {QStringLiteral("A"), QStringLiteral("31.02.2024")}),
                 AdminResult::Refused);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Niepoprawny format daty archiwum. Popraw pole."));
        QVERIFY(!holdsArchive(backup));
    }

    void makeAsksBeforeReplacingAndNoChangesNothing() {
        auto c = test::makeAdminCompany(env, QStringLiteral("zastap"));
        const QString folder = env.newDirectory(QStringLiteral("zastap-arch"));
        QCOMPARE(
            makeArchive(*c.db, folder, {QStringLiteral("Pierwsze"), QStringLiteral("01.03.2024")}),
            AdminResult::Done);
        QCOMPARE(env.ui().last().text, QStringLiteral("Archiwum zostało stworzone."));
        QCOMPARE(test::tableHashes(folder).size(), 30);
        addVehicle(*c.db, QStringLiteral("NOWY 1"));
        const auto before = test::tableHashes(folder);
        env.ui().queueAnswer(false);
        QCOMPARE(makeArchive(*c.db, folder, {QStringLiteral("Drugie"), blankDateText()}),
                 AdminResult::Cancelled);
        QVERIFY(env.ui().last().defaultNo);
        QCOMPARE(test::tableHashes(folder), before);
        QCOMPARE(readArchiveDescription(folder).name, QStringLiteral("Pierwsze"));
        QCOMPARE(makeArchive(*c.db, folder, {QStringLiteral("Drugie"), blankDateText()}),
                 AdminResult::Done);
        QCOMPARE(readArchiveDescription(folder).name, QStringLiteral("Drugie"));
        QVERIFY(test::tableHashes(folder) != before);
        QCOMPARE(
            QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
            31);
    }

    void failedMakeLeavesTheOlderArchiveWhole() {
        auto c = test::makeAdminCompany(env, QStringLiteral("nieudane"));
        const QString folder = env.newDirectory(QStringLiteral("nieudane-arch"));
        QCOMPARE(
            makeArchive(*c.db, folder, {QStringLiteral("Stare"), QStringLiteral("01.03.2024")}),
            AdminResult::Done);
        const auto before = test::tableHashes(folder);
        addVehicle(*c.db, QStringLiteral("NOWY 1"));
        // The last table cannot be copied: the new archive is never whole.
        c.db->disconnect();
        QVERIFY(QFile::remove(QDir(c.directory).filePath(QStringLiteral("system.DB"))));
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        QCOMPARE(makeArchive(*c.db, folder, {QStringLiteral("Nowe"), blankDateText()}),
                 AdminResult::Failed);
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie udało się stworzyć archiwum."));
        QCOMPARE(test::tableHashes(folder), before);
        QCOMPARE(readArchiveDescription(folder).name, QStringLiteral("Stare"));
        QCOMPARE(
            QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
            31);
    }

    void archiveMadeWhileAnotherProgramCommitsIsWholeAndRestores() {
        auto c = test::makeAdminCompany(env, QStringLiteral("zapis"));
        const QString folder = env.newDirectory(QStringLiteral("zapis-arch"));
        {
            test::BusyWriter writer(c.directory);
            QVERIFY(writer.started());
            QCOMPARE(makeArchive(*c.db, folder, {QStringLiteral("W ruchu"), blankDateText()}),
                     AdminResult::Done);
        }
        engine::Connection copy;
        copy.open(folder, false);
        for (const schema::Table& t : schema::companyTables()) {
            copy.attachTable(t.baseName());
            QCOMPARE(copy.query(QStringLiteral("PRAGMA %1.quick_check").arg(t.baseName()))
                         .value(0, 0)
                         .toString(),
                     QStringLiteral("ok"));
            copy.detachAll();
        }
        const int archived =
            copy.query(QStringLiteral("SELECT COUNT(*) FROM przebiegi")).value(0, 0).toInt();
        copy.close();
        const RestoreOutcome out = restoreArchive(*c.db, folder, schema::kTemplatePassword);
        QCOMPARE(out.result, AdminResult::Done);
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM przebiegi.DB")),
                 archived);
    }

    void deleteRemovesTheFilesAnOlderArchiveHas() {
        auto c = test::makeAdminCompany(env, QStringLiteral("usun"));
        const QString folder = env.newDirectory(QStringLiteral("usun-arch"));
        QVERIFY(writeArchive(c.db->companyConnection(), folder, emptyArchiveDescription()));
        QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("zuzycielpg.DB"))));
        QFile other(QDir(folder).filePath(QStringLiteral("notatka.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        env.ui().queueAnswer(false);
        QCOMPARE(deleteArchive(*c.db, folder), AdminResult::Cancelled);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QVERIFY(holdsArchive(folder));
        QCOMPARE(deleteArchive(*c.db, folder), AdminResult::Done);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("notatka.txt")});
        QCOMPARE(deleteArchive(*c.db, folder), AdminResult::Refused);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("We wskazanym katalogu nie znaleziono archiwum."));
    }

    void restoreWithTheSamePasswordAsksNothing() {
        const QString archive = archiveWithVehicle(QStringLiteral("same"));
        QVERIFY(!archive.isEmpty());
        const auto archived = test::tableHashes(archive);
        auto c = test::makeAdminCompany(env, QStringLiteral("same-cel"));
        addVehicle(*c.db, QStringLiteral("STARY 1"));
        QCOMPARE(vehicles(*c.db), QStringList{QStringLiteral("STARY 1")});
        env.ui().queueAnswer(true);
        env.ui().queueAnswer(true);
        QVERIFY(confirmRestore());
        const RestoreOutcome out = restoreArchive(*c.db, archive, schema::kTemplatePassword);
        QCOMPARE(out.result, AdminResult::Done);
        QVERIFY(!out.rekeyed);
        for (const auto& m : env.ui().messages())
            QVERIFY(m.kind != ScriptedUserInterface::Kind::Prompt);
        QCOMPARE(env.ui().last().text, kRestoredText);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacje"));
        // The open connection sees the restored file, not the replaced one.
        QCOMPARE(vehicles(*c.db), QStringList{QStringLiteral("ARCH 1")});
        c.db->disconnect();
        const auto now = test::tableHashes(c.directory);
        QCOMPARE(now.value(QStringLiteral("pojazdy.DB")),
                 archived.value(QStringLiteral("pojazdy.DB")));
        QCOMPARE(test::tableHashes(archive), archived); // the archive is only read
        // The safety copy holds the company as it was: restoring it is the undo.
        QVERIFY(QFileInfo(out.safetyCopy).isDir());
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        QCOMPARE(restoreArchive(*c.db, out.safetyCopy, schema::kTemplatePassword).result,
                 AdminResult::Done);
        QCOMPARE(vehicles(*c.db), QStringList{QStringLiteral("STARY 1")});
    }

    void restoreFromAnotherPasswordAsksAndReKeys() {
        const QString archive = archiveWithVehicle(QStringLiteral("inne"));
        auto c = test::makeAdminCompany(env, QStringLiteral("inne-cel"));
        c.db->disconnect();
        for (const QString& file : schema::companyTableFiles())
            QVERIFY(setTablePassword(c.directory, file, kOtherPassword, schema::kTemplatePassword));
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        env.ui().queuePrompt(QStringLiteral("zle"));
        env.ui().queuePrompt(schema::kTemplatePassword);
        const RestoreOutcome out = restoreArchive(*c.db, archive, kOtherPassword);
        QCOMPARE(out.result, AdminResult::Done);
        QVERIFY(out.rekeyed);
        QVERIFY(env.ui().contains(QStringLiteral("Podane hasło jest niepoprawne.")));
        QCOMPARE(env.ui().last().text, kRestoredRekeyedText);
        QVERIFY(env.ui().messages().at(0).password);
        for (const QString& file : schema::companyTableFiles()) {
            QVERIFY2(trialOpenTable(c.directory, file, kOtherPassword), qPrintable(file));
            QVERIFY(!trialOpenTable(c.directory, file, schema::kTemplatePassword));
        }
        QCOMPARE(vehicles(*c.db), QStringList{QStringLiteral("ARCH 1")});
        // The archive keeps its own password.
        QVERIFY(trialOpenTable(archive, QStringLiteral("pojazdy.DB"), schema::kTemplatePassword));
    }

    void archiveWithoutLpgTableLeavesTheCompanysOwn() {
        const QString archive = archiveWithVehicle(QStringLiteral("lpg"));
        QVERIFY(QFile::remove(QDir(archive).filePath(QStringLiteral("zuzycielpg.DB"))));
        auto c = test::makeAdminCompany(env, QStringLiteral("lpg-cel"));
        c.db->exec(QStringLiteral("INSERT INTO zuzycielpg.DB (IDPOJAZD,DATA) VALUES (1,20240301)"));
        c.db->disconnect();
        const QByteArray lpg =
            test::tableHashes(c.directory).value(QStringLiteral("zuzycielpg.DB"));
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        QCOMPARE(restoreArchive(*c.db, archive, schema::kTemplatePassword).result,
                 AdminResult::Done);
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM zuzycielpg.DB")), 1);
        c.db->disconnect();
        QCOMPARE(test::tableHashes(c.directory).value(QStringLiteral("zuzycielpg.DB")), lpg);
    }

    void refusalsLeaveTheCompanyByteForByte() {
        auto c = test::makeAdminCompany(env, QStringLiteral("odmowy"));
        addVehicle(*c.db, QStringLiteral("STARY 1"));

        // A wrong password, then the prompt cancelled.
        const QString otherKey = archiveWithVehicle(QStringLiteral("klucz"));
        for (const QString& file : schema::companyTableFiles())
            QVERIFY(setTablePassword(otherKey, file, QStringLiteral("Sekret-9"),
                                     schema::kTemplatePassword));
        env.ui().queuePrompt(QStringLiteral("pomylka"));
        env.ui().queuePrompt(std::nullopt);
        refusedAndUntouched(c, otherKey, QStringLiteral("Podane hasło jest niepoprawne."));

        const QString missing = archiveWithVehicle(QStringLiteral("brak"));
        QVERIFY(QFile::remove(QDir(missing).filePath(QStringLiteral("koszty.DB"))));
        refusedAndUntouched(c, missing,
                            QStringLiteral("Archiwum jest niekompletne: brak plików koszty.DB. "
                                           "Danych nie odtworzono."));

        const QString wider = archiveWithVehicle(QStringLiteral("kolumna"));
        {
            engine::Connection a;
            a.open(wider, false);
            a.execute(QStringLiteral("ALTER TABLE koszty.DB ADD COLUMN NOWA INTEGER"));
        }
        refusedAndUntouched(c, wider,
                            QStringLiteral("Archiwum pochodzi z nowszej wersji programu."));

        const QString flipped = archiveWithVehicle(QStringLiteral("bajt"));
        flipByte(QDir(flipped).filePath(QStringLiteral("pojazdy.DB")), 4096 + 300);
        refusedAndUntouched(c, flipped, QString());
        QVERIFY(env.ui().last().caption == QStringLiteral("Błąd"));

        // userzy.DB damaged: the password opens the rest, so asking again
        // would never end.
        const QString users = archiveWithVehicle(QStringLiteral("userzy"));
        flipByte(QDir(users).filePath(QStringLiteral("userzy.DB")), 40);
        const int before = env.ui().messages().size();
        refusedAndUntouched(c, users,
                            QStringLiteral("Plik userzy.DB archiwum jest uszkodzony. Danych nie "
                                           "odtworzono."));
        for (qsizetype i = before; i < env.ui().messages().size(); ++i)
            QVERIFY(env.ui().messages().at(i).kind != ScriptedUserInterface::Kind::Prompt);

        const QString good = archiveWithVehicle(QStringLiteral("zamiana"));
        c.db->disconnect();
        const auto before2 = test::tableHashes(c.directory);
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        RestoreOptions failing;
        failing.beforeSwap = [](const QString& file) {
            return file != QStringLiteral("koszty.DB");
        };
        QCOMPARE(restoreArchive(*c.db, good, schema::kTemplatePassword, failing).result,
                 AdminResult::Failed);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Nie udało się odtworzyć danych z archiwum. Dane firmy pozostały "
                                "bez zmian."));
        QCOMPARE(vehicles(*c.db), QStringList{QStringLiteral("STARY 1")});
        c.db->disconnect();
        QCOMPARE(test::tableHashes(c.directory), before2);
    }

    void restoreRefusedWhileAnotherProgramIsInTheCompany() {
        const QString archive = archiveWithVehicle(QStringLiteral("zajeta"));
        auto c = test::makeAdminCompany(env, QStringLiteral("zajeta-cel"));
        test::CompanyHolder other(c.directory);
        QVERIFY(other.ready());
        refusedAndUntouched(c, archive,
                            QStringLiteral("Z danymi firmy \"firma\" pracuje w tej chwili inny "
                                           "użytkownik. Danych nie odtworzono."));
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
