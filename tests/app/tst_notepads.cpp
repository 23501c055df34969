#include "TestSupport.h"

#include "app/Notepads.h"
#include "storage/SettingsPaths.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace kv;

// The handy notepad belongs to a logged-in user who holds its permission.
class TestNotepads : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static QString stored() {
        QFile f(settingsFile(QStringLiteral("podrecznyNotatnik.txt")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
    void emptyUntilLoginClearedAtLogoutAndKeptPrivately() {
        QWidget page;
        auto* notepad = new QPlainTextEdit(&page);
        auto* order = new QPlainTextEdit(&page);
        auto* label = new QLabel(&page);
        QFile::remove(settingsFile(QStringLiteral("podrecznyNotatnik.txt")));
        {
            QFile f(settingsFile(QStringLiteral("podrecznyNotatnik.txt")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("tajne");
        }
        Notepads notepads(notepad, order, label);
        page.show();
        // Behind the login window: nothing to read, nothing to type into.
        QVERIFY(notepad->toPlainText().isEmpty());
        QVERIFY(notepad->isReadOnly());

        notepads.loggedIn(true);
        QCOMPARE(notepad->toPlainText(), QStringLiteral("tajne"));
        QVERIFY(!notepad->isReadOnly() && notepad->isVisible());
        notepad->setPlainText(QStringLiteral("nowa treść"));
        // Written a moment after typing stops, before any log-out or closing.
        QTRY_COMPARE_WITH_TIMEOUT(stored(), QStringLiteral("nowa treść"), 10000);
        const QFile::Permissions mode =
            QFile::permissions(settingsFile(QStringLiteral("podrecznyNotatnik.txt")));
        QCOMPARE(mode &
                     (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
        QVERIFY(mode & QFile::ReadOwner && mode & QFile::WriteOwner);

        notepad->setPlainText(QStringLiteral("ostatnie słowo"));
        notepads.loggedOut();
        QCOMPARE(stored(), QStringLiteral("ostatnie słowo"));
        QVERIFY(notepad->toPlainText().isEmpty());
        QVERIFY(notepad->isReadOnly());

        // Without the permission the notepad is not shown at all.
        notepads.loggedIn(false);
        QVERIFY(!notepad->isVisible() && !label->isVisible());
        notepads.loggedOut();
        QCOMPARE(stored(), QStringLiteral("ostatnie słowo"));
    }
};

QTEST_MAIN(TestNotepads)
#include "tst_notepads.moc"
