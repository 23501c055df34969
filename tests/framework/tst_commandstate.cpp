#include "framework/CommandState.h"

#include <QTest>

using namespace kv;

// Which record commands a register on screen offers.
class TestCommandState : public QObject {
    Q_OBJECT

private slots:
    void commandsFollowPermissionsAndRows() {
        const QStringList onRecord{QStringLiteral("SBKopiuj"), QStringLiteral("SBEdytuj"),
                                   QStringLiteral("SBUsun"), QStringLiteral("SBPodglad"),
                                   QStringLiteral("SBDrukuj")};
        CommandState writer{true, true, true};
        for (const QString& c :
             onRecord + QStringList{QStringLiteral("SBDodaj"), QStringLiteral("SBcsv"),
                                    QStringLiteral("SBSzukaj")})
            QVERIFY2(writer.allows(c), qPrintable(c));

        // An empty register: nothing to copy, edit, delete, preview or print;
        // adding, export and search stay.
        CommandState empty{true, true, false};
        for (const QString& c : onRecord)
            QVERIFY2(!empty.allows(c), qPrintable(c));
        QVERIFY(empty.allows(QStringLiteral("SBDodaj")));
        QVERIFY(empty.allows(QStringLiteral("SBcsv")));
        QVERIFY(empty.allows(QStringLiteral("SBSzukaj")));

        // Read only: viewing commands only.
        CommandState reader{true, false, true};
        QVERIFY(reader.allows(QStringLiteral("SBPodglad")));
        QVERIFY(!reader.allows(QStringLiteral("SBDodaj")));
        QVERIFY(!reader.allows(QStringLiteral("SBEdytuj")));
        // A start page: nothing, the buttons at the right end included.
        CommandState none{false, false, true};
        for (const QString& c :
             onRecord + QStringList{QStringLiteral("SBDodaj"), QStringLiteral("SBSuma")})
            QVERIFY(!none.allows(c));
    }
};

QTEST_GUILESS_MAIN(TestCommandState)
#include "tst_commandstate.moc"
