#include "fleet/FleetFixture.h"

#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

using namespace kv;

// The steps every register's add and edit share: what happens between the
// window's "Zapisz" and the row in the table.
class TestEditCycle : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    // A register and a window that records what the cycle does.
    struct Run {
        QStringList events;
        int shows = 0;
        int confirmations = 0; // window confirmations before cancelling
        int failingWrites = 0; // writes that fail before one succeeds
        QList<bool> answers;   // of the confirm-save step
        EditSteps steps;
    };
    void build(Run& r, bool withConfirm) {
        r.steps.fill = [&r](bool) { r.events << QStringLiteral("fill"); };
        r.steps.show = [&r] {
            ++r.shows;
            r.events << QStringLiteral("show");
            return r.shows <= r.confirmations;
        };
        if (withConfirm)
            r.steps.confirmSave = [&r](bool) {
                r.events << QStringLiteral("ask");
                return r.answers.isEmpty() ? true : r.answers.takeFirst();
            };
        r.steps.write = [&r](bool) {
            r.events << QStringLiteral("write");
            if (r.failingWrites > 0) {
                --r.failingWrites;
                throw DatabaseError(QStringLiteral("dysk pełny"));
            }
        };
        r.steps.afterWrite = [&r](bool) { r.events << QStringLiteral("after write"); };
        r.steps.afterSave = [&r](bool) { r.events << QStringLiteral("after save"); };
    }

private slots:
    void init() {
        static int run = 0;
        env.ui().clear();
        db = test::openTemplateCompany(env, QStringLiteral("cycle%1").arg(++run));
        QVERIFY(db);
    }
    void cleanup() { db.reset(); }

    void aDeclinedConfirmationShowsTheWindowAgain() {
        RegisterController reg(*db, RegisterId::Employees);
        Run r;
        build(r, true);
        r.confirmations = 2;
        r.answers = {false};
        QVERIFY(runAdd(reg, r.steps, false));
        QCOMPARE(r.events.join(u','),
                 QStringLiteral("fill,show,ask,show,ask,write,after write,after save"));
    }

    void aFailedWriteIsReportedAndTheWindowShownAgain() {
        RegisterController reg(*db, RegisterId::Employees);
        Run r;
        build(r, false);
        r.confirmations = 2;
        r.failingWrites = 1;
        QVERIFY(runAdd(reg, r.steps, false));
        QCOMPARE(r.events.join(u','),
                 QStringLiteral("fill,show,write,show,write,after write,after save"));
        QCOMPARE(env.ui().last().caption, kDatabaseErrorCaption);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("dysk pełny")));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000009]  ")));

        // Cancelling the window shown again leaves everything as it was.
        Run cancelled;
        build(cancelled, false);
        cancelled.confirmations = 1;
        cancelled.failingWrites = 5;
        QVERIFY(!runAdd(reg, cancelled.steps, false));
        QCOMPARE(cancelled.events.join(u','), QStringLiteral("fill,show,write,show"));
    }
};

QTEST_GUILESS_MAIN(TestEditCycle)
#include "tst_editcycle.moc"
