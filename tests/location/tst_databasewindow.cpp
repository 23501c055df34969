#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "location/gui/DatabaseLocationDialog.h"
#include "location/gui/DatabaseProblemGuide.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

// The database window of a program that already has a database: what it
// offers first, and what it says of a wrong password.
class TestDatabaseWindow : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    template <typename T> static T* child(QWidget* w, const char* name) {
        T* found = w->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    QString database(const QString& name) {
        const QString dir = env.newDirectory(name);
        if (!createFromTemplates(dir, CreationMode::NewDatabase, true, QStringLiteral("dobre1")))
            qFatal("cannot create a database");
        return dir;
    }

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
        currentDatabaseLocation() = {};
    }

    void aStoredDatabaseIsOfferedForPointingTo() {
        {
            DatabaseLocationDialog w;
            QVERIFY(child<QRadioButton>(&w, "rbNowa")->isChecked());
        }
        const QString dir = database(QStringLiteral("stored"));
        for (const QString& password : {QStringLiteral("dobre1"), QStringLiteral("zle123")}) {
            currentDatabaseLocation() = {dir, password};
            DatabaseLocationDialog w;
            QVERIFY(child<QRadioButton>(&w, "rbOtworz")->isChecked());
            QVERIFY(!child<QRadioButton>(&w, "rbNowa")->isChecked());
        }
        // Choosing to create or point anew asks first, "Nie" by default.
        currentDatabaseLocation() = {dir, QStringLiteral("dobre1")};
        DatabaseLocationDialog w;
        w.stepButton()->click();
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::Question);
        QVERIFY(env.ui().last().defaultNo);
        QCOMPARE(w.page(), DatabaseLocationDialog::MenuPage);
    }

    void aWrongPasswordForACompanyIsCalledWrong() {
        const QString dir = database(QStringLiteral("wrong"));
        currentDatabaseLocation() = {dir, QStringLiteral("dobre1")};
        DatabaseLocationDialog w;
        child<QRadioButton>(&w, "rbUsunFirme")->setChecked(true);
        w.stepButton()->click();
        child<QComboBox>(&w, "cbFirmy2")->setCurrentIndex(0);
        int guides = 0;
        const auto timer = whenShown<DatabaseProblemGuide>([&](DatabaseProblemGuide* g) {
            ++guides;
            g->reject();
        });
        env.ui().queueAnswer(true);
        env.ui().queuePrompt(QStringLiteral("zle123"));
        env.ui().queuePrompt(std::nullopt);
        w.stepButton()->click();
        if (timer)
            timer->deleteLater();
        QCOMPARE(guides, 0);
        QVERIFY(env.ui().contains(kWrongDatabasePasswordText));
        QVERIFY(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("demo/pojazdy.DB"))));

        // A new company the same way.
        w.menuButton()->click();
        child<QRadioButton>(&w, "rbNowaFirma")->setChecked(true);
        w.stepButton()->click();
        child<QLineEdit>(&w, "nowaFirmaNazwa")->setText(QStringLiteral("Nowa"));
        child<QLineEdit>(&w, "nowaFirmaKatalog")->setText(QStringLiteral("nowa"));
        env.ui().clear();
        env.ui().queuePrompt(QStringLiteral("zle123"));
        env.ui().queuePrompt(QStringLiteral("dobre1"));
        w.stepButton()->click();
        QCOMPARE(env.ui().messages().at(1).text, kWrongDatabasePasswordText);
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Zakładanie nowej firmy")));
    }
};

QTEST_MAIN(TestDatabaseWindow)
#include "tst_databasewindow.moc"
