#include "ModalWindows.h"
#include "support/ScriptedUserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/EditDialog.h"

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
    QList<FormCheck> checks;

    ProbeWindow() {
        text = new QLineEdit;
        text->setObjectName(QStringLiteral("fTEKST"));
        date = new DateField;
        date->setObjectName(QStringLiteral("fDATA"));
        body()->addWidget(text);
        body()->addWidget(date);
        addButtons();
    }

protected:
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
};

QTEST_MAIN(TestEditDialog)
#include "tst_editdialog.moc"
