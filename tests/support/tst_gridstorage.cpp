#include "TestSupport.h"

#include "support/GridLayoutStore.h"
#include "support/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

namespace {

// A grid whose widths the test keeps looking at after the storage took it.
class FakeGrid : public GridColumns {
public:
    explicit FakeGrid(std::shared_ptr<QList<int>> widths) : m_widths(std::move(widths)) {}
    int columnCount() const override { return int(m_widths->size()); }
    int columnWidth(int column) const override { return m_widths->at(column); }
    void setColumnWidth(int column, int width) override { (*m_widths)[column] = width; }

private:
    std::shared_ptr<QList<int>> m_widths;
};

std::shared_ptr<QList<int>> widths(QList<int> values) {
    return std::make_shared<QList<int>>(std::move(values));
}

} // namespace

class TestGridStorage : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    QString settingsFile(const QString& text) {
        const QString path = QDir(env.newDirectory(QStringLiteral("s%1").arg(++m_files)))
                                 .filePath(QStringLiteral("karvento.ini"));
        QFile file(path);
        if (!text.isNull() && (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    int m_files = 0;

private slots:
    void roundTripThroughTheSettingsFile() {
        const QString path = settingsFile(QStringLiteral("[OPTIONS]\npytajPrzedKasowaniem=1\n"
                                                         "[DBGRID]\nKosztyGrid=1,2\n"));
        GridLayoutStore storage(path);
        auto pojazdy = widths({64, 120, 80});
        auto sumy = widths({50, 60});
        storage.registerDataGrid(std::make_unique<FakeGrid>(pojazdy),
                                 QStringLiteral("PojazdyGrid"));
        storage.registerStringGrid(std::make_unique<FakeGrid>(sumy), QStringLiteral("SumyGrid"));
        *pojazdy = {70, 130, 90};
        *sumy = {55, 65};
        QVERIFY(storage.save());

        IniFile ini(path);
        QVERIFY(ini.load());
        QCOMPARE(ini.readString("DBGRID", "PojazdyGrid"), QStringLiteral("70,130,90"));
        QCOMPARE(ini.readString("GRID", "SumyGrid"), QStringLiteral("55,65"));
        QCOMPARE(ini.readString("DBGRID", "KosztyGrid"), QStringLiteral("1,2"));
        QCOMPARE(ini.readString("OPTIONS", "pytajPrzedKasowaniem"), QStringLiteral("1"));

        // The next start: grids at their design widths, then the stored ones.
        GridLayoutStore next(path);
        auto pojazdy2 = widths({64, 120, 80});
        auto sumy2 = widths({50, 60});
        next.registerDataGrid(std::make_unique<FakeGrid>(pojazdy2), QStringLiteral("PojazdyGrid"));
        next.registerStringGrid(std::make_unique<FakeGrid>(sumy2), QStringLiteral("SumyGrid"));
        QVERIFY(next.load());
        QCOMPARE(*pojazdy2, QList<int>({70, 130, 90}));
        QCOMPARE(*sumy2, QList<int>({55, 65}));
    }

    void unfitLinesAreIgnored_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("result");
        QTest::newRow("fits") << "pojazdygrid=7,8,9" << QList<int>{7, 8, 9};
        QTest::newRow("trailing comma") << "PojazdyGrid=7,8,9," << QList<int>{7, 8, 9};
        QTest::newRow("too few") << "PojazdyGrid=7,8" << QList<int>{64, 120, 80};
        QTest::newRow("too many") << "PojazdyGrid=7,8,9,10" << QList<int>{64, 120, 80};
        QTest::newRow("empty") << "PojazdyGrid=" << QList<int>{64, 120, 80};
        QTest::newRow("not a number") << "PojazdyGrid=7,x,9" << QList<int>{64, 120, 80};
        QTest::newRow("negative") << "PojazdyGrid=7,-8,9" << QList<int>{64, 120, 80};
        QTest::newRow("other section") << "[GRID]\nPojazdyGrid=7,8,9" << QList<int>{64, 120, 80};
        QTest::newRow("no key") << "InnyGrid=7,8,9" << QList<int>{64, 120, 80};
        QTest::newRow("no file") << QString() << QList<int>{64, 120, 80};
    }
    void unfitLinesAreIgnored() {
        QFETCH(QString, line);
        QFETCH(QList<int>, result);
        GridLayoutStore storage(
            settingsFile(line.isNull() ? line : QStringLiteral("[DBGRID]\n") + line + u'\n'));
        auto grid = widths({64, 120, 80});
        storage.registerDataGrid(std::make_unique<FakeGrid>(grid), QStringLiteral("PojazdyGrid"));
        QVERIFY(storage.load());
        QCOMPARE(*grid, result);
    }

    void unwritableFileFailsToSave() {
        QVERIFY(!GridLayoutStore(env.settingsDir() + QStringLiteral("/brak/karvento.ini")).save());
    }

    void restoreDefaultsBringsBackTheLastRegistration() {
        GridLayoutStore storage(settingsFile(QString()));
        QList<int> design(45, 50);
        design[1] = 0; // no remembered width: left as it is
        storage.registerDataGrid(std::make_unique<FakeGrid>(widths(QList<int>(45, 1))),
                                 QStringLiteral("PojazdyGrid"));
        auto grid = widths(design);
        storage.registerDataGrid(std::make_unique<FakeGrid>(grid), QStringLiteral("POJAZDYGRID"));
        QCOMPARE(storage.dataGrids().size(), size_t(1));
        grid->fill(99);
        storage.restoreDefaults();
        QCOMPARE(grid->mid(0, 3), QList<int>({50, 99, 50}));
        QCOMPARE(grid->at(39), 50);
        QCOMPARE(grid->at(40), 99); // only the first 40 columns are remembered
    }

    void gridWithoutColumnsKeepsItsStoredLine() {
        const QString path = settingsFile(QStringLiteral("[DBGRID]\nPojazdyGrid=7,8,9\n"));
        GridLayoutStore storage(path);
        storage.registerDataGrid(std::make_unique<FakeGrid>(widths({})),
                                 QStringLiteral("PojazdyGrid"));
        QVERIFY(storage.save());
        IniFile ini(path);
        QVERIFY(ini.load());
        QCOMPARE(ini.readString("DBGRID", "PojazdyGrid"), QStringLiteral("7,8,9"));
    }
};

QTEST_GUILESS_MAIN(TestGridStorage)
#include "tst_gridstorage.moc"
