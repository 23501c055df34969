#include "ModalWindows.h"
#include "ScriptedUserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/EditDialog.h"
#include "support/gui/WindowEditable.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace kv;
using kv::test::whenShown;

namespace {

// An edit window with a text and a date field; its checks answer in turn from
// a list, then pass.
class ProbeWindow : public EditDialog {
public:
    QLineEdit* text;
    DateField* date;
    QLineEdit* other;
    QLineEdit* start = nullptr;
    QList<FormCheck> checks;

    ProbeWindow() {
        text = new QLineEdit;
        text->setObjectName(QStringLiteral("fTEKST"));
        date = new DateField;
        date->setObjectName(QStringLiteral("fDATA"));
        other = new QLineEdit;
        body()->addWidget(text);
        body()->addWidget(date);
        body()->addWidget(other);
        addButtons();
    }

protected:
    QLineEdit* startField() const override { return start; }
    FormCheck runChecks() override {
        return checks.isEmpty() ? FormCheck::pass() : checks.takeFirst();
    }
};

} // namespace

class TestEditDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<ScopedScriptedUi> messages;

private slots:
    void init() { messages = std::make_unique<ScopedScriptedUi>(); }
    void cleanup() { messages.reset(); }

    void aFailedCheckKeepsTheWindowOpenOnItsField() {
        ProbeWindow w;
        w.text->setText(QStringLiteral("abc"));
        w.date->setText(QStringLiteral("31.02.2024"));
        w.checks = {FormCheck::fail(QStringLiteral("fDATA"), QStringLiteral("Zła data."), true),
                    FormCheck::fail(QStringLiteral("fTEKST"), QStringLiteral("Zły tekst."))};
        struct {
            bool open = false;
            bool focused = false;
            QString selected;
        } onDate, onText;
        // Seen here, compared once the window is closed: a failure must not
        // leave it open.
        whenShown<EditDialog>([&](EditDialog* dialog) {
            QTest::keyClick(w.text, Qt::Key_Return); // Enter saves
            onDate = {dialog->isVisible(), w.date->lineEdit()->hasFocus(),
                      w.date->lineEdit()->selectedText()};
            dialog->saveButton()->click();
            onText = {dialog->isVisible(), w.text->hasFocus(), w.text->selectedText()};
            dialog->saveButton()->click(); // the checks pass
            if (dialog->isVisible())
                dialog->reject();
        });
        QVERIFY(w.confirm());
        const auto& shown = (*messages)->messages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).caption, QStringLiteral("Uwaga"));
        QCOMPARE(shown.at(0).text, QStringLiteral("Zła data."));
        QCOMPARE(shown.at(1).text, QStringLiteral("Zły tekst."));
        // A date field takes the focus in its entry, which selects as asked.
        QVERIFY(onDate.open);
        QVERIFY(onDate.focused);
        QCOMPARE(onDate.selected, w.date->lineEdit()->text());
        // Unasked, nothing is selected.
        QVERIFY(onText.open);
        QVERIFY(onText.focused);
        QCOMPARE(onText.selected, QString());
    }

    void aWindowStartsInItsFirstField() {
        ProbeWindow w;
        QWidget* focused = nullptr;
        whenShown<EditDialog>([&focused](EditDialog* dialog) {
            focused = QApplication::focusWidget();
            dialog->cancelButton()->click();
        });
        QVERIFY(!w.confirm());
        QCOMPARE(focused, w.text);
    }

    void longTextsShowTheirBeginning() {
        ProbeWindow w;
        const QString longText = QStringLiteral("Termalis Sp. z o.o. – ") + QString(200, u'x');
        w.text->setText(longText);
        w.other->setText(longText);
        w.start = w.text;
        struct {
            bool focused = false;
            QString selected;
            int cursor = -1;
            int otherCursor = -1;
        } seen;
        whenShown<EditDialog>([&](EditDialog* dialog) {
            QTest::qWait(20); // the start field is chosen once the window is up
            seen = {w.text->hasFocus(), w.text->selectedText(), w.text->cursorPosition(),
                    w.other->cursorPosition()};
            dialog->reject();
        });
        w.confirm();
        QVERIFY(seen.focused);
        QCOMPARE(seen.selected, longText);
        QCOMPARE(seen.cursor, 0);
        QCOMPARE(seen.otherCursor, 0);
    }

    void enterClosesAWindowThatOnlyShows() {
        ProbeWindow w;
        setWindowEditable(&w, false);
        bool closedByEnter = false;
        whenShown<EditDialog>([&](EditDialog* dialog) {
            QTest::keyClick(w.text, Qt::Key_Return);
            closedByEnter = !dialog->isVisible();
            if (dialog->isVisible())
                dialog->reject();
        });
        QVERIFY(!w.confirm());
        QVERIFY(closedByEnter);

        // Editable again, Enter saves.
        setWindowEditable(&w, true);
        whenShown<EditDialog>([&](EditDialog* dialog) {
            QTest::keyClick(w.text, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        QVERIFY(w.confirm());
    }
};

QTEST_MAIN(TestEditDialog)
#include "tst_editdialog.moc"
