#include "TestSupport.h"
#include "fleet/FleetFixture.h"
#include "support/ModalWindows.h"

#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSearch.h"
#include "framework/gui/CsvSaveDialog.h"
#include "framework/gui/FindTextDialog.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterSheetCommands.h"
#include "storage/ProgramOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace kv;
using kv::test::whenShown;

// "do CSV" and "Szukaj" as the user meets them: the save dialog, the message
// after it, the find window and the grid's row.
class TestSheetGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<QWidget> window;
    QTableView* view = nullptr;
    std::unique_ptr<RegisterController> controller;
    RegisterGrid* grid = nullptr;
    RegisterSheetCommands* commands = nullptr;
    bool onScreen = true; // whether the register's page is the one shown
    QString folder;

    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak>");
    }
    int gridRow() const { return view->currentIndex().row(); }
    // Types a name into the dialog's name field, as the user does.
    static void typeName(CsvSaveDialog* d, const QString& path) {
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
    }

    // Runs "do CSV", answering the save dialog with a file and an encoding.
    bool exportTo(const QString& path, int encoding, std::function<void()> beforeSaving = {}) {
        bool shown = false;
        whenShown<CsvSaveDialog>([&](CsvSaveDialog* d) {
            shown = true;
            typeName(d, path);
            d->encodingList()->setCurrentIndex(encoding);
            if (beforeSaving)
                beforeSaving();
            d->accept();
            if (d->isVisible())
                d->reject();
        });
        commands->exportSheet();
        return shown;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        db = test::openTemplateCompany(env, QStringLiteral("gui"));
        QVERIFY(db);
        for (const char* nr : {"AB 1", "WE 12345", "WE 200", "ZZ Ø"})
            db->exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ, MARKA, DATAPRZE) "
                                    "VALUES (:PARAM0, 'Fiat', 20240315)"),
                     engine::positionalParams({QString::fromUtf8(nr)}));
        RegisterFilters(*db).selectVehicle(QString());
        window = std::make_unique<QWidget>();
        view = new QTableView(window.get());
        view->setObjectName(QStringLiteral("PojazdyGrid"));
        controller = std::make_unique<RegisterController>(*db, RegisterId::Vehicles);
        grid = new RegisterGrid(view, *controller, window.get());
        QVERIFY(grid->refresh());
        commands =
            new RegisterSheetCommands(window.get(), [this] { return onScreen ? grid : nullptr; });
        window->resize(700, 300);
        window->show();
        folder = env.newDirectory(QStringLiteral("arkusze"));
    }
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
    }

    void theSaveDialogProposesTheRegistersNameAndCancelWritesNothing() {
        whenShown<CsvSaveDialog>([](CsvSaveDialog* d) {
            QCOMPARE(QFileInfo(d->selectedFiles().value(0)).fileName(),
                     QStringLiteral("pojazdy.csv"));
            QCOMPARE(d->encoding(), CsvEncoding::Windows1250); // at first
            d->reject();
        });
        commands->exportSheet();
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(QDir(folder).isEmpty());
    }

    // The dialog never reads the files it lists: a file that blocks a read
    // (/proc/kmsg, a hung network share) would otherwise freeze the program
    // as soon as its folder is shown. A PDF without an extension is told by
    // its name alone.
    void theDialogTellsFilesByTheirNames() {
        const QString odd = env.newDirectory(QStringLiteral("nazwy"));
        QFile pdf(QDir(odd).filePath(QStringLiteral("dokument")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n");
        pdf.close();
        QString type;
        whenShown<CsvSaveDialog>([&](CsvSaveDialog* d) {
            QVERIFY(d->iconProvider());
            type = d->iconProvider()->type(QFileInfo(pdf.fileName()));
            d->reject();
        });
        QVERIFY(!CsvSaveDialog::ask(window.get(), odd, QStringLiteral("x.csv"),
                                    CsvEncoding::Windows1250));
        // The toolkit's own provider would call it a PDF document.
        QVERIFY(QFileIconProvider().type(QFileInfo(pdf.fileName())).contains("PDF"));
        QVERIFY2(!type.isEmpty() && !type.contains(QStringLiteral("PDF")), qPrintable(type));
    }

    void exportWritesTheSheetAndRemembersTheEncoding() {
        grid->controller().setCurrentRow(2);
        grid->showCurrentRow();
        const QString path = QDir(folder).filePath(QStringLiteral("pojazdy"));
        QVERIFY(exportTo(path, 0));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Eksport zakończony poprawnie.\nZnaki spoza strony kodowej "
                                "Windows-1250 zastąpiono znakiem „?” (1); zapisz w UTF-8, aby je "
                                "zachować."));
        QVERIFY(contents(path + QStringLiteral(".csv")).contains("\"ZZ ?\";\"Fiat\""));
        QCOMPARE(gridRow(), 2); // the grid stays on its row
        QVERIFY(!programOptions().csvUtf8);

        env.ui().clear();
        const QString utf = QDir(folder).filePath(QStringLiteral("utf.csv"));
        QVERIFY(exportTo(utf, 1));
        QCOMPARE(env.ui().last().text, QStringLiteral("Eksport zakończony poprawnie."));
        QVERIFY(contents(utf).startsWith("\xEF\xBB\xBF\"Lp\""));
        QVERIFY(ProgramOptions::load(optionsFilePath()).csvUtf8);
        // The next dialog starts with it.
        whenShown<CsvSaveDialog>([](CsvSaveDialog* d) {
            QCOMPARE(d->encoding(), CsvEncoding::Utf8WithBom);
            d->reject();
        });
        commands->exportSheet();
    }

    void anExistingFileIsReplacedOnlyWhenTheUserSaysSo() {
        const QString path = QDir(folder).filePath(QStringLiteral("stary.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("stary");
        f.close();
        bool stayedOpen = false;
        whenShown<CsvSaveDialog>([&](CsvSaveDialog* d) {
            typeName(d, path);
            d->accept();
            stayedOpen = d->isVisible();
            d->reject();
        });
        commands->exportSheet();
        QVERIFY(stayedOpen);
        QVERIFY(env.ui().last().defaultNo);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("„stary.csv” już istnieje")));
        QCOMPARE(contents(path), QByteArray("stary"));

        env.ui().clear();
        env.ui().queueAnswer(true);
        QVERIFY(exportTo(path, 1));
        QCOMPARE(env.ui().last().text, QStringLiteral("Eksport zakończony poprawnie."));
        QVERIFY(contents(path).startsWith("\xEF\xBB\xBF"));
    }

    void aFailedWriteSaysSoAndKeepsTheEarlierFile() {
        const QString path = QDir(folder).filePath(QStringLiteral("pelny.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("stary");
        f.close();
        env.ui().queueAnswer(true); // replace it
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(exportTo(path, 0, [&] {
            rlimit small = saved;
            small.rlim_cur = 16; // a disk that is full after a few bytes
            setrlimit(RLIMIT_FSIZE, &small);
        }));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie udało się wyeksportować danych."));
        QCOMPARE(contents(path), QByteArray("stary"));
    }

    void findMovesTheGridAndStartsOverAfterTheEnd() {
        grid->controller().setCurrentRow(3);
        grid->showCurrentRow();
        commands->search();
        FindTextDialog* find = commands->findWindow();
        QVERIFY(find && find->isVisible());
        QVERIFY(!find->isModal());
        QCOMPARE(gridRow(), 0);
        auto* matchCase = find->findChild<QCheckBox*>(QStringLiteral("FindTextMatchCase"));
        QVERIFY(matchCase->isChecked() && !matchCase->isEnabled());

        find->textEdit()->setText(QStringLiteral("we "));
        find->findButton()->click();
        QCOMPARE(gridRow(), 1);
        find->findButton()->click();
        QCOMPARE(gridRow(), 2);
        QVERIFY(env.ui().messages().isEmpty());
        find->findButton()->click();
        QCOMPARE(env.ui().last().text, kSearchEndText);
        QCOMPARE(gridRow(), 0);
        QVERIFY(find->isVisible()); // it stays open

        // On a page without a register a press does nothing.
        onScreen = false;
        env.ui().clear();
        find->findButton()->click();
        QCOMPARE(gridRow(), 0);
        QVERIFY(env.ui().messages().isEmpty());
        // Nor does "do CSV" show its dialog there.
        QPointer<QTimer> never = whenShown<CsvSaveDialog>([](CsvSaveDialog* d) { d->reject(); });
        commands->exportSheet();
        QTest::qWait(50);
        QVERIFY(never && never->isActive());
        never->stop();
        never->deleteLater();
        onScreen = true;
        commands->hideFindWindow();
        QVERIFY(!find->isVisible());
    }
};

QTEST_MAIN(TestSheetGui)
#include "tst_sheetgui.moc"
