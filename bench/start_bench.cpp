// Login to a usable main window, and to the start page with its data: the
// time from the start sequence (a log-out and a new login) to the window's
// `ready`, and on to the start page's fleet chart drawn, on a company with
// 100,000 trips and 100,000 costs in this year.
//
//   build/bin/start_bench [repetitions]     (offscreen, no display needed)

#include "ScriptedUserInterface.h"
#include "TestSupport.h"

#include "app/KarventoApplication.h"
#include "app/MainWindow.h"
#include "charts/gui/ChartView.h"
#include "charts/gui/StartPagePanel.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "users/gui/LoginDialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace kv;

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString makeLocation(const QString& root, int rows) {
    const QString location = QDir(root).filePath(QStringLiteral("start"));
    QDir().mkpath(location);
    QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                QDir(location).filePath(QStringLiteral("firmy.DB")));
    QFile(QDir(location).filePath(QStringLiteral("firmy.DB")))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    test::makeTemplateCompany(company);
    writeUpgradeMarkers(company);
    engine::EngineSession session;
    session.addPassword(schema::kTemplatePassword);
    {
        engine::Connection c(&session);
        c.open(location, false);
        c.execute(QStringLiteral("INSERT INTO firmy.DB (NAZWA, DIR) VALUES ('Flota', 'firma')"));
    }
    engine::Connection c(&session);
    c.open(company, false);
    c.beginWrite(
        {QStringLiteral("pojazdy"), QStringLiteral("przejazdy"), QStringLiteral("koszty")});
    for (int v = 1; v <= 50; ++v)
        c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) "
                                 "VALUES (:PARAM0, 'Skoda', 1, 1400, 0)"),
                  engine::positionalParams({QStringLiteral("WE %1").arg(v)}));
    std::mt19937 rng(3);
    const QDate first(Clock::today().year(), 1, 1);
    for (int i = 0; i < rows; ++i) {
        const QDate d = first.addDays(int(rng() % 365));
        const int day = d.year() * 10000 + d.month() * 100 + d.day();
        c.execute(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, ODLEGLOSC) VALUES (%1, "
                                 "%2, %3)")
                      .arg(day)
                      .arg(1 + i % 50)
                      .arg(1 + rng() % 50000 / 100.0, 0, 'f', 2));
        c.execute(QStringLiteral("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, WARTBRUTTO) "
                                 "VALUES (%1, %2, 'Paliwo', %3)")
                      .arg(1 + i % 50)
                      .arg(day)
                      .arg(rng() % 100000 / 100.0, 0, 'f', 2));
    }
    c.commit();
    return location;
}

// Answers every login window with the administrator.
void answerLogins() {
    auto* timer = new QTimer(qApp);
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, [] {
        auto* login = qobject_cast<LoginDialog*>(QApplication::activeModalWidget());
        if (!login || !login->isVisible() || !login->userField()->text().isEmpty())
            return;
        login->userField()->setText(QStringLiteral("ADMIN"));
        login->passwordField()->setText(QStringLiteral("zebux"));
        login->okButton()->click();
    });
    timer->start();
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KarventoApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    ScriptedUserInterface answers; // "Nie" to the backup offer
    setUserInterface(&answers);
    const QString location = makeLocation(scratch.path(), 100000);
    saveLocationAndPassword({location, schema::kTemplatePassword});

    DataModule database;
    MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
    answerLogins();
    bool ready = false;
    QObject::connect(&window, &MainWindow::ready, [&ready] { ready = true; });
    std::vector<double> usable, withStart;
    for (int i = 0; i <= repetitions; ++i) {
        ready = false;
        QElapsedTimer t;
        t.start();
        if (i == 0)
            window.show();
        else
            window.logOut();
        while (!ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const double toReady = t.nsecsElapsed() / 1e6;
        StartPagePanel* panel = window.findChild<StartPagePanel*>();
        while (!panel->chart()->hasChart())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const double toStart = t.nsecsElapsed() / 1e6;
        if (i == 0)
            continue; // the first start also builds the windows
        usable.push_back(toReady);
        withStart.push_back(toStart);
    }
    std::printf("login to a usable window      %8.1f ms (median of %d)\n", median(usable),
                repetitions);
    std::printf("login to the start page drawn %8.1f ms (100,000 trips and costs this year)\n",
                median(withStart));
    window.hide();
    setUserInterface(nullptr);
    return 0;
}
