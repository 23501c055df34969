#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/KeyDerivation.h"
#include "storage/engine/SqlDialect.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;
using namespace kv::engine;

class TestEngine : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    // A company made of the templates, opened with the template password.
    QString company(const QString& name) {
        return test::makeTemplateCompany(env.newDirectory(name));
    }

private slots:
    void pbkdf2MatchesPublishedVectors() {
        QCOMPARE(pbkdf2Sha256("passwd", "salt", 1, 64).toHex(),
                 QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20"
                            "dacbc49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041"
                            "d3a19783"));
        QCOMPARE(pbkdf2Sha256("Password", "NaCl", 80000, 64).toHex(),
                 QByteArray("4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab"
                            "56a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f3"
                            "3c8d"));
        QVERIFY(pbkdf2Sha256("passwd", "salt", 0, 32).isEmpty());
    }

    void keysAreThoseEarlierVersionsDerived() {
        // Keys the hand-written PBKDF2 of earlier versions derived: every table
        // file and template written so far is keyed with them, so they may
        // never change. The long one is longer than the HMAC block.
        const QList<std::pair<QString, const char*>> earlier = {
            {schema::kTemplatePassword,
             "5433b12fdefd675adaf84cc06e224ce881d3d76e362cd259b52129b970febc59"},
            {QStringLiteral("Flota-2024!"),
             "453806d7e5b8322a5ccb42f642604a8621dfcb493c58e5423f58d19dfcaf201c"},
            {QStringLiteral("Zażółć gęślą jaźń"),
             "11c2e5976491d1feea4547a1f9c2706c71b25019fd8fba86cc9a56b140d8b01d"},
            {QString(), "c57a3220c041624954dafeb8063c6d649bbc376c1b292e9640d4b661a202962c"},
            {QString(100, u'x'),
             "0d92de24b2283c91b414b1acb26554fc1adceaa6563f1eda8e3b5880d50e2543"},
        };
        for (const auto& [password, hex] : earlier)
            QCOMPARE(rawKeyForPassword(password),
                     QStringLiteral("x'%1'").arg(QString::fromLatin1(hex)));
    }

    void filesWrittenByEarlierVersionsOpen() {
        // A shipped template (userzy.D_, template password) and a table given
        // its own password, both written by the version before the key
        // derivation moved to OpenSSL.
        const QString dir = env.newDirectory(QStringLiteral("earlier"));
        const QDir source(QStringLiteral(KV_SOURCE_DIR "/tests/storage/data/earlier-files"));
        QVERIFY(QFile::copy(source.filePath(QStringLiteral("userzy.D_")),
                            QDir(dir).filePath(QStringLiteral("userzy.DB"))));
        QVERIFY(QFile::copy(source.filePath(QStringLiteral("osobowa.DB")),
                            QDir(dir).filePath(QStringLiteral("osobowa.DB"))));
        for (const QString& name : {QStringLiteral("userzy.DB"), QStringLiteral("osobowa.DB")})
            QFile(QDir(dir).filePath(name))
                .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        s.addPassword(QStringLiteral("Zażółć gęślą jaźń"));
        Connection c(&s);
        c.open(dir);
        const ResultSet users = c.query(QStringLiteral("SELECT NAZWA FROM userzy.DB"));
        QCOMPARE(users.rowCount(), 1);
        QCOMPARE(users.text(0, QStringLiteral("NAZWA")), QStringLiteral("ADMIN"));
        const ResultSet persons = c.query(QStringLiteral("SELECT NAZWISKO, IMIE FROM osobowa"));
        QCOMPARE(persons.rowCount(), 1);
        QCOMPARE(persons.text(0, QStringLiteral("NAZWISKO")), QStringLiteral("Żak"));
        QCOMPARE(persons.text(0, QStringLiteral("IMIE")), QStringLiteral("Łucja"));
        // And they are still writable with the same keys.
        c.execute(QStringLiteral("INSERT INTO osobowa (NREW, NAZWISKO) VALUES (8, 'Lis')"));
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM osobowa")).rowCount(), 2);
    }

    void rawKeyIsDerivedOncePerPassword() {
        const QString first = rawKeyForPassword(QStringLiteral("haslo1"));
        QVERIFY(first.startsWith(QStringLiteral("x'")) && first.size() == 67);
        QCOMPARE(rawKeyForPassword(QStringLiteral("haslo1")), first);
        QVERIFY(rawKeyForPassword(QStringLiteral("haslo2")) != first);
    }

    void tableNameFormsAreAccepted_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("tables");
        QTest::newRow("file name") << "SELECT * FROM pojazdy.DB WHERE 1 = 1"
                                   << "SELECT * FROM pojazdy WHERE 1 = 1" << QStringList{"pojazdy"};
        QTest::newRow("lower ext") << "select * from pojazdy.db"
                                   << "select * from pojazdy" << QStringList{"pojazdy"};
        QTest::newRow("upper bare") << "SELECT COUNT(*) FROM PRZEJAZDY"
                                    << "SELECT COUNT(*) FROM przejazdy" << QStringList{"przejazdy"};
        QTest::newRow("joins")
            << "SELECT A.NRREJ FROM pojazdy.DB AS A LEFT OUTER JOIN osobowa.DB B "
               "ON B.NREW = A.IDKIEROWCY JOIN slowniki C ON C.KOD = A.RODZAJ"
            << "SELECT A.NRREJ FROM pojazdy AS A LEFT OUTER JOIN osobowa B "
               "ON B.NREW = A.IDKIEROWCY JOIN slowniki C ON C.KOD = A.RODZAJ"
            << QStringList{"pojazdy", "osobowa", "slowniki"};
        QTest::newRow("from list")
            << "SELECT * FROM koszty, pojazdy WHERE 1=1"
            << "SELECT * FROM koszty, pojazdy WHERE 1=1" << QStringList{"koszty", "pojazdy"};
        QTest::newRow("insert") << "INSERT INTO przejazdy.DB(DATA) VALUES (:param0)"
                                << "INSERT INTO przejazdy(DATA) VALUES (:PARAM0)"
                                << QStringList{"przejazdy"};
        QTest::newRow("column named like a table")
            << "SELECT MAGAZYN FROM opony WHERE MAGAZYN='T'"
            << "SELECT MAGAZYN FROM opony WHERE MAGAZYN='T'" << QStringList{"opony"};
        QTest::newRow("string untouched")
            << "SELECT * FROM userzy WHERE OPIS='pojazdy.DB'"
            << "SELECT * FROM userzy WHERE OPIS='pojazdy.DB'" << QStringList{"userzy"};
        QTest::newRow("alter") << "ALTER TABLE pojazdy ADD COLUMN STAWKA FLOAT"
                               << "ALTER TABLE pojazdy ADD COLUMN STAWKA FLOAT"
                               << QStringList{"pojazdy"};
    }
    void tableNameFormsAreAccepted() {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QFETCH(QStringList, tables);
        const auto isTable = [](const QString& n) { return schema::findTable(n) != nullptr; };
        const TranslatedStatement t = translateStatement(sql, isTable);
        QCOMPARE(t.sql, expected);
        QCOMPARE(t.tables, tables);
    }

    void templateOpensOnlyWithTemplatePassword() {
        const QString dir = company(QStringLiteral("keys"));
        {
            EngineSession s;
            s.addPassword(schema::kTemplatePassword);
            Connection c(&s);
            c.open(dir);
            const ResultSet r =
                c.query(QStringLiteral("SELECT NAZWA, HASLO, SUPERVISOR FROM userzy.DB"));
            QCOMPARE(r.rowCount(), 1);
            QCOMPARE(r.text(0, QStringLiteral("NAZWA")), QStringLiteral("ADMIN"));
            QCOMPARE(r.text(0, QStringLiteral("SUPERVISOR")), QStringLiteral("T"));
        }
        EngineSession wrong;
        wrong.addPassword(QStringLiteral("504917263816"));
        Connection c(&wrong);
        c.open(dir);
        try {
            c.query(QStringLiteral("SELECT * FROM userzy.DB"));
            QFAIL("a wrong password opened the table");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.engineCode(), 26);
            QVERIFY(e.message().contains(QStringLiteral("userzy.DB")));
        }
        // The connection stays usable after the failure.
        QCOMPARE(c.attachedCount(), 0);
    }

    void plainAndDamagedFilesFailCleanly() {
        const QString dir = company(QStringLiteral("broken"));
        {
            QFile plain(QDir(dir).filePath(QStringLiteral("pojazdy.DB")));
            QVERIFY(plain.open(QIODevice::WriteOnly | QIODevice::Truncate));
            plain.write("To nie jest tabela, tylko zwykły plik tekstowy.\n");
        }
        {
            QFile damaged(QDir(dir).filePath(QStringLiteral("osobowa.DB")));
            QVERIFY(damaged.open(QIODevice::ReadWrite));
            damaged.seek(100);
            damaged.write(QByteArray(3000, '\x5a'));
        }
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        for (const char* table : {"pojazdy", "osobowa"}) {
            bool failed = false;
            try {
                c.query(QStringLiteral("SELECT * FROM %1.DB").arg(QLatin1String(table)));
            } catch (const DatabaseError&) {
                failed = true;
            }
            QVERIFY2(failed, table);
        }
        // Other tables of the directory still work.
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM userzy")).rowCount(), 1);
    }

    void allThirtyTablesCycleThroughTheAttachLimit() {
        const QString dir = company(QStringLiteral("cycle"));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        int maxAttached = 0;
        for (int round = 0; round < 2; ++round) {
            for (const schema::Table& t : schema::companyTables()) {
                const ResultSet r =
                    c.query(QStringLiteral("SELECT COUNT(*) AS N FROM %1").arg(t.file));
                QCOMPARE(r.value(0, QStringLiteral("N")).toInt(),
                         t.baseName() == u"userzy" ? 1 : 0);
                maxAttached = std::max(maxAttached, c.attachedCount());
            }
        }
        QCOMPARE(maxAttached, Connection::kMaxAttached);
        c.execute(QStringLiteral(
            "INSERT INTO pojazdy.DB (NRREJ, RODZAJ, IDKIEROWCY) VALUES ('WE1', 1, 'K1')"));
        c.execute(QStringLiteral(
            "INSERT INTO osobowa.DB (NREW, NAZWISKO, IMIE) VALUES ('K1', 'Nowak', 'Jan')"));
        c.execute(QStringLiteral(
            "INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Osobowy')"));
        c.execute(QStringLiteral(
            "INSERT INTO przejazdy.DB (DATA, IDPOJAZD, ODLEGLOSC) VALUES (20240105, 1, 12.5)"));
        const ResultSet r = c.query(QStringLiteral(
            "SELECT P.DATA, A.NRREJ, C.OPIS, (B.NAZWISKO||' '||B.IMIE) AS KIEROWCA "
            "FROM przejazdy.DB AS P LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD "
            "LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = A.IDKIEROWCY "
            "LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, QStringLiteral("DATA")).toInt(), 20240105);
        QCOMPARE(r.text(0, QStringLiteral("NRREJ")), QStringLiteral("WE1"));
        QCOMPARE(r.text(0, QStringLiteral("OPIS")), QStringLiteral("Osobowy"));
        QCOMPARE(r.text(0, QStringLiteral("KIEROWCA")), QStringLiteral("Nowak Jan"));
        QVERIFY(c.attachedCount() <= Connection::kMaxAttached);
    }

    void statementOverTooManyTablesFails() {
        const QString dir = company(QStringLiteral("toomany"));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        QStringList from;
        for (int i = 0; i < 11; ++i)
            from.append(schema::companyTables().at(i).file);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 c.query(QStringLiteral("SELECT 1 FROM ") + from.join(", ")));
        QCOMPARE(c.query(QStringLiteral("SELECT 1 FROM pojazdy")).rowCount(), 0);
    }

    void textRoundTripsThroughBoundParameter() {
        const QString dir = company(QStringLiteral("text"));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        const QString nasty = QStringLiteral("Zażółć \"gęślą\" jaźń; O'Brien \\ DROP TABLE x; --");
        c.execute(
            QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO) VALUES (:PARAM0, :PARAM1)"),
            positionalParams({nasty, nasty}));
        const ResultSet r =
            c.query(QStringLiteral("SELECT NAZWISKO FROM osobowa WHERE NREW = :KEY"),
                    {{QStringLiteral("KEY"), nasty}});
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.text(0, QStringLiteral("NAZWISKO")), nasty);
    }

    void transactionCoversSeveralTables() {
        const QString dir = company(QStringLiteral("tx"));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        s.setPrivateDirectory(env.newDirectory(QStringLiteral("private")));
        Connection c(&s);
        c.open(dir);
        c.beginWrite({QStringLiteral("pojazdy"), QStringLiteral("przebiegi")});
        c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ) VALUES ('A1')"));
        c.execute(QStringLiteral("INSERT INTO przebiegi (IDPOJAZD, LICZNIK) VALUES (1, 100)"));
        // A table outside the transaction cannot join it.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, c.query(QStringLiteral("SELECT * FROM koszty")));
        c.rollback();
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM pojazdy")).rowCount(), 0);
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM przebiegi")).rowCount(), 0);
        c.beginWrite({QStringLiteral("pojazdy"), QStringLiteral("przebiegi")});
        c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ) VALUES ('A1')"));
        c.execute(QStringLiteral("INSERT INTO przebiegi (IDPOJAZD, LICZNIK) VALUES (1, 100)"));
        c.commit();
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM pojazdy")).rowCount(), 1);
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM przebiegi")).rowCount(), 1);
    }

    void autoIdsAndOnlyOneStatement() {
        const QString dir = company(QStringLiteral("ids"));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        c.execute(QStringLiteral("INSERT INTO koszty (DATA) VALUES (20240101)"));
        c.execute(QStringLiteral("INSERT INTO koszty (DATA) VALUES (20240102);"));
        QCOMPARE(
            c.query(QStringLiteral("SELECT MAX(IDKOSZT) AS ID FROM KOSZTY")).value(0, 0).toInt(),
            2);
        QVERIFY_THROWS_EXCEPTION(
            DatabaseError, c.execute(QStringLiteral("DELETE FROM koszty; DELETE FROM pojazdy")));
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM koszty")).rowCount(), 2);
        QVERIFY(c.isReadOnlyStatement(QStringLiteral("SELECT * FROM koszty")));
        QVERIFY(!c.isReadOnlyStatement(QStringLiteral("DELETE FROM koszty")));
    }

    void textsSortInPolishOrder() {
        const QString dir = company(QStringLiteral("collate"));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        for (const char* name :
             {"Żak", "Zając", "Łukasiewicz", "Lis", "lis", "Ćwik", "Czarny", "Nowak", "Ńowak",
              "Ostrowski", "Ósmy", "Źrebiec", "Ziółko", "2 Kowal", "Müller", "Mazur"})
            c.execute(
                QStringLiteral("INSERT INTO osobowa (NREW, NAZWISKO) VALUES (:PARAM0, :PARAM0)"),
                positionalParams({QString::fromUtf8(name)}));
        const ResultSet r =
            c.query(QStringLiteral("SELECT NAZWISKO AS N FROM osobowa ORDER BY N COLLATE PL"));
        QStringList order;
        for (int i = 0; i < r.rowCount(); ++i)
            order.append(r.text(i, QStringLiteral("N")));
        QCOMPARE(order, (QStringList{"2 Kowal", "Czarny", "Ćwik", "lis", "Lis", "Łukasiewicz",
                                     "Mazur", "Müller", "Nowak", "Ńowak", "Ostrowski", "Ósmy",
                                     "Zając", "Ziółko", "Źrebiec", "Żak"}));
    }

    void missingDirectoryIsReported() {
        Connection c;
        try {
            c.open(QStringLiteral("/nonexistent/karvento"));
            QFAIL("opened a missing directory");
        } catch (const DatabaseError& e) {
            QVERIFY(e.message().startsWith(QStringLiteral("Cannot access directory")));
        }
        QVERIFY(!c.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
