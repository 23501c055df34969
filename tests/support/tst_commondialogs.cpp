#include "ModalWindows.h"
#include "support/gui/dialogs/DialogUserInterface.h"
#include "support/gui/dialogs/InfoDialog.h"
#include "support/gui/dialogs/ProgressDialog.h"
#include "support/gui/dialogs/PromptDialog.h"
#include "support/gui/dialogs/QuestionDialog.h"
#include "support/gui/dialogs/TitleBand.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

namespace {

QString textOfLength(int length) {
    return QString(length, u'x');
}

} // namespace

// The information, question, prompt and progress windows behind the GUI's
// user interface, driven as a user would drive them.
class TestCommonDialogs : public QObject {
    Q_OBJECT
    std::unique_ptr<DialogUserInterface> ui;

private slots:
    void init() {
        ui = std::make_unique<DialogUserInterface>();
        ui->install();
    }
    void cleanup() {
        ui.reset();
        QCOMPARE(DialogUserInterface::instance(), nullptr);
    }

    void informationShowsCaptionAndMessageAsGiven() {
        QString title, band, message, focused;
        whenShown<InfoDialog>([&](InfoDialog* form) {
            title = form->windowTitle();
            band = form->findChild<QLabel*>(QStringLiteral("Tytul"))->text();
            message = form->findChild<QLabel*>(QStringLiteral("tresc"))->text();
            focused = qobject_cast<QPushButton*>(QApplication::focusWidget())
                          ? qobject_cast<QPushButton*>(QApplication::focusWidget())->text()
                          : QString();
            QTest::keyClick(form, Qt::Key_Return);
        });
        const QString markup = QStringLiteral("Kolumna <b>NRREJ</b> & \"x\" < 5");
        kv::ui().information(QStringLiteral("Błąd bazy danych"), markup);
        QCOMPARE(title, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(band, title);
        QCOMPARE(message, markup);
        QCOMPARE(ui->infoForm().messageLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(focused, QStringLiteral("  &OK    "));
        QVERIFY(!ui->infoForm().isVisible());
    }

    void messageLengthChoosesTheWindowSize_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QSize>("informationSize");
        QTest::addColumn<QSize>("promptSize");
        QTest::newRow("80 characters") << 80 << QSize(450, 250) << QSize(400, 280);
        QTest::newRow("81 characters") << 81 << QSize(500, 300) << QSize(500, 320);
        QTest::newRow("241 characters") << 241 << QSize(550, 350) << QSize(500, 320);
    }
    void messageLengthChoosesTheWindowSize() {
        QFETCH(int, length);
        QFETCH(QSize, informationSize);
        QFETCH(QSize, promptSize);
        const QString message = textOfLength(length);
        QSize shown;
        whenShown<InfoDialog>([&](InfoDialog* form) {
            shown = form->size();
            QTest::keyClick(form, Qt::Key_Escape);
        });
        ui->information(QStringLiteral("Informacja"), message);
        QCOMPARE(shown, informationSize);

        whenShown<QuestionDialog>([&](QuestionDialog* form) {
            shown = form->size();
            QTest::keyClick(form, Qt::Key_Escape);
        });
        ui->question(QStringLiteral("Pytanie"), message);
        QCOMPARE(shown, informationSize);

        whenShown<PromptDialog>([&](PromptDialog* form) {
            shown = form->size();
            QTest::keyClick(form, Qt::Key_Escape);
        });
        ui->prompt(QStringLiteral("Informacja"), message, QString(), false);
        QCOMPARE(shown, promptSize);
    }

    void sizeShrinksAgainForAShortMessage() {
        whenShown<InfoDialog>([](InfoDialog* form) { form->okButton()->click(); });
        ui->information(QStringLiteral("Uwaga"), textOfLength(300));
        whenShown<InfoDialog>([](InfoDialog* form) { form->okButton()->click(); });
        ui->information(QStringLiteral("Uwaga"), textOfLength(10));
        QCOMPARE(ui->infoForm().size(), QSize(450, 250));
    }

    void informationWhileTerminatingShowsNothing() {
        ui->setTerminating(true);
        bool shown = false;
        QPointer<QTimer> watch = whenShown<InfoDialog>([&](InfoDialog* form) {
            shown = true;
            form->reject();
        });
        ui->information(QStringLiteral("Informacja"), QStringLiteral("Koniec pracy"));
        QVERIFY(!shown);
        QVERIFY(ui->infoForm().message().isEmpty());
        delete watch.data();
        ui->setTerminating(false);
        QVERIFY(!ui->isTerminating());
    }

    void informationDuringAnotherGetsItsOwnWindow() {
        QString outerMessage, innerMessage;
        whenShown<InfoDialog>([&](InfoDialog* outer) {
            whenShown<InfoDialog>([&](InfoDialog* inner) {
                QVERIFY(inner != outer);
                innerMessage = inner->message();
                inner->okButton()->click();
            });
            kv::ui().information(QStringLiteral("Błąd"), QStringLiteral("drugi"));
            outerMessage = outer->message();
            outer->okButton()->click();
        });
        ui->information(QStringLiteral("Informacja"), QStringLiteral("pierwszy"));
        QCOMPARE(innerMessage, QStringLiteral("drugi"));
        QCOMPARE(outerMessage, QStringLiteral("pierwszy"));
    }

    void questionAnswers() {
        const auto answer = [this](std::function<void(QuestionDialog*)> action) {
            whenShown<QuestionDialog>(action);
            return ui->question(QStringLiteral("Pytanie"), QStringLiteral("Usunąć wpis?"));
        };
        QVERIFY(answer([](QuestionDialog* f) { f->yesButton()->click(); }));
        QVERIFY(answer([](QuestionDialog* f) { QTest::keyClick(f, Qt::Key_Return); }));
        QVERIFY(answer([](QuestionDialog* f) { QTest::keyClick(f, Qt::Key_T, Qt::AltModifier); }));
        // After a "Tak" the answer starts again as "Nie".
        QVERIFY(!answer([](QuestionDialog* f) { f->noButton()->click(); }));
        QVERIFY(answer([](QuestionDialog* f) { f->yesButton()->click(); }));
        QVERIFY(!answer([](QuestionDialog* f) { QTest::keyClick(f, Qt::Key_Escape); }));
        QVERIFY(answer([](QuestionDialog* f) { f->yesButton()->click(); }));
        QVERIFY(!answer([](QuestionDialog* f) { f->close(); }));
        QCOMPARE(ui->questionForm().yesButton()->text(), QStringLiteral("  &Tak   "));
        QCOMPARE(ui->questionForm().noButton()->text(), QStringLiteral("  &Nie   "));
    }

    void promptConfirmsWithEnterAndCancelsWithEscape() {
        bool selectedAll = false;
        whenShown<PromptDialog>([&](PromptDialog* form) {
            QLineEdit* entry = form->findChild<QLineEdit*>(QStringLiteral("wynik"));
            selectedAll = entry->hasFocus() && entry->selectedText() == QStringLiteral("Firma");
            QTest::keyClicks(entry, QStringLiteral("Nowa firma"));
            QTest::keyClick(entry, Qt::Key_Return);
        });
        QCOMPARE(ui->prompt(QStringLiteral("Firma"), QStringLiteral("Nazwa firmy:"),
                            QStringLiteral("Firma"), false),
                 std::optional<QString>(QStringLiteral("Nowa firma")));
        QVERIFY(selectedAll);

        whenShown<PromptDialog>([](PromptDialog* form) {
            QTest::keyClicks(form->entry(), QStringLiteral("abc"));
            QTest::keyClick(form->entry(), Qt::Key_Escape);
        });
        QCOMPARE(ui->prompt(QStringLiteral("Firma"), QStringLiteral("Nazwa:"), QString(), false),
                 std::nullopt);

        whenShown<PromptDialog>([](PromptDialog* form) { form->cancelButton()->click(); });
        QCOMPARE(ui->prompt(QStringLiteral("Firma"), QStringLiteral("Nazwa:"), QStringLiteral("x"),
                            false),
                 std::nullopt);

        // No initial value: the entry starts empty, not with the last answer.
        QString initial = QStringLiteral("?");
        whenShown<PromptDialog>([&](PromptDialog* form) {
            initial = form->entry()->text();
            form->okButton()->click();
        });
        QCOMPARE(ui->prompt(QStringLiteral("Firma"), QStringLiteral("Nazwa:"), QString(), false),
                 std::optional<QString>(QString()));
        QCOMPARE(initial, QString());
    }

    void passwordModeLastsForOnePrompt() {
        QLineEdit::EchoMode mode = QLineEdit::Normal;
        QString shown;
        const auto typeAndConfirm = [&](PromptDialog* form) {
            mode = form->entry()->echoMode();
            QTest::keyClicks(form->entry(), QStringLiteral("tajne"));
            shown = form->entry()->displayText();
            form->okButton()->click();
        };
        whenShown<PromptDialog>(typeAndConfirm);
        QCOMPARE(
            ui->prompt(QStringLiteral("Hasło"), QStringLiteral("Podaj hasło"), QString(), true),
            std::optional<QString>(QStringLiteral("tajne")));
        QCOMPARE(mode, QLineEdit::Password);
        QVERIFY(shown != QStringLiteral("tajne"));
        QVERIFY(!ui->promptForm().passwordMode());

        whenShown<PromptDialog>(typeAndConfirm);
        QCOMPARE(ui->prompt(QStringLiteral("Firma"), QStringLiteral("Nazwa"), QString(), false),
                 std::optional<QString>(QStringLiteral("tajne")));
        QCOMPARE(mode, QLineEdit::Normal);
        QCOMPARE(shown, QStringLiteral("tajne"));

        // Cancelling a password prompt clears the mode as well.
        ui->promptForm().setPasswordMode();
        whenShown<PromptDialog>([](PromptDialog* form) { form->reject(); });
        ui->promptForm().ask(QStringLiteral("Hasło"), QStringLiteral("Podaj hasło"));
        QVERIFY(!ui->promptForm().passwordMode());
    }

    void progressKeepsInputAwayFromTheMainWindow() {
        QMainWindow main;
        main.resize(600, 400);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWidget alreadyDisabled;
        alreadyDisabled.setEnabled(false);
        alreadyDisabled.show();
        ProgressDialog& wait = ui->pleaseWait();

        ui->progressJob(QStringLiteral("Sprawdzanie terminów"));
        ui->progressShow(10);
        QVERIFY(wait.isVisible());
        QVERIFY(!main.isEnabled());
        QCOMPARE(QApplication::activeModalWidget(), &wait);
        QCOMPARE(wait.position(), 10);
        QCOMPARE(wait.job(), QStringLiteral("Sprawdzanie terminów "));
        QVERIFY(wait.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(wait.windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect screen = wait.screen()->availableGeometry();
        QVERIFY((wait.frameGeometry().center() - screen.center()).manhattanLength() <= 2);

        ui->progressShow(250);
        QCOMPARE(wait.position(), 100);
        ui->progressShow(-5);
        QCOMPARE(wait.position(), 0);

        ui->progressHide();
        QVERIFY(!wait.isVisible());
        QVERIFY(main.isEnabled());
        QVERIFY(!alreadyDisabled.isEnabled());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        ui->progressHide(); // a second hide changes nothing
        QVERIFY(main.isEnabled());
    }

    void messageDuringProgressIsNotHiddenBehindIt() {
        QMainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        ui->progressShow(40);
        bool progressVisible = true, mainEnabled = true;
        whenShown<InfoDialog>([&](InfoDialog* form) {
            progressVisible = ui->pleaseWait().isVisible();
            mainEnabled = main.isEnabled();
            form->okButton()->click();
        });
        ui->information(QStringLiteral("Błąd"), QStringLiteral("Nie można odczytać pliku."));
        QVERIFY(!progressVisible);
        QVERIFY(!mainEnabled);
        QVERIFY(ui->pleaseWait().isVisible());
        QCOMPARE(ui->pleaseWait().position(), 40);
        ui->progressHide();
        QVERIFY(main.isEnabled());
    }

    void progressWindowGoneLeavesNothingDisabled() {
        QMainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        ui->progressShow(5);
        QVERIFY(!main.isEnabled());
        ui.reset();
        QVERIFY(main.isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        ui = std::make_unique<DialogUserInterface>();
    }

    void systemMessageIsAPlainMessageBox() {
        QString title, text;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        ui->systemMessage(QStringLiteral("Karvento"), QStringLiteral("Program już działa."));
        QCOMPARE(title, QStringLiteral("Karvento"));
        QCOMPARE(text, QStringLiteral("Program już działa."));
    }

    void quittingTheApplicationMeansTerminating() {
        QVERIFY(!ui->isTerminating());
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QApplication::exec();
        QVERIFY(ui->isTerminating());
    }
};

QTEST_MAIN(TestCommonDialogs)
#include "tst_commondialogs.moc"
