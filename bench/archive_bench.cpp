// Making and restoring an archive of a company with 100,000 trips and
// 100,000 costs, everything included (the copy held against writers and
// staged, the checks of every file, the safety copy made before a restore,
// the swap), against a plain copy of the 30 files as the baseline.
//
//   build/bin/archive_bench [repetitions]
//
// The data is built in a temporary folder; the settings directory points at
// another, so a run touches nothing of a real installation.

#include "admin/ArchiveCopy.h"
#include "admin/ArchiveRestore.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");

// Answers every question "Tak" and shows nothing.
class QuietUserInterface : public UserInterface {
public:
    void information(const QString&, const QString& text) override { last = text; }
    bool question(const QString&, const QString&, DefaultAnswer) override { return true; }
    std::optional<QString> prompt(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    void systemMessage(const QString&, const QString& text) override { last = text; }
    void progressShow(int) override {}
    void progressJob(const QString&) override {}
    void progressHide() override {}
    QString last;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void fill(const QString& company) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    std::mt19937 rng(11);
    c.beginWrite({QStringLiteral("przejazdy"), QStringLiteral("koszty")});
    for (int i = 0; i < 100000; ++i) {
        const int date = 20220101 + int(rng() % 4) * 10000 + int(1 + rng() % 12) * 100 +
                         int(1 + rng() % 28) - 101;
        c.execute(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, "
                                 "ODLEGLOSC, IDKIEROWCY, PRYW) VALUES (%1, %2, :PARAM0, :PARAM1, "
                                 "%3, 'P1', 'N')")
                      .arg(date)
                      .arg(1 + rng() % 500)
                      .arg(5 + rng() % 300),
                  engine::positionalParams({QStringLiteral("Wyjazd do klienta"),
                                            QStringLiteral("Łódź – Warszawa %1").arg(rng() % 50)}));
        c.execute(
            QStringLiteral("INSERT INTO koszty (DATA, IDPOJAZD, NAZWATOWAR, WARTBRUTTO) VALUES "
                           "(%1, %2, :PARAM0, %3)")
                .arg(date)
                .arg(1 + rng() % 500)
                .arg(double(rng() % 100000) / 100.0),
            engine::positionalParams({QStringLiteral("Paliwo, myjnia i parking %1").arg(i)}));
    }
    c.commit();
}

double plainCopy(const QString& from, const QString& to) {
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    QElapsedTimer t;
    t.start();
    for (const QString& file : schema::companyTableFiles())
        QFile::copy(QDir(from).filePath(file), QDir(to).filePath(file));
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    QDir().mkpath(QDir(scratch.path()).filePath(QStringLiteral("settings/debug")));
    QDir().mkpath(QDir(scratch.path()).filePath(QStringLiteral("settings/tmpFile")));
    QuietUserInterface quiet;
    setUserInterface(&quiet);
    engine::EngineSession::defaultSession().addPassword(kPassword);

    const QString location = QDir(scratch.path()).filePath(QStringLiteral("baza"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    QDir().mkpath(company);
    createCompanyTables(company, kPassword);
    fill(company);
    qint64 bytes = 0;
    for (const QString& file : schema::companyTableFiles())
        bytes += QFileInfo(QDir(company).filePath(file)).size();

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));
    const QString archive = QDir(scratch.path()).filePath(QStringLiteral("archiwum"));
    QDir().mkpath(archive);

    std::vector<double> plain, make, restore;
    for (int i = 0; i < repetitions; ++i) {
        plain.push_back(plainCopy(company, QDir(scratch.path()).filePath(QStringLiteral("kopia"))));
        QElapsedTimer t;
        t.start();
        if (makeArchive(db, archive, {QStringLiteral("Bench"), dateToText(QDate(2024, 6, 1))}) !=
            AdminResult::Done) {
            std::fprintf(stderr, "make failed: %s\n", qPrintable(quiet.last));
            return 1;
        }
        make.push_back(double(t.nsecsElapsed()) / 1e6);
        t.start();
        RestoreOptions options;
        options.safety = SafetyCopyPolicy::Refuse;
        if (restoreArchive(db, archive, kPassword, options).result != AdminResult::Done) {
            std::fprintf(stderr, "restore failed: %s\n", qPrintable(quiet.last));
            return 1;
        }
        restore.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double base = median(plain);
    std::printf("company: 100,000 trips, 100,000 costs, 30 files, %.1f MB\n", double(bytes) / 1e6);
    std::printf("plain copy of the 30 files   %8.1f ms\n", base);
    std::printf("archive make                 %8.1f ms  (%.1fx the plain copy)\n", median(make),
                median(make) / base);
    std::printf("archive restore              %8.1f ms  (%.1fx the plain copy)\n", median(restore),
                median(restore) / base);
    setUserInterface(nullptr);
    return 0;
}
