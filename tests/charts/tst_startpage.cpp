// The start page beside its notepad: the deadlines and the fleet's costs and
// kilometres per month, their permissions, failures, and the login.
#include "ChartsFixture.h"
#include "dictionaries/DictionaryFixture.h"
#include "support/ModalWindows.h"
#include "users/LoginFixture.h"

#include "app/KarventoApplication.h"
#include "app/MainWindow.h"
#include "charts/StartPageData.h"
#include "charts/gui/ChartView.h"
#include "charts/gui/StartPagePanel.h"
#include "deadlines/gui/DeadlineWindow.h"
#include "deadlines/gui/NoteWindows.h"
#include "framework/Registers.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "storage/engine/DatabaseError.h"
#include "support/Clock.h"
#include "users/Permissions.h"
#include "users/gui/LoginDialog.h"

#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

QStringList points(const ChartSeries& s) {
    QStringList out;
    for (const ChartPoint& p : s.points)
        out << QString::number(p.x) + u'=' + p.y.toSql();
    return out;
}

PermissionSet allBut(std::initializer_list<int> missing) {
    PermissionSet p;
    p.setAll(true);
    for (int n : missing)
        p.set(n, false);
    return p;
}

// Damages a table file so that every statement naming it fails.
void damage(const QString& file) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(8192, 'x'));
}

} // namespace

class TestStartPage : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static int costsRead() { return registerDescriptor(RegisterId::Costs).readPermission; }
    static int tripsRead() { return registerDescriptor(RegisterId::Trips).readPermission; }

