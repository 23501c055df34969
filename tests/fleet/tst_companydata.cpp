#include "FleetFixture.h"

#include "fleet/CompanyData.h"

using namespace kv;

namespace {

// A company data window that records what was done to it and answers from
// a script: the values to confirm with, or nothing to cancel.
class ScriptedCompanyForm : public CompanyFormView {
public:
    std::optional<CompanyRecord> answer;
    CompanyRecord shown;
    QStringList events;
    void load(const CompanyRecord& record) override {
        shown = record;
        events << QStringLiteral("load");
    }
    CompanyRecord values() const override { return shown; }
    void setEditable(bool editable) override {
        events << (editable ? QStringLiteral("editable") : QStringLiteral("read-only"));
    }
    bool confirm() override {
        events << QStringLiteral("show");
        if (!answer)
            return false;
        shown = *answer;
        return true;
    }
};

// The main window as the command sees it, recording the calls in order.
struct RecordingHost {
    QStringList calls;
    CompanyDataHost host() {
        CompanyDataHost h;
        h.showCompanyPage = [this] { calls << QStringLiteral("page"); };
        h.showSectionStart = [this](bool keep) {
            calls << (keep ? QStringLiteral("start, highlighted") : QStringLiteral("start"));
        };
        h.refreshHeader = [this] { calls << QStringLiteral("header"); };
        return h;
    }
};

CompanyRecord sampleCompany() {
    CompanyRecord r;
    for (int i = 0; i < companyColumns().size(); ++i)
        r.values[i] = QStringLiteral("%1 ż'\"").arg(companyColumns().at(i));
    r.setValue(QStringLiteral("NAZWA"), QStringLiteral("Przewozy \"Łoś\" s.c."));
    r.setValue(QStringLiteral("NIP"), QStringLiteral("123-456-78-90"));
    return r;
}

} // namespace

class TestCompanyData : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    int companyRows() {
        return static_cast<int>(
            db->select(QStringLiteral("SELECT COUNT(*) FROM firma.DB")).value(0, 0).toLongLong());
    }

private slots:
    void rowCreatedWhenMissingThenSaved() {
        db = test::openTemplateCompany(env, QStringLiteral("created"));
        QVERIFY(db);
        QCOMPARE(companyRows(), 0);
        ScriptedCompanyForm form;
        RecordingHost host;
        // Cancelled: the row exists now, empty, and nothing else happened.
        QCOMPARE(runCompanyData(*db, form, true, host.host()), CompanyDataOutcome::Cancelled);
        QCOMPARE(companyRows(), 1);
        QCOMPARE(form.shown, CompanyRecord{});
        QCOMPARE(host.calls, (QStringList{QStringLiteral("page"), QStringLiteral("start")}));
        QVERIFY(!form.events.contains(QStringLiteral("read-only")));

        form.answer = sampleCompany();
        host.calls.clear();
        QCOMPARE(runCompanyData(*db, form, true, host.host()), CompanyDataOutcome::Saved);
        QCOMPARE(host.calls, (QStringList{QStringLiteral("page"), QStringLiteral("start"),
                                          QStringLiteral("header")}));
        QCOMPARE(companyRows(), 1);
        const ResultSet r = db->select(QStringLiteral("SELECT * FROM firma.DB"));
        QCOMPARE(r.value(0, QStringLiteral("IDFIRMA")).toInt(), 1);
        for (const QString& column : companyColumns())
            QCOMPARE(r.text(0, column), sampleCompany().value(column));

        // The next time the window opens with what was saved.
        form.answer.reset();
        runCompanyData(*db, form, true, host.host());
        QCOMPARE(form.shown, sampleCompany());
        QCOMPARE(companyRows(), 1);
    }

    void readOnlyWithoutPermission() {
        db = test::openTemplateCompany(env, QStringLiteral("readonly"));
        QVERIFY(readCompanyRecord(*db));
        QVERIFY(saveCompanyRecord(*db, sampleCompany()));
        ScriptedCompanyForm form;
        CompanyRecord changed = sampleCompany();
        changed.setValue(QStringLiteral("NAZWA"), QStringLiteral("Inna"));
        form.answer = changed; // even a window that claims to be confirmed writes nothing
        RecordingHost host;
        QCOMPARE(runCompanyData(*db, form, false, host.host()), CompanyDataOutcome::Viewed);
        QCOMPARE(form.events, (QStringList{QStringLiteral("load"), QStringLiteral("read-only"),
                                           QStringLiteral("show"), QStringLiteral("editable")}));
        QCOMPARE(host.calls,
                 (QStringList{QStringLiteral("page"), QStringLiteral("start, highlighted")}));
        QCOMPARE(readCompanyRecord(*db).value(), sampleCompany());
    }

    void failuresEndTheCommandWithTheirCodes() {
        db = test::openTemplateCompany(env, QStringLiteral("insertfails"));
        db->exec(QStringLiteral("CREATE TEMP TRIGGER noInsert BEFORE INSERT ON firma.DB "
                                "BEGIN SELECT RAISE(ABORT, 'insert blocked'); END"));
        ScriptedCompanyForm form;
        form.answer = sampleCompany();
        RecordingHost host;
        env.ui().clear();
        QCOMPARE(runCompanyData(*db, form, true, host.host()), CompanyDataOutcome::ReadFailed);
        QVERIFY(form.events.isEmpty());
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000500]  ")));

        db->exec(QStringLiteral("DROP TRIGGER noInsert"));
        QVERIFY(readCompanyRecord(*db));
        db->exec(QStringLiteral("CREATE TEMP TRIGGER noUpdate BEFORE UPDATE ON firma.DB "
                                "BEGIN SELECT RAISE(ABORT, 'update blocked'); END"));
        host.calls.clear();
        QCOMPARE(runCompanyData(*db, form, true, host.host()), CompanyDataOutcome::SaveFailed);
        QVERIFY(!host.calls.contains(QStringLiteral("header")));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000003]  ")));
    }

    void unreadableTableIsNeverShownAsAnEmptyForm() {
        db = test::openTemplateCompany(env, QStringLiteral("damaged"));
        const QString file = QDir(db->companyDirectory()).filePath(QStringLiteral("firma.DB"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(8192, 'x'));
        f.close();
        ScriptedCompanyForm form;
        form.answer = CompanyRecord{};
        RecordingHost host;
        QCOMPARE(runCompanyData(*db, form, true, host.host()), CompanyDataOutcome::ReadFailed);
        QVERIFY(form.events.isEmpty());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000002]  ")));
        // The header reads nothing either, and says so under its own code.
        QCOMPARE(readCompanyHeaderName(*db), QString());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000001]  ")));
    }

    void headerShowsTheNameWithoutMakingARow() {
        db = test::openTemplateCompany(env, QStringLiteral("header"));
        QCOMPARE(readCompanyHeaderName(*db), QString());
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM firma")).value(0, 0).toInt(), 0);
        db->exec(
            QStringLiteral("INSERT INTO firma.DB (IDFIRMA, NAZWA) VALUES (1, 'Termalis \"Ł\"')"));
        QCOMPARE(readCompanyHeaderName(*db), QStringLiteral("Termalis \"Ł\""));
    }
};

QTEST_GUILESS_MAIN(TestCompanyData)
#include "tst_companydata.moc"
