#include "TestSupport.h"
#include "support/ModalWindows.h"
#include "users/LoginFixture.h"

#include "app/KarventoApplication.h"
#include "app/MainWindow.h"
#include "deadlines/gui/NoteWindows.h"
#include "framework/gui/RegisterSheetCommands.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ProgramOptions.h"
#include "users/Permissions.h"
#include "users/gui/LoginDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <signal.h>

#include <stdexcept>

using namespace kv;

namespace {
// An object whose event handling fails, as a faulty handler would.
class Faulty : public QObject {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("coś poszło nie tak");
        return QObject::event(e);
    }
};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void unhandledErrorsAreReportedAndTheProgramGoesOn() {
        Faulty faulty;
        env.ui().clear();
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &e);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(
            env.ui().last().text,
            QStringLiteral("Wystąpił nieoczekiwany błąd. Orginalny komunikat: coś poszło nie tak"));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000000]  coś poszło nie tak")));
        // Events keep flowing afterwards.
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &again);
        QCOMPARE(env.ui().messages().size(), 2);
    }

    void secondCopyIsRefusedUnlessAllowed() {
        QProcess first;
        first.start(test::helperProgram(QStringLiteral("kv-engine-helper")),
                    {QStringLiteral("instance"), env.settingsDir(), QStringLiteral("-")});
        QVERIFY(first.waitForReadyRead(20000));
        QVERIFY(first.readAll().contains("ready"));
        {
            MainWindow allowed({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
            QVERIFY(allowed.isUsable());
        }
        QString shown;
        QTimer::singleShot(300, [&shown] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    shown = box->windowTitle() + u'|' + box->text();
                    box->accept();
                }
        });
        {
            MainWindow refused({QStringLiteral("karvento")});
            QVERIFY(!refused.isUsable());
        }
        QCOMPARE(shown, QStringLiteral("Informacja|Karvento jest już uruchomiony!"));
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(10000));
        MainWindow next({QStringLiteral("karvento")});
        QVERIFY(next.isUsable());
    }

    void windowStartsAtItsDesignSizeWithCommandsOff() {
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        QVERIFY(window.isUsable());
        QCOMPARE(window.size(), QSize(1000, 700));
        for (const char* name : {"SBDodaj", "SBEdytuj", "SBUsun", "SBKopiuj", "SBPodglad"})
            QVERIFY2(!window.findChild<QPushButton*>(QLatin1String(name))->isEnabled(), name);
        window.setCommandState(true, false);
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("SBPodglad"))->isEnabled());
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("SBDodaj"))->isEnabled());
        // Export, search and the record card come with viewing.
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("SBcsv"))->isEnabled());
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("SBSzukaj"))->isEnabled());
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("SBDrukuj"))->isEnabled());
        window.setCommandState(true, true);
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("SBUsun"))->isEnabled());
        const QStringList menus{QStringLiteral("&Dane"),      QStringLiteral("&Edycja"),
                                QStringLiteral("&Narzędzia"), QStringLiteral("Import"),
                                QStringLiteral("&Widok"),     QStringLiteral("&Administracja"),
                                QStringLiteral("Pomo&c")};
        QStringList titles;
        for (QAction* a : window.menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles, menus);
    }

    void exportAndSearchFollowViewingEverywhere() {
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        QAction* search = nullptr;
        QAction* save = nullptr;
        for (QAction* a : window.findChildren<QAction*>()) {
            if (a->text() == u"Szukaj")
                search = a;
            if (a->text() == u"Zapisz do CSV" && !save)
                save = a;
        }
        QVERIFY(search && save);
        QCOMPARE(search->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        // On the start page (no register) both are off, Ctrl+F included.
        QVERIFY(!search->isEnabled() && !save->isEnabled());
        window.setCommandState(true, false);
        QVERIFY(search->isEnabled() && save->isEnabled());
        window.openSection(Section::Fuel);
        QVERIFY(!search->isEnabled() && !save->isEnabled());
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("SBcsv"))->isEnabled());
        // And without a register on screen the commands do nothing at all.
        window.commandExport();
        window.commandSearch();
        QVERIFY(!window.sheetCommands()->findWindow());
    }

    void registersNotInThisVersionStayOffWhateverTheUserHolds() {
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        currentLogin().permissions.setAll(true);
        window.applyPermissions();
        const auto item = [&](const QString& text) -> QAction* {
            for (QAction* a : window.findChildren<QAction*>())
                if (QString(a->text()).remove(u'&') == text && !a->menu())
                    return a;
            return nullptr;
        };
        QVERIFY(item(QStringLiteral("Wstęp"))->isEnabled());

        // Going back to a start page leaves no register button pressed.
        QList<QToolButton*> pressed;
        for (QToolButton* b : window.findChildren<QToolButton*>())
            if (b->objectName().startsWith(QStringLiteral("RB")) && b->isCheckable()) {
                b->setChecked(true);
                pressed << b;
            }
        QVERIFY(!pressed.isEmpty());
        item(QStringLiteral("Wstęp"))->trigger();
        for (QToolButton* b : pressed)
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        for (const char* text : {"Przejazdy", "Koszty", "Karty Drogowe"}) {
            QAction* a = item(QString::fromUtf8(text));
            QVERIFY2(a && !a->isEnabled(), text);
        }
    }

    void hintsOfControlsReachTheStatusBar() {
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        auto* hint = window.findChild<QLabel*>(QStringLiteral("statusHint"));
        // The month list has only a short hint; it shows there all the same.
        auto* month = window.findChild<QComboBox*>(QStringLiteral("CBCurrentMonth"));
        QVERIFY(hint && month && month->statusTip().isEmpty());
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(month, &enter);
        QCOMPARE(hint->text(), QStringLiteral("Wybór zatwierdź klawiszem ENTER"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(month, &leave);
        QVERIFY(hint->text().isEmpty());
    }

    void cancelledLoginEndsWithoutWritingAnything() {
        const QString location = test::makeLoginLocation(env, QStringLiteral("anulowane"));
        QFile::remove(optionsFilePath());
        QVERIFY(saveLocationAndPassword({location, schema::kTemplatePassword}));
        const auto contents = [] {
            QFile f(optionsFilePath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = contents();
        QVERIFY(!before.isEmpty());
        DataModule database;
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        bool loginShown = false;
        test::whenShown<LoginDialog>([&](LoginDialog* login) {
            loginShown = true;
            login->reject();
        });
        window.show();
        QTRY_VERIFY(loginShown);
        QTest::qWait(50);
        // The start sequence has asked the program to end; closing it now
        // asks nothing more.
        env.ui().clear();
        QVERIFY(window.close());
        QVERIFY(env.ui().messages().isEmpty());
        // The first start's hints (kept in the options) are still to come.
        QCOMPARE(contents(), before);
    }

    void aLoginIsRememberedAtOnce() {
        const QString location = test::makeLoginLocation(env, QStringLiteral("zapamietane"));
        // An up-to-date company: no upgrade step saves the options on its own.
        QVERIFY(writeUpgradeMarkers(QDir(location).filePath(QStringLiteral("firma"))));
        QFile::remove(optionsFilePath());
        QVERIFY(saveLocationAndPassword({location, schema::kTemplatePassword}));
        DataModule database;
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        bool loggedIn = false;
        test::whenShown<LoginDialog>([&](LoginDialog* login) {
            QTest::keyClicks(login->userField(), QStringLiteral("admin"));
            QTest::keyClicks(login->passwordField(), QStringLiteral("zebux"));
            login->okButton()->click();
            loggedIn = !login->isVisible();
        });
        // The welcome steps show the tip of the day.
        test::whenShown<TipDialog>([](TipDialog* tip) { tip->accept(); });
        window.show();
        QTRY_VERIFY(loggedIn);
        // Saved before the program closes: a later crash loses neither the
        // company nor the end of the first start's hints.
        QTRY_VERIFY(QFile(optionsFilePath()).open(QIODevice::ReadOnly) &&
                    ProgramOptions::load(optionsFilePath()).cbFirstLog == false);
        QVERIFY(!ProgramOptions::load(optionsFilePath()).firmaDir.isEmpty());
        window.hide();
    }

    void closingAsksWhileTheOptionIsOn() {
        MainWindow window({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        programOptions().pytajPrzedZamknieciem = true;
        env.ui().clear();
        env.ui().queueAnswer(false);
        QVERIFY(!window.close());
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy zakończyć pracę i zamknąć program?"));
        env.ui().queueAnswer(true);
        QVERIFY(window.close());
        // Closing saved the options and the notepad.
        QVERIFY(QFile::exists(optionsFilePath()));
        programOptions().pytajPrzedZamknieciem = false;
        env.ui().clear();
        MainWindow quiet({QStringLiteral("karvento"), QStringLiteral("ENABLEMULTIRUN")});
        QVERIFY(quiet.close());
        QVERIFY(env.ui().messages().isEmpty());
    }
};

int main(int argc, char** argv) {
    KarventoApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