private slots:
    void cleanup() {
        setStartPageDeadlineProvider({});
        Clock::setFixed(QDateTime());
    }

    void theFleetsMonthsAddUpEveryVehicle() {
        auto db = test::openTemplateCompany(env, QStringLiteral("flota"));
        QVERIFY(db);
        test::ChartsData data(*db);
        const int a = data.addVehicle(QStringLiteral("WA 1"));
        const int b = data.addVehicle(QStringLiteral("WA 2"));
        data.addCost(a, 20240105, "0.1", QStringLiteral("Myjnia"), false);
        data.addCost(b, 20240130, "0.2", QStringLiteral("Paliwo"), true);
        data.addCost(b, 20240301, "1234.565", QStringLiteral("Paliwo"), true);
        data.addCost(a, 20230301, "99", QStringLiteral("Paliwo"), true); // another year
        data.addTrip(a, 20240201, "12.5");
        data.addTrip(b, 20240229, "0.25");
        data.addTrip(b, 20241231, "300");
        const ChartData d = fleetChart(*db, 2024, true, true);
        QCOMPARE(d.caption, QStringLiteral("Koszty i przebieg floty w roku 2024"));
        QCOMPARE(d.series.size(), 2);
        QCOMPARE(points(d.series.at(0)), QStringList({"1=0.3", "3=1234.565"}));
        QVERIFY(!d.series.at(0).secondAxis);
        QCOMPARE(points(d.series.at(1)), QStringList({"2=12.75", "12=300"}));
        QVERIFY(d.series.at(1).secondAxis);
        QCOMPARE(chartYRange(d, true).maximum, 300.0);

        // Each series only with its permission; the deadlines only with 31.
        StartPageContent c = loadStartPageContent(*db, allBut({costsRead()}), 2024);
        QVERIFY(c.chartAllowed);
        QVERIFY(!c.fleetChart.series.at(0).isShown());
        QVERIFY(c.fleetChart.series.at(0).label.isEmpty());
        QCOMPARE(c.fleetChart.series.at(1).points.size(), 2);
        c = loadStartPageContent(*db, allBut({costsRead(), tripsRead(), 31}), 2024);
        QVERIFY(!c.chartAllowed);
        QVERIFY(!c.deadlinesAllowed);
        QVERIFY(c.fleetChart.series.isEmpty());
    }

    void theDeadlinesComeFromTheirProvider() {
        auto db = test::openTemplateCompany(env, QStringLiteral("terminy"));
        QVERIFY(db);
        PermissionSet all;
        all.setAll(true);
        StartPagePanel panel(*db);
        // The program registers the deadline checker when a company opens;
        // without any provider the page says the check is missing.
        QVERIFY(hasStartPageDeadlineProvider());
        setStartPageDeadlineProvider({});
        StartPageContent c = loadStartPageContent(*db, all, 2024);
        QVERIFY(c.deadlinesAllowed && !c.deadlinesAvailable);
        panel.display(c);
        QCOMPARE(panel.deadlines()->count(), 1);
        QCOMPARE(panel.deadlines()->item(0)->text(), kNoDeadlineCheckText);

        setStartPageDeadlineProvider([](DataModule&) {
            return QStringList{QStringLiteral("WA 1: przegląd techniczny 12.06.2024")};
        });
        panel.display(loadStartPageContent(*db, all, 2024));
        QCOMPARE(panel.deadlines()->item(0)->text(),
                 QStringLiteral("WA 1: przegląd techniczny 12.06.2024"));
        setStartPageDeadlineProvider([](DataModule&) { return QStringList(); });
        panel.display(loadStartPageContent(*db, all, 2024));
        QCOMPARE(panel.deadlines()->item(0)->text(), kNoDeadlinesDueText);

        // A failing provider leaves its part saying so, and the chart drawn.
        setStartPageDeadlineProvider(
            [](DataModule&) -> QStringList { throw DatabaseError(QStringLiteral("zepsute")); });
        c = loadStartPageContent(*db, all, 2024);
        QVERIFY(c.deadlinesFailed);
        QVERIFY(c.chartAllowed);
        panel.display(c);
        QCOMPARE(panel.deadlines()->item(0)->text(), kDeadlinesFailedText);
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000161011]  zepsute")));
        QVERIFY(!panel.chartPart()->isHidden());
        QVERIFY(panel.chart()->hasChart());
        panel.display(loadStartPageContent(*db, allBut({31}), 2024));
        QVERIFY(panel.deadlinesPart()->isHidden());
        panel.clear();
        QVERIFY(panel.chartPart()->isHidden());
        QVERIFY(!panel.chart()->hasChart());
    }

    void aFailingTableLeavesItsSeriesEmpty() {
        auto db = test::openTemplateCompany(env, QStringLiteral("uszkodzone"));
        QVERIFY(db);
        test::ChartsData data(*db);
        const int a = data.addVehicle(QStringLiteral("WA 1"));
        data.addTrip(a, 20240201, "12.5");
        // The costs' table was never opened in this run: damaged now, it fails.
        damage(QDir(db->companyDirectory()).filePath(QStringLiteral("koszty.DB")));
        const ChartData d = fleetChart(*db, 2024, true, true);
        QVERIFY(d.series.at(0).failed);
        QVERIFY(!d.series.at(0).isShown());
        QCOMPARE(points(d.series.at(1)), QStringList({"2=12.5"}));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000161010]")));
    }

    void theDemonstrationCompanyAfterLoginAndAnotherAfterAChange() {
        const QString location =
            test::makeLoginLocation(env, QStringLiteral("logowanie"),
                                    {{QStringLiteral("Druga firma"), QStringLiteral("druga")}});
        // The demonstration company beside it.
        const QDir demo(QDir(location).filePath(QStringLiteral("demo")));
        QDir().mkpath(demo.path());
        QDirIterator it(QDir(test::templateDataDir()).filePath(QStringLiteral("demo")),
                        {QStringLiteral("*.DB")});
        while (it.hasNext()) {
            const QString source = it.next();
            QVERIFY(QFile::copy(source, demo.filePath(it.fileName())));
            QFile(demo.filePath(it.fileName()))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        {
            engine::EngineSession session;
            session.addPassword(schema::kTemplatePassword);
            engine::Connection c(&session);
            c.open(location, false);
            c.execute(QStringLiteral("INSERT INTO firmy.DB (NAZWA, DIR) VALUES ('Demo', 'demo')"));
        }
        for (const char* folder : {"demo", "druga"})
            QVERIFY(writeUpgradeMarkers(QDir(location).filePath(QLatin1String(folder))));
        // The other company's trips table fails: its km stay empty, the rest works.
        damage(QDir(location).filePath(QStringLiteral("druga/przejazdy.DB")));
        QVERIFY(saveLocationAndPassword({location, schema::kTemplatePassword}));

        // The welcome steps show the tip of the day and, for the
        // demonstration company, the deadlines found: closed as they come.
        QTimer welcome;
        connect(&welcome, &QTimer::timeout, this, [] {
            QWidget* w = QApplication::activeModalWidget();
            if (qobject_cast<TipDialog*>(w) || qobject_cast<DeadlineWindow*>(w) ||
                qobject_cast<ShowNoteDialog*>(w))
                static_cast<QDialog*>(w)->reject();
            else if (w && !qobject_cast<LoginDialog*>(w))
                qWarning("modal %s", w->metaObject()->className());
        });
        welcome.start(20);
        DataModule database;
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        bool ready = false;
        connect(&window, &MainWindow::ready, this, [&ready] { ready = true; });
        bool first = false;
        test::whenShown<LoginDialog>([&first](LoginDialog* login) {
            login->companyList()->setCurrentIndex(login->companyList()->findText("Demo"));
            QTest::keyClicks(login->userField(), QStringLiteral("ADMIN"));
            QTest::keyClicks(login->passwordField(), QStringLiteral("zebux"));
            login->okButton()->click();
            first = !login->isVisible();
        });
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(first, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(ready, 20000);
        auto* panel = window.findChild<StartPagePanel*>();
        QVERIFY(panel);
        QTRY_VERIFY(panel->chart()->hasChart());
        const ChartData demoChart = panel->chart()->data();
        QCOMPARE(demoChart.caption,
                 QStringLiteral("Koszty i przebieg floty w roku %1").arg(Clock::today().year()));
        // The demonstration fleet drove and paid in this year's first month.
        QVERIFY(demoChart.series.at(0).isShown());
        QVERIFY(demoChart.series.at(1).isShown());
        QCOMPARE(demoChart.series.at(0).points.first().x, 1.0);
        // The checker's lines: the demonstration fleet always has something due.
        QVERIFY(panel->deadlines()->count() > 0);
        for (const QString& none :
             {kNoDeadlineCheckText, kNoDeadlinesDueText, kDeadlinesFailedText})
            QVERIFY(panel->deadlines()->item(0)->text() != none);
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("podrecznyNotatnik"))
                    ->isVisibleTo(&window));

        // "Widok" > "Wykresy" opens the page at the chosen tab, with the
        // section's lists read; charts need no permission of their own.
        QMenu* charts = nullptr;
        for (QMenu* m : window.findChildren<QMenu*>())
            if (m->title() == QStringLiteral("Wykresy"))
                charts = m;
        QVERIFY(charts && charts->isEnabled());
        QAction* mileage = nullptr;
        for (QAction* a : charts->actions())
            if (a->text() == QStringLiteral("Przebieg"))
                mileage = a;
        QVERIFY(mileage);
        mileage->trigger();
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("WykresyTab"));
        QVERIFY(tabs && tabs->isVisible());
        QCOMPARE(tabs->currentIndex(), 4);
        QVERIFY(window.findChild<QComboBox*>(QStringLiteral("przebiegWybor1"))->count() > 0);
        QVERIFY(window.findChild<QToolButton*>(QStringLiteral("SBWykresy"))->isEnabled());

        // Another company after a log-out: its own (empty) costs, its km failed.
        ready = false;
        bool second = false;
        test::whenShown<LoginDialog>([&second](LoginDialog* login) {
            login->companyList()->setCurrentIndex(login->companyList()->findText("Druga firma"));
            QTest::keyClicks(login->userField(), QStringLiteral("ADMIN"));
            QTest::keyClicks(login->passwordField(), QStringLiteral("zebux"));
            login->okButton()->click();
            second = !login->isVisible();
        });
        window.logOut();
        QTRY_VERIFY_WITH_TIMEOUT(second, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(ready, 20000);
        QTRY_VERIFY(panel->chart()->hasChart());
        const ChartData other = panel->chart()->data();
        QVERIFY(!other.series.at(0).isShown());
        QVERIFY(!other.series.at(0).failed);
        QVERIFY(other.series.at(1).failed);
        // Its own deadlines: nothing is due in an empty company.
        QCOMPARE(panel->deadlines()->item(0)->text(), kNoDeadlinesDueText);
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("podrecznyNotatnik"))
                    ->isVisibleTo(&window));
        window.hide();
    }
};

int main(int argc, char** argv) {
    KarventoApplication app(argc, argv);
    TestStartPage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startpage.moc"
