#include "DictionaryFixture.h"
#include "support/ModalWindows.h"

#include "dictionaries/gui/DictionaryEntryDialog.h"
#include "dictionaries/gui/DictionaryModule.h"
#include "dictionaries/gui/DictionaryWindow.h"
#include "dictionaries/gui/RateDialog.h"
#include "dictionaries/gui/VehicleKindsPage.h"
#include "framework/RegisterController.h"
#include "framework/RegisterTableModel.h"
#include "framework/gui/MainWindowServices.h"
#include "framework/gui/RegisterGrid.h"
#include "storage/ProgramOptions.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"
#include "users/Permissions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

using namespace kv;
using kv::test::whenShown;

namespace {

// The main window as the module sees it: records what the module asks.
class RecordingServices : public MainWindowServices {
public:
    QString commandButton;
    QString commandMenuItem;
    std::function<void()> command;
    QList<Section> sectionsShown;

    void rebuildVehicleSelector(bool) override {}
    QString companyName() const override { return {}; }
    void refreshCompanyHeader() override {}
    void showSectionStart(Section section) override { sectionsShown.append(section); }
    void highlightButton(const QString&) override {}
    void addSectionCommand(const QString& button, const QString& menuItem,
                           std::function<void()> handler) override {
        commandButton = button;
        commandMenuItem = menuItem;
        command = std::move(handler);
    }
};

} // namespace

