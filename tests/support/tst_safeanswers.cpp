#include "ModalWindows.h"
#include "ScriptedUserInterface.h"
#include "support/gui/dialogs/DialogUserInterface.h"
#include "support/gui/dialogs/PromptDialog.h"
#include "support/gui/dialogs/QuestionDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

// What keeps a hurried user from losing data: the default answer of a
// destructive question and a new password typed twice.
class TestSafeAnswers : public QObject {
    Q_OBJECT
    std::unique_ptr<DialogUserInterface> dialogs;

private slots:
    void init() {
        dialogs = std::make_unique<DialogUserInterface>();
        dialogs->install();
    }
    void cleanup() { dialogs.reset(); }

    void enterTakesTheDefaultAnswer_data() {
        QTest::addColumn<bool>("defaultNo");
        QTest::newRow("Tak by default") << false;
        QTest::newRow("Nie by default") << true;
    }
    void enterTakesTheDefaultAnswer() {
        QFETCH(bool, defaultNo);
        QString focused;
        bool yesIsDefault = false;
        whenShown<QuestionDialog>([&](QuestionDialog* form) {
            focused = qobject_cast<QPushButton*>(QApplication::focusWidget())->text();
            yesIsDefault = form->yesButton()->isDefault();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const bool answer = ui().question(QStringLiteral("Pytanie"), QStringLiteral("Usunąć?"),
                                          defaultNo ? DefaultAnswer::No : DefaultAnswer::Yes);
        QCOMPARE(answer, !defaultNo);
        QCOMPARE(focused, defaultNo ? QStringLiteral("  &Nie   ") : QStringLiteral("  &Tak   "));
        QCOMPARE(yesIsDefault, !defaultNo);
    }

    void aDestructiveQuestionDoesNotLeaveItsDefaultToTheNextOne() {
        whenShown<QuestionDialog>([](QuestionDialog* form) { form->noButton()->click(); });
        ui().question(QStringLiteral("Pytanie"), QStringLiteral("Usunąć firmę?"),
                      DefaultAnswer::No);
        // The shared window is reused: the next plain question is "Tak" again.
        whenShown<QuestionDialog>(
            [](QuestionDialog*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        QVERIFY(ui().question(QStringLiteral("Pytanie"), QStringLiteral("Zapisać?")));
        // "Tak" may still be chosen on purpose.
        whenShown<QuestionDialog>([](QuestionDialog* form) { form->yesButton()->click(); });
        QVERIFY(
            ui().question(QStringLiteral("Pytanie"), QStringLiteral("Usunąć?"), DefaultAnswer::No));
    }

    void newPasswordWindowWaitsForTwoEqualEntries() {
        QStringList seen;
        whenShown<PromptDialog>([&](PromptDialog* form) {
            seen.append(form->entry()->echoMode() == QLineEdit::Password ? "masked" : "plain");
            seen.append(form->repeatEntry()->isVisible() ? "repeat shown" : "no repeat");
            form->entry()->setText(QStringLiteral("Tajne12"));
            form->repeatEntry()->setText(QStringLiteral("Tajne21"));
            form->okButton()->click();
            // Still open, saying why; the first entry is kept.
            seen.append(form->isVisible() ? "open" : "closed");
            seen.append(form->mismatchLabel()->isVisible() ? form->mismatchLabel()->text()
                                                           : QString());
            seen.append(form->entry()->text());
            seen.append(form->repeatEntry()->text());
            form->repeatEntry()->setText(QStringLiteral("Tajne12"));
            QTest::keyClick(form->repeatEntry(), Qt::Key_Return);
        });
        const std::optional<QString> password =
            ui().newPassword(QStringLiteral("Podaj hasło"), QStringLiteral("Nowe hasło bazy"));
        QCOMPARE(password.value_or(QString()), QStringLiteral("Tajne12"));
        QCOMPARE(seen, (QStringList{"masked", "repeat shown", "open", kPasswordsDifferText,
                                    "Tajne12", ""}));

        // An ordinary prompt afterwards has one visible entry.
        bool repeatShown = true;
        whenShown<PromptDialog>([&](PromptDialog* form) {
            repeatShown = form->repeatEntry()->isVisible();
            form->cancelButton()->click();
        });
        QVERIFY(!ui().prompt(QStringLiteral("Wprowadź"), QStringLiteral("Nazwa"), {}, false));
        QVERIFY(!repeatShown);
    }

    void newPasswordIsAskedAgainWhileTheEntriesDiffer() {
        // Interfaces without a window of their own (the terminal) ask twice.
        ScriptedUserInterface scripted;
        scripted.setTypeNewPasswordsTwice(true);
        for (const char* typed : {"abc123", "abc124", "abc123", "abc123"})
            scripted.queuePrompt(QString::fromLatin1(typed));
        setUserInterface(&scripted);
        const std::optional<QString> password =
            ui().newPassword(QStringLiteral("Podaj hasło"), QStringLiteral("Nowe hasło"));
        setUserInterface(dialogs.get());
        QCOMPARE(password.value_or(QString()), QStringLiteral("abc123"));
        QCOMPARE(scripted.messages().size(), 5);
        QVERIFY(scripted.messages().at(0).password && scripted.messages().at(1).password);
        QCOMPARE(scripted.messages().at(1).text, QStringLiteral("Powtórz hasło"));
        QCOMPARE(scripted.messages().at(2).text, kPasswordsDifferText);

        // Cancelling the repetition cancels the whole entry.
        scripted.queuePrompt(QStringLiteral("abc123"));
        scripted.queuePrompt(std::nullopt);
        setUserInterface(&scripted);
        const bool cancelled = !ui().newPassword(QStringLiteral("Podaj hasło"), QString());
        setUserInterface(dialogs.get());
        QVERIFY(cancelled);
    }
};

QTEST_MAIN(TestSafeAnswers)
#include "tst_safeanswers.moc"
