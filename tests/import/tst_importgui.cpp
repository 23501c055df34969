#include "trips/TripsFixture.h"

#include "import/ImportSession.h"
#include "import/gui/ImportWindow.h"
#include "support/IniFile.h"
#include "users/Permissions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace kv;
using namespace kv::test;

// The import window over its session: the button states of each step, the
// mapping lists, the status columns, the result sheet and the settings kept.
class TestImportGui : public QObject {
    Q_OBJECT
    TestEnvironment env;
    std::unique_ptr<DataModule> db;
    QString dir;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir + u'/' + name;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static bool enabled(QWidget& w, const char* name) {
        return w.findChild<QPushButton*>(QLatin1String(name))->isEnabled();
    }
    int costs() {
        return db->select(QStringLiteral("SELECT COUNT(*) FROM koszty.DB")).value(0, 0).toInt();
    }

private slots:
    void initTestCase() {
        db = openTemplateCompany(env, QStringLiteral("gui"));
        QVERIFY(db);
        TripsData(*db).addVehicle(QStringLiteral("WE 123"));
        dir = env.newDirectory(QStringLiteral("sheets"));
        currentLogin().permissions.setAll(true);
    }

    void costsFromLoadToLog() {
        const QString settings = dir + QStringLiteral("/karvento.ini");
        ImportSession session(importLayout(ImportKind::Costs));
        ImportWindow w(*db, session, settings);
        QCOMPARE(w.objectName(), QStringLiteral("TfImportKoszty"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Import kosztów"));
        // A fresh window: nothing to verify, every list on "Brak danych".
        QVERIFY(!enabled(w, "bZweryfikuj") && !enabled(w, "bImportuj") &&
                !enabled(w, "bZapiszLog"));
        QCOMPARE(w.mappingList(1)->count(), 1);
        QCOMPARE(w.mappingList(1)->itemText(0), QStringLiteral("Brak danych"));

        const QString file = write(
            "koszty.csv", QByteArray("\xEF\xBB\xBF") +
                              QStringLiteral("Data;Pojazd;Netto;Uwagi\r\n"
                                             "31.12.2024;WE 123;10,50;\"z \"\"cytatem\"\"\"\r\n"
                                             "01.01.2025;XX 1;20;Łódź\r\n")
                                  .toUtf8());
        env.ui().queueAnswer(false); // do not restore a configuration
        w.loadFile(file);
        QVERIFY(env.ui().contains(QStringLiteral(
            "Arkusz załadowany poprawnie. Czy przywrócić poprzednią konfigurację imporu?")));
        QVERIFY(enabled(w, "bZweryfikuj") && !enabled(w, "bImportuj"));
        QCOMPARE(w.mappingList(2)->count(), 5);
        QCOMPARE(w.mappingList(2)->itemText(4), QStringLiteral("Kolumna #4"));
        QCOMPARE(w.grid()->model()->headerData(4, Qt::Horizontal).toString(),
                 QStringLiteral("Zaimportowano?"));

        w.mappingList(1)->setCurrentIndex(1);
        w.mappingList(2)->setCurrentIndex(2);
        w.mappingList(12)->setCurrentIndex(3);
        w.mappingList(8)->setCurrentIndex(4);
        w.findChild<QCheckBox*>(QStringLiteral("pominPierwszy"))->setChecked(true);
        w.verify();
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QVERIFY(!enabled(w, "bZweryfikuj") && enabled(w, "bImportuj") && enabled(w, "bZapiszLog"));
        QCOMPARE(w.grid()->model()->index(2, 5).data().toString(),
                 QStringLiteral("Nie znaleziono podanego pojazdu"));
        // Changing the mapping asks for a new verification first.
        w.mappingList(4)->setCurrentIndex(4);
        QVERIFY(enabled(w, "bZweryfikuj") && !enabled(w, "bImportuj"));
        w.mappingList(4)->setCurrentIndex(0);
        w.verify();

        env.ui().queueAnswer(true);
        w.runImport();
        QVERIFY(env.ui().contains(QStringLiteral(
            "Zalecamy wykonanie archiwizacji bazy danych przed dokonaniem importu. W "
            "zweryfikowanym arkuszu wykryto błędy. Czy kontynuować import danych z pominięciem "
            "usterek?")));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Operacja zakończona Podczas importu pojawiły się błędy. Prosze "
                                "sprawdzić ich opis w tabeli .CSV. Dodano wierszy: 1."));
        QCOMPARE(costs(), 1);
        // Declined: nothing more.
        env.ui().queueAnswer(false);
        w.runImport();
        QCOMPARE(costs(), 1);

        // The result sheet loads back cell for cell, quotes and letters kept.
        const QString log = dir + QStringLiteral("/wynik.csv");
        w.saveLogTo(log);
        QCOMPARE(env.ui().last().text, QStringLiteral("Arkusz wynikowy zapisano."));
        QString error;
        const auto back = readSheetFile(log, u';', &error);
        QVERIFY(back);
        QCOMPARE(back->lines.size(), 4);
        QCOMPARE(back->lines[0].cells, session.sheet().titleRow());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(back->lines[i + 1].cells, session.sheet().row(i));
        QCOMPARE(back->lines[2].cells[3], QStringLiteral("z \"cytatem\""));
        QCOMPARE(back->lines[3].cells[3], QStringLiteral("Łódź"));

        // Closing keeps the configuration when asked to.
        env.ui().queueAnswer(true);
        w.reject();
        IniFile ini(settings);
        QVERIFY(ini.load());
        QCOMPARE(ini.readInt(QStringLiteral("IMPORTS1"), QStringLiteral("cb2"), -1), 2);
        QCOMPARE(ini.readInt(QStringLiteral("IMPORTS1"), QStringLiteral("cb12"), -1), 3);
        QVERIFY(ini.readBool(QStringLiteral("IMPORTS1"), QStringLiteral("pominPierwszy"), false));

        // A sheet of another width resets the mapping even with "Nie czyść..."
        // ticked; one of the same width keeps it.
        w.findChild<QCheckBox*>(QStringLiteral("nieCzysc"))->setChecked(true);
        env.ui().queueAnswer(false);
        w.loadFile(write("same.csv", "a;b;c;d\n"));
        QCOMPARE(w.mappingList(2)->currentIndex(), 2);
        env.ui().queueAnswer(false);
        w.loadFile(write("narrow.csv", "a;b\n"));
        QCOMPARE(w.mappingList(2)->currentIndex(), 0);
        QCOMPARE(w.mappingList(2)->count(), 3);
        // Restoring a configuration the sheet cannot hold names the fields.
        env.ui().queueAnswer(true);
        w.loadFile(write("narrow2.csv", "a;b\n"));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("Wartość netto")));
        QCOMPARE(w.mappingList(12)->currentIndex(), 0);
        QCOMPARE(w.mappingList(2)->currentIndex(), 2);
    }

    void badSeparatorAndFile() {
        ImportSession session(importLayout(ImportKind::Employees));
        ImportWindow w(*db, session, dir + QStringLiteral("/karvento.ini"));
        QVERIFY(!w.findChild<QComboBox*>(QStringLiteral("formatDaty")));
        w.findChild<QComboBox*>(QStringLiteral("separator"))->setCurrentText(QString());
        w.loadFile(write("p.csv", "1;Jan;Nowak\n"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Niepoprawny separator kolumn!"));
        QVERIFY(!enabled(w, "bZweryfikuj"));
        w.findChild<QComboBox*>(QStringLiteral("separator"))->setCurrentText(QStringLiteral(";"));
        w.loadFile(dir + QStringLiteral("/brak.csv"));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("Błąd podczas otwierania pliku")));
        QVERIFY(!enabled(w, "bZweryfikuj"));
        QVERIFY(readErrorLog().contains(QStringLiteral("[0000000809]")));
    }
};

QTEST_MAIN(TestImportGui)
#include "tst_importgui.moc"
