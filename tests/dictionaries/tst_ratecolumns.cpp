#include "DictionaryFixture.h"

#include "dictionaries/gui/DictionaryModule.h"
#include "framework/RegisterController.h"
#include "framework/RegisterTableModel.h"
#include "framework/gui/MainWindowServices.h"
#include "framework/gui/RegisterGrid.h"
#include "users/Permissions.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

using namespace kv;

namespace {

class QuietServices : public MainWindowServices {
public:
    void rebuildVehicleSelector(bool) override {}
    QString companyName() const override { return {}; }
    void refreshCompanyHeader() override {}
    void showSectionStart(Section) override {}
    void highlightButton(const QString&) override {}
    void addSectionCommand(const QString&, const QString&, std::function<void()>) override {}
};

} // namespace

// The rate grid's columns named after the user's vehicle kinds show their
// whole title, also the bold one of the sort column.
class TestRateColumns : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void columnsFitTheKindNames() {
        std::unique_ptr<DataModule> db = test::openDemoCompany(env, QStringLiteral("demo"));
        QVERIFY(db);
        currentLogin().permissions.setAll(false);
        currentLogin().permissions.set(permission::DictionaryRead);
        QuietServices services;
        RegisterController controller(*db, RegisterId::Rates);
        QTableView view;
        RegisterGrid grid(&view, controller);
        DictionaryModule module(controller, grid, services, nullptr);
        const QString longName = QStringLiteral("Ciągnik siodłowy z naczepą chłodniczą");
        db->exec(QStringLiteral("UPDATE slowniki SET OPIS = '%1' WHERE KOD = 3").arg(longName));
        db->exec(QStringLiteral(
            "UPDATE slowniki SET OPIS = 'Q' WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 = '6'"));
        QHeaderView* header = view.horizontalHeader();
        header->resizeSection(7, 400); // a user's own wide column
        const int shortBefore = header->sectionSize(6);
        module.refreshLookups();

        QFont bold = header->font();
        bold.setBold(true);
        QVERIFY(header->sectionSize(3) >= QFontMetrics(bold).horizontalAdvance(longName) + 8);
        QCOMPARE(header->sectionSize(6), shortBefore); // a short name keeps the width
        QCOMPARE(header->sectionSize(7), 400);         // never narrower than the user made it

        // A width the user chose afterwards stays while the names stay.
        header->resizeSection(3, 60);
        module.refreshLookups();
        QCOMPARE(header->sectionSize(3), 60);
    }
};

QTEST_MAIN(TestRateColumns)
#include "tst_ratecolumns.moc"
