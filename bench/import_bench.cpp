// The CSV import: reading, verifying and importing 100,000 costs with all 19
// fields mapped (every look-up used) into a company of 200 vehicles, each
// pass timed; then two karvento-cli processes importing 50,000 costs each
// into one company at the same time.
//
//   build/bin/import_bench [path of karvento-cli]

#include "BenchCompany.h"

#include "import/ImportPasses.h"
#include "import/ImportSession.h"
#include "storage/DataModule.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using namespace kv;
using namespace kv::bench;

namespace {

void fillLookups(const QString& company) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite(
        {QStringLiteral("kpaliwowe"), QStringLiteral("slowniki"), QStringLiteral("kartydrogowe")});
    for (int i = 0; i < 50; ++i) {
        c.execute(QStringLiteral("INSERT INTO kpaliwowe (IDKARTY, NAZWA) VALUES (:PARAM0, 'x')"),
                  engine::positionalParams({QStringLiteral("K%1").arg(i)}));
        c.execute(
            QStringLiteral("INSERT INTO kartydrogowe (NRKARTY, IDPOJAZD) VALUES (:PARAM0, 1)"),
            engine::positionalParams({QStringLiteral("KD/%1").arg(i)}));
        c.execute(
            QStringLiteral("INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('CKKOD', :PARAM0)"),
            engine::positionalParams({QStringLiteral("Dział %1").arg(i)}));
    }
    c.execute(QStringLiteral("INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPLA', 'Gotówka')"));
    c.commit();
}

QByteArray costsSheet(int rows, int offset) {
    QByteArray out;
    out.reserve(rows * 200);
    for (int i = 0; i < rows; ++i) {
        const int n = i + offset;
        out += QStringLiteral("%1.%2.2024;WE %3;Paliwo;ON;K%4;P%5;%6,50;uwagi %7;%1.%2.2024;"
                              "FV %7;gotówka;100,00;23,00;123,00;TAK;TAK;40,25;dział %4;kd/%4\r\n")
                   .arg(1 + n % 28, 2, 10, QLatin1Char('0'))
                   .arg(1 + n % 12, 2, 10, QLatin1Char('0'))
                   .arg(n % 200, 5, 10, QLatin1Char('0'))
                   .arg(n % 50)
                   .arg(n % 50)
                   .arg(1000 + n)
                   .arg(n)
                   .toUtf8();
    }
    return out;
}

QString allFieldsMap() {
    // The sheet's columns in the lists' checking order.
    return QStringLiteral("cb1=1,cb2=2,cb3=3,cb4=4,cb5=5,cb6=6,cb7=7,cb8=8,cb9=9,cb10=10,"
                          "cb11=11,cb12=12,cb13=13,cb14=14,cb15=15,cb16=16,cb17=17,cb18=18,"
                          "cb19=19");
}

double ms(QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

// The process's processor time: the shared build machine's load stretches
// the wall time, not this.
double cpuMs() {
    return std::clock() * 1000.0 / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    engine::EngineSession::defaultSession().addPassword(kBenchPassword);
    const QString location = makeLocation(scratch.path(), QStringLiteral("import"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    fillVehicles(company, 200, 50);
    fillLookups(company);

    const QString file = QDir(scratch.path()).filePath(QStringLiteral("koszty.csv"));
    {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(costsSheet(100000, 0));
    }
    const ImportLayout& layout = importLayout(ImportKind::Costs);
    ImportChoices choices = defaultImportChoices(layout);
    for (const ImportField& f : layout.fields)
        choices.mapping[f.list - 1] = f.list;

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));

    QElapsedTimer t;
    t.start();
    double cpu = cpuMs();
    std::optional<ReadSheet> read = loadImportSheet(layout, file, u';');
    const double reading = ms(t), readingCpu = cpuMs() - cpu;
    ImportSheet sheet(std::move(*read));
    t.restart();
    cpu = cpuMs();
    const VerifyOutcome v = verifyImport(db, sheet, layout, choices);
    const double verifying = ms(t), verifyingCpu = cpuMs() - cpu;
    t.restart();
    cpu = cpuMs();
    const ImportPassResult r = importSheetLines(db, sheet, layout, choices);
    const double importing = ms(t), importingCpu = cpuMs() - cpu;
    std::printf("100,000 costs, 19 fields, 200 vehicles (wall / processor ms):\n"
                "  read %.0f / %.0f, verify %.0f / %.0f (%d faulty), import %.0f / %.0f (%d added, "
                "lines checked again inside)\n  verify + import %.0f / %.0f\n",
                reading, readingCpu, verifying, verifyingCpu, v.faulty, importing, importingCpu,
                r.added, verifying + importing, verifyingCpu + importingCpu);

    // Two programs at once: each 50,000 costs through karvento-cli.
    const QString cli =
        argc > 1
            ? QString::fromLocal8Bit(argv[1])
            : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("karvento-cli"));
    if (!QFile::exists(cli)) {
        std::printf("karvento-cli not found at %s: two-process run skipped\n", qPrintable(cli));
        return 0;
    }
    db.disconnect();
    const int before = [&] {
        engine::EngineSession s;
        s.addPassword(kBenchPassword);
        engine::Connection c(&s);
        c.open(company, false);
        c.execute(QStringLiteral("INSERT INTO userzy (NAZWA, HASLO) SELECT 'ADMIN', 'zebux' "
                                 "WHERE NOT EXISTS (SELECT 1 FROM userzy WHERE NAZWA = 'ADMIN')"));
        return c.query(QStringLiteral("SELECT COUNT(*) FROM koszty")).value(0, 0).toInt();
    }();
    {
        engine::EngineSession s;
        s.addPassword(kBenchPassword);
        engine::Connection c(&s);
        c.open(location, false);
        c.execute(QStringLiteral("INSERT INTO firmy (NAZWA, DIR) VALUES ('Firma', 'firma')"));
    }
    QList<QString> files;
    for (int p = 0; p < 2; ++p) {
        files << QDir(scratch.path()).filePath(QStringLiteral("koszty%1.csv").arg(p));
        QFile f(files.last());
        f.open(QIODevice::WriteOnly);
        f.write(costsSheet(50000, p * 50000));
    }
    const QStringList login{QStringLiteral("--location"),      location,
                            QStringLiteral("--db-password"),   kBenchPassword,
                            QStringLiteral("--company"),       QStringLiteral("firma"),
                            QStringLiteral("--user"),          QStringLiteral("ADMIN"),
                            QStringLiteral("--user-password"), QStringLiteral("zebux")};
    // The first login stores the password's hash; the two runs then only read it.
    QProcess::execute(cli, QStringList{QStringLiteral("users"), QStringLiteral("list")} + login);
    t.restart();
    QList<QProcess*> runs;
    for (const QString& f : files) {
        auto* p = new QProcess(&app);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(cli, QStringList{QStringLiteral("import"), QStringLiteral("koszty"), f,
                                  QStringLiteral("--map"), allFieldsMap()} +
                          login);
        runs << p;
    }
    for (QProcess* p : runs) {
        p->waitForFinished(600000);
        const QString output = QString::fromUtf8(p->readAll()).trimmed();
        std::printf("  karvento-cli exit %d: %s\n", p->exitCode(),
                    qPrintable(output.section(u'\n', -1)));
    }
    const double both = ms(t);
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    const int after = c.query(QStringLiteral("SELECT COUNT(*) FROM koszty")).value(0, 0).toInt();
    std::printf("two karvento-cli imports of 50,000 costs at once: %.0f ms wall, rows added %d\n",
                both, after - before);
    return 0;
}