// The dictionary and rate windows driven as a user would, and the module
// that puts them into the main window.
class TestDictionaryGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    static void grant(bool changes) {
        currentLogin().permissions.setAll(false);
        currentLogin().permissions.set(permission::DictionaryRead);
        currentLogin().permissions.set(permission::DictionaryWrite, changes);
    }
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    int rowsIn(const QString& code) {
        return db
            ->select(QStringLiteral("SELECT * FROM slowniki WHERE IDSLOWNIK = :C"),
                     {{QStringLiteral("C"), code}})
            .rowCount();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        db = test::openDemoCompany(env, QStringLiteral("demo"));
        QVERIFY(db);
    }
    void cleanup() { db.reset(); }

    void entryWindowShowsWhatTheListNeeds() {
        DictionaryEntryDialog w;
        const struct {
            const char* code;
            bool vat, length, percent;
            const char* title;
        } lists[] = {
            {"RDWYD", true, false, false, "Edytuj rodzaj wydatku"},
            {"TRASY", false, true, false, "Edytuj informacje o trasie"},
            {"STVAT", false, false, true, "Edytuj stawkę VAT"},
            {"FLOTA", false, false, false, "Edytuj numer Floty"},
        };
        for (const auto& l : lists) {
            const DictionaryList& list = *dictionaryByCode(QLatin1String(l.code));
            w.load(dictionaryEntryLayout(list), newDictionaryEntry());
            QCOMPARE(w.windowTitle(), QString::fromUtf8(l.title));
            QCOMPARE(w.vatBox()->isVisibleTo(&w), l.vat);
            QCOMPARE(w.lengthField()->isVisibleTo(&w), l.length);
            bool percentShown = false;
            for (QLabel* label : w.findChildren<QLabel*>())
                if (label->text() == u"w procentach %")
                    percentShown = label->isVisibleTo(&w);
            QCOMPARE(percentShown, l.percent);
        }
    }

    void routeLengthIsTypedAndChecked() {
        DictionaryEntryDialog w;
        const DictionaryList& routes = *dictionaryByCode(kRoutesCode);
        w.setList(routes);
        w.load(dictionaryEntryLayout(routes), test::entry(QStringLiteral("Łódź – Łask")));
        whenShown<DictionaryEntryDialog>([this](DictionaryEntryDialog* e) {
            type(e->lengthField(), QStringLiteral("12 km"));
            QTest::keyClick(e->lengthField(), Qt::Key_Return);
            QCOMPARE(env.ui().last().text, QStringLiteral("Niepoprawna wartość długości trasy."));
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QVERIFY(e->isVisible());
            QVERIFY(e->lengthField()->hasFocus());
            QCOMPARE(e->lengthField()->selectedText(), QStringLiteral("12 km"));
            type(e->lengthField(), QStringLiteral("12.5"));
            QCOMPARE(e->lengthField()->text(), QStringLiteral("12,5"));
            // Leaving the length keeps it as typed (no decimals added).
            e->textField()->setFocus();
            QCOMPARE(e->lengthField()->text(), QStringLiteral("12,5"));
            QTest::keyClick(e->textField(), Qt::Key_Return);
        });
        QVERIFY(w.confirm());
        QCOMPARE(dictionaryEntryParams(routes, w.values()).at(2), QStringLiteral("12.5"));
    }

    void withoutTheRightTheWindowOnlyShows() {
        grant(false);
        DictionaryWindow w(*db);
        const int fleets = rowsIn(QStringLiteral("FLOTA"));
        whenShown<DictionaryWindow>([](DictionaryWindow* b) {
            QCOMPARE(b->selector()->currentIndex(), 13);
            QTableView* grid = b->grid(13);
            QVERIFY(grid->isVisible());
            QVERIFY(grid->model()->rowCount() > 0);
            QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(),
                     QStringLiteral("Numery floty"));
            for (QPushButton* button :
                 {b->addButton(), b->editButton(), b->deleteButton(), b->copyButton()})
                QVERIFY(!button->isEnabled());
            for (QAction* a : grid->actions())
                QVERIFY(!a->isEnabled());
            // Enter, double click and the short-cuts open nothing.
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Return);
            QTest::keyClick(grid, Qt::Key_Insert);
            QTest::keyClick(grid, Qt::Key_Delete);
            b->editEntry();
            b->deleteEntry();
            QVERIFY(!b->entryWindow()->isVisible());
            // The kinds are shown, not changed.
            b->selector()->setCurrentIndex(6);
            QVERIFY(b->kindsPage()->isVisible());
            QVERIFY(b->kindsPage()->motorcycleField()->isReadOnly());
            QVERIFY(!b->kindsPage()->saveButton()->isEnabled());
            QCOMPARE(b->kindsPage()->furtherField(5)->text(), QStringLiteral("Inne 1"));
            QTest::keyClick(b->kindsPage()->motorcycleField(), Qt::Key_Escape);
        });
        w.showOn(dictionaryPosition(QStringLiteral("FLOTA")));
        QVERIFY(!w.isVisible());
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(rowsIn(QStringLiteral("FLOTA")), fleets);
    }

    void addingAndDeletingThroughTheWindow() {
        grant(true);
        programOptions().pytajPrzedKasowaniem = false;
        DictionaryWindow w(*db);
        const int purposes = rowsIn(QStringLiteral("CELWY"));
        whenShown<DictionaryWindow>([this](DictionaryWindow* b) {
            QCOMPARE(b->selector()->currentIndex(), 0);
            QVERIFY(b->addButton()->isEnabled());
            QTableView* grid = b->grid(0);
            whenShown<DictionaryEntryDialog>([this](DictionaryEntryDialog* e) {
                QCOMPARE(e->windowTitle(), QStringLiteral("Edytuj cel wyjazdu"));
                QVERIFY(!e->vatBox()->isVisible());
                type(e->textField(), QStringLiteral("Aaa szkolenie"));
                QTest::keyClick(e->textField(), Qt::Key_Return);
            });
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Insert);
            // The new entry is on screen and current (first by its text).
            QCOMPARE(grid->currentIndex().row(), 0);
            QCOMPARE(grid->currentIndex().data().toString(), QStringLiteral("Aaa szkolenie"));
            // Enter edits it; Escape leaves it as it was.
            whenShown<DictionaryEntryDialog>([](DictionaryEntryDialog* e) {
                QCOMPARE(e->textField()->text(), QStringLiteral("Aaa szkolenie"));
                QTest::keyClick(e->textField(), Qt::Key_Escape);
            });
            QTest::keyClick(grid, Qt::Key_Return);
            // Ctrl+C copies it.
            whenShown<DictionaryEntryDialog>([](DictionaryEntryDialog* e) {
                QCOMPARE(e->textField()->text(), QStringLiteral("Aaa szkolenie"));
                QTest::keyClick(e->textField(), Qt::Key_Escape);
            });
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(grid, Qt::Key_Delete);
            QVERIFY(grid->currentIndex().data().toString() != QStringLiteral("Aaa szkolenie"));
            // The kinds page has no commands.
            b->selector()->setCurrentIndex(6);
            QVERIFY(!b->addButton()->isEnabled());
            QVERIFY(b->kindsPage()->saveButton()->isEnabled());
            b->closeButton()->click();
        });
        w.showOn(0);
        QCOMPARE(rowsIn(QStringLiteral("CELWY")), purposes);
        QVERIFY(env.ui().messages().isEmpty());
    }

    void rateFieldsTakeFourDecimals() {
        RateDialog w;
        QStringList labels = rateFieldLabels(VehicleKindNames{});
        labels[2] = QStringLiteral("Skuter");
        w.load(newRateDefaults(), rateFormSetup(labels));
        QCOMPARE(w.rateLabel(2)->text(), QStringLiteral("Skuter"));
        QCOMPARE(w.rateLabel(0)->text(), QStringLiteral("Poniżej 900 cm3"));
        whenShown<RateDialog>([this](RateDialog* s) {
            type(s->rateField(0), QStringLiteral("0.8358"));
            QCOMPARE(s->rateField(0)->text(), QStringLiteral("0,8358"));
            type(s->rateField(1), QStringLiteral("1,15"));
            type(s->rateField(2), QStringLiteral("nic"));
            // Leaving a rate field: four decimals, and zero for what is no number.
            s->rateField(3)->setFocus();
            QCOMPARE(s->rateField(1)->text(), QStringLiteral("1,1500"));
            QCOMPARE(s->rateField(2)->text(), QStringLiteral("0,0000"));
            // Enter without leaving still checks the field.
            type(s->rateField(3), QStringLiteral("x"));
            QTest::keyClick(s->rateField(3), Qt::Key_Return);
            QCOMPARE(env.ui().last().text, QStringLiteral("Niepoprawny format daty. Popraw pole."));
            QVERIFY(s->dateField()->lineEdit()->hasFocus());
            // Leaving the field made it zero.
            QCOMPARE(s->rateField(3)->text(), QStringLiteral("0,0000"));
            s->dateField()->setText(QStringLiteral("01.01.2024"));
            type(s->rateField(3), QStringLiteral("y"));
            QTest::keyClick(s->rateField(3), Qt::Key_Return);
            QCOMPARE(env.ui().last().text,
                     QStringLiteral("Niepoprawna wartość stawki dla Motorowerów."));
            QVERIFY(s->rateField(3)->hasFocus());
            type(s->rateField(3), QStringLiteral("0,42"));
            QTest::keyClick(s->rateField(3), Qt::Key_Return);
        });
        QVERIFY(w.confirm());
        const RateFormValues v = w.values();
        QCOMPARE(v.validFrom, QStringLiteral("01.01.2024"));
        QCOMPARE(v.rates.at(0), QStringLiteral("0,8358"));
        QCOMPARE(v.rates.at(3), QStringLiteral("0,4200"));
        QCOMPARE(v.rates.at(19), QStringLiteral("0,0000"));
    }

    void sortingByAFarColumnKeepsItInView() {
        RegisterController controller(*db, RegisterId::Vehicles);
        QTableView view;
        view.resize(400, 300);
        RegisterGrid grid(&view, controller);
        grid.refresh();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScrollBar* across = view.horizontalScrollBar();
        across->setValue(across->maximum());
        const int scrolled = across->value();
        QVERIFY(scrolled > 0);
        const int last = view.model()->columnCount() - 1;
        emit view.horizontalHeader()->sectionClicked(last);
        QCOMPARE(across->value(), scrolled);
        // The second click on the same title, still in view, turns the order.
        const QString first = view.model()->index(0, last).data().toString();
        emit view.horizontalHeader()->sectionClicked(last);
        QCOMPARE(across->value(), scrolled);
        QCOMPARE(view.model()->index(view.model()->rowCount() - 1, last).data().toString(), first);
    }

    void moduleNamesTheRateColumnsAndOpensTheDictionary() {
        grant(true);
        RecordingServices services;
        RegisterController controller(*db, RegisterId::Rates);
        QTableView view;
        RegisterGrid grid(&view, controller);
        DictionaryModule module(controller, grid, services, nullptr);
        QCOMPARE(services.commandButton, QStringLiteral("RBSlBiblioteka"));
        QCOMPARE(services.commandMenuItem, QStringLiteral("Biblioteka"));
        QVERIFY(services.openDictionary);

        db->exec(QStringLiteral("UPDATE slowniki SET OPIS = 'Skuter' WHERE KOD = 3"));
        db->exec(QStringLiteral(
            "UPDATE slowniki SET OPIS = 'Quad' WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 = '6'"));
        module.refreshLookups();
        RegisterTableModel* model = grid.model();
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Skuter"));
        QCOMPARE(model->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Motorower"));
        QCOMPARE(model->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Quad"));
        QCOMPARE(module.window().rateLabel(2)->text(), QStringLiteral("Skuter"));
        QCOMPARE(module.window().rateLabel(5)->text(), QStringLiteral("Quad"));

        // "[...]" of an edit window: the dictionary on the list asked for.
        whenShown<DictionaryWindow>([](DictionaryWindow* b) {
            QCOMPARE(b->selector()->currentIndex(), 13);
            b->reject();
        });
        services.openDictionary(QStringLiteral("FLOTA"));
        // "Biblioteka": the section, then the window on the first list.
        whenShown<DictionaryWindow>([](DictionaryWindow* b) {
            QCOMPARE(b->selector()->currentIndex(), 0);
            b->reject();
        });
        services.command();
        QCOMPARE(services.sectionsShown, QList<Section>{Section::Dictionaries});

        // Names that cannot be read leave the columns their own titles.
        db->exec(QStringLiteral("DROP TABLE slowniki.slowniki"));
        module.refreshLookups();
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000003102]")));
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Motocykl"));
    }
};

QTEST_MAIN(TestDictionaryGui)
#include "tst_dictionarygui.moc"
