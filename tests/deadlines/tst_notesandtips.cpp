#include "fleet/FleetFixture.h"

#include "deadlines/DayTips.h"
#include "deadlines/ReminderNotes.h"
#include "storage/engine/Connection.h"

#include <QFile>

using namespace kv;

// The reminder notes kept in notatki.DB, their due test, and the tips of
// the day read from porady.dat.
class TestNotesAndTips : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
    }
    void addRow(int id, const QString& date, const QString& text) {
        db->exec(QStringLiteral("INSERT INTO notatki.DB (IDNOTATKI, DATA, OPIS, RESERVED) VALUES "
                                "(%1, :PARAM0, :PARAM1, 'r')")
                     .arg(id),
                 engine::positionalParams({date, text}));
    }
    QStringList rows() {
        QStringList out;
        const ResultSet r = db->select(
            QStringLiteral("SELECT IDNOTATKI, DATA, OPIS FROM notatki.DB ORDER BY IDNOTATKI"));
        for (int i = 0; i < r.rowCount(); ++i)
            out << QStringLiteral("%1|%2|%3")
                       .arg(r.text(i, "IDNOTATKI"), r.text(i, "DATA"), r.text(i, "OPIS"));
        return out;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void cleanup() { db.reset(); }

    void rowsFillTheSlotsInOrder() {
        open(QStringLiteral("load"));
        addRow(9, QStringLiteral("03.03.2024"), QStringLiteral("trzecia"));
        addRow(2, QStringLiteral("01.03.2024"), QStringLiteral("pierwsza"));
        addRow(5, QString(), QStringLiteral("druga"));
        addRow(45, QString(), QStringLiteral("poza zakresem"));
        ReminderNotes notes;
        notes.slot(7).text = QStringLiteral("z poprzedniej firmy");
        QVERIFY(notes.load(*db));
        QCOMPARE(notes.slot(1), (ReminderNote{"01.03.2024", "pierwsza", "r"}));
        QCOMPARE(notes.slot(2).text, QStringLiteral("druga"));
        QCOMPARE(notes.slot(3).text, QStringLiteral("trzecia"));
        QCOMPARE(notes.slot(4), ReminderNote{});
        QCOMPARE(notes.slot(7), ReminderNote{});

        // Saving writes exactly the rows 1 to 30, texts as they are.
        notes.slot(30).text = QStringLiteral("O'Brien \"VIP\"");
        QVERIFY(notes.save(*db));
        const QStringList saved = rows();
        QCOMPARE(saved.size(), 31); // and the row 45 nobody reads
        QCOMPARE(saved.at(0), QStringLiteral("1|01.03.2024|pierwsza"));
        QCOMPARE(saved.at(3), QStringLiteral("4||"));
        QCOMPARE(saved.at(29), QStringLiteral("30||O'Brien \"VIP\""));
        QCOMPARE(saved.at(30), QStringLiteral("45||poza zakresem"));
    }

    void aFailedLoadOrSaveLosesNothing() {
        open(QStringLiteral("failing"));
        addRow(1, QString(), QStringLiteral("ważna"));
        ReminderNotes notes;
        // Never loaded: nothing is written over the table.
        notes.slot(1).text = QStringLiteral("obca");
        QVERIFY(!notes.save(*db));
        QCOMPARE(rows(), QStringList{"1||ważna"});

        QVERIFY(notes.load(*db));
        notes.slot(1).text = QStringLiteral("nowa");
        // A table that cannot take the rows: the old rows stay, all of them.
        db->exec(QStringLiteral("CREATE TRIGGER notatki.stop BEFORE INSERT ON notatki "
                                "WHEN NEW.IDNOTATKI = 17 BEGIN SELECT RAISE(ABORT, 'pełno'); END"));
        QVERIFY(!notes.save(*db));
        QCOMPARE(rows(), QStringList{"1||ważna"});
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000022]")));
        QCOMPARE(notes.slot(1).text, QStringLiteral("nowa"));

        // A load that fails leaves no slot of the company before.
        QVERIFY(QFile::remove(db->companyDirectory() + QStringLiteral("/notatki.DB")));
        std::unique_ptr<DataModule> other =
            test::openCompanyIn(QFileInfo(db->companyDirectory()).path(), QStringLiteral("firma"));
        db.reset();
        QVERIFY(other);
        QVERIFY(!notes.load(*other));
        QCOMPARE(notes.slot(1), ReminderNote{});
        QVERIFY(!notes.loaded());
        QVERIFY(!notes.save(*other));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000023]")));
    }

    void dueNotes() {
        const QDate today(2024, 2, 28);
        ReminderNotes notes;
        notes.slot(1) = {QStringLiteral("28.02.2024"), QStringLiteral("dziś"), {}};
        notes.slot(2) = {QStringLiteral("29.02.2024"), QStringLiteral("jutro"), {}};
        notes.slot(3) = {QStringLiteral("01.01.2024"), QStringLiteral("   "), {}};
        notes.slot(4) = {QStringLiteral("01.01.2024"), QString(), {}};
        // Typed with month 13: the text stays, the date goes, due every day.
        notes.slot(5) = storedNote(QStringLiteral("01.13.2024"), QStringLiteral("zawsze"), {});
        QCOMPARE(notes.slot(5).date, QString());
        notes.slot(6) = {QStringLiteral("  .  .    "), QStringLiteral("bez daty"), {}};
        notes.slot(30) = {QStringLiteral("27.02.2024"), QStringLiteral("ostatnia"), {}};
        QCOMPARE(notes.dueSlots(today), (QList<int>{1, 5, 6, 30}));
        QVERIFY(isNoteDue(notes.slot(2), QDate(2024, 2, 29)));
        // A note of blanks loses its date as well.
        QCOMPARE(
            storedNote(QStringLiteral("01.03.2024"), QStringLiteral("  "), QStringLiteral("x")),
            (ReminderNote{QString(), QString(), "x"}));
        QCOMPARE(storedNote(QStringLiteral("01.03.2024"), QStringLiteral(" a "), {}),
                 (ReminderNote{"01.03.2024", " a ", {}}));
    }

    void tipsComeFromTheFileAndNeverRepeat() {
        const QString dir = env.newDirectory(QStringLiteral("tips"));
        const QString path = dir + QStringLiteral("/porady.dat");
        auto write = [&](const QByteArray& bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
        // One tip: the built-in text always.
        write("Jedyna porada\n");
        DayTips one;
        one.load(path);
        QCOMPARE(one.tips().size(), 1);
        QCOMPARE(one.next(), kBuiltInTip);
        QCOMPARE(one.next(), kBuiltInTip);

        // Two tips alternate, whatever the draw says.
        write("Pierwsza\nDruga – ąę\n");
        DayTips two;
        two.load(path);
        QCOMPARE(two.current(), kBuiltInTip);
        const auto alwaysFirst = [](int) { return 0; };
        QCOMPARE(two.next(alwaysFirst), QStringLiteral("Pierwsza"));
        QCOMPARE(two.next(alwaysFirst), QStringLiteral("Druga – ąę"));
        QCOMPARE(two.next(alwaysFirst), QStringLiteral("Pierwsza"));
        QString last = two.current();
        for (int i = 0; i < 20; ++i) {
            const QString tip = two.next();
            QVERIFY(tip != last);
            last = tip;
        }

        // Only the first 300 lines, empty ones included.
        QByteArray many;
        for (int i = 1; i <= 320; ++i)
            many += i == 2 ? QByteArray("\n") : QByteArray::number(i) + '\n';
        write(many);
        DayTips full;
        full.load(path);
        QCOMPARE(full.tips().size(), 300);
        QCOMPARE(full.tips().at(1), QString());
        QCOMPARE(full.tips().at(299), QStringLiteral("300"));
        DayTips missing;
        missing.load(dir + QStringLiteral("/brak.dat"));
        QVERIFY(missing.tips().isEmpty());

        // The shipped tips are copied only where there are none.
        const QString target = dir + QStringLiteral("/kopia.dat");
        QVERIFY(installDayTips(path, target));
        write("zmienione\n");
        QVERIFY(installDayTips(path, target));
        DayTips copied;
        copied.load(target);
        QCOMPARE(copied.tips().size(), 300);
        QVERIFY(!installDayTips(dir + QStringLiteral("/brak.dat"), dir + QStringLiteral("/x.dat")));
    }
};

QTEST_GUILESS_MAIN(TestNotesAndTips)
#include "tst_notesandtips.moc"
