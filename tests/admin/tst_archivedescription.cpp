#include "TestSupport.h"

#include "admin/ArchiveDescription.h"
#include "admin/ArchiveFolders.h"
#include "support/DateNumbers.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

class TestArchiveDescription : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static void writeBytes(const QString& folder, const QByteArray& bytes) {
        QFile f(QDir(folder).filePath(kArchiveDescriptionFile));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void recordLayout() {
        const QByteArray r =
            encodeArchiveDescription({QStringLiteral("Łódź"), QStringLiteral("05.03.2024")});
        QCOMPARE(r.size(), 112);
        QCOMPARE(int(r.at(0)), 4);
        // Windows-1250: Ł a3, ó f3, d, ź 9f.
        QCOMPARE(r.mid(1, 4), QByteArray("\xa3\xf3"
                                         "d\x9f"));
        QCOMPARE(r.mid(5, 96), QByteArray(96, '\0'));
        QCOMPARE(int(r.at(101)), 10);
        QCOMPARE(r.mid(102, 10), QByteArray("05.03.2024"));
        QCOMPARE(decodeArchiveDescription(r),
                 (ArchiveDescription{QStringLiteral("Łódź"), QStringLiteral("05.03.2024")}));
    }

    void longTextsAreCut() {
        const QString name = QString(100, u'ż') + u'X';
        const ArchiveDescription back = decodeArchiveDescription(
            encodeArchiveDescription({name, QStringLiteral("05.03.2024 12:00")}));
        QCOMPARE(back.name, QString(100, u'ż'));
        QCOMPARE(back.date, QStringLiteral("05.03.2024"));
    }

    void emptyDateRoundTripsThroughTheFile() {
        const QString folder = env.newDirectory(QStringLiteral("pusta"));
        QVERIFY(!holdsArchive(folder));
        QVERIFY(writeArchiveDescription(folder, {QStringLiteral("Koniec roku"), blankDateText()}));
        QVERIFY(holdsArchive(folder));
        QCOMPARE(QFileInfo(QDir(folder).filePath(kArchiveDescriptionFile)).size(), 112);
        QCOMPARE(readArchiveDescription(folder),
                 (ArchiveDescription{QStringLiteral("Koniec roku"), blankDateText()}));
        QVERIFY(writeArchiveDescription(folder, {QString(), QString()}));
        QCOMPARE(readArchiveDescription(folder), (ArchiveDescription{QString(), QString()}));
    }

    void unreadableRecordsReadEmpty_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good =
            encodeArchiveDescription({QStringLiteral("Archiwum"), QStringLiteral("01.01.2024")});
        QTest::newRow("50 bajtów") << good.left(50);
        QTest::newRow("pusty plik") << QByteArray();
        QByteArray longName = good;
        longName[0] = char(101);
        QTest::newRow("nazwa dłuższa niż pole") << longName;
        QByteArray longDate = good;
        longDate[101] = char(11);
        QTest::newRow("data dłuższa niż pole") << longDate;
    }
    void unreadableRecordsReadEmpty() {
        QFETCH(QByteArray, bytes);
        const QString folder = env.newDirectory(QStringLiteral("zly"));
        writeBytes(folder, bytes);
        QCOMPARE(readArchiveDescription(folder), emptyArchiveDescription());
        QCOMPARE(emptyArchiveDescription().date, blankDateText());
    }

    void newFolderNamesArePlainNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("data") << "2024-03-16" << true;
        QTest::newRow("spacje") << "Archiwum marzec" << true;
        QTest::newRow("pusta") << "  " << false;
        QTest::newRow("kropki") << ".." << false;
        QTest::newRow("ukośnik") << "a/b" << false;
        QTest::newRow("w górę") << "../a" << false;
        QTest::newRow("odwrotny") << "a\\b" << false;
        QTest::newRow("dysk") << "C:" << false;
        QTest::newRow("sterujący") << "a\nb" << false;
    }
    void newFolderNamesArePlainNames() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(newFolderNameProblem(name).isEmpty(), accepted);
    }

    void archivesAreFoundBelowAFolder() {
        const QString root = env.newDirectory(QStringLiteral("szukaj"));
        QDir(root).mkpath(QStringLiteral("b/gleboko"));
        QDir(root).mkpath(QStringLiteral("a"));
        QDir(root).mkpath(QStringLiteral("bez"));
        QVERIFY(writeArchiveDescription(QDir(root).filePath(QStringLiteral("b/gleboko")),
                                        {QStringLiteral("Drugie"), blankDateText()}));
        QVERIFY(
            writeArchiveDescription(QDir(root).filePath(QStringLiteral("a")),
                                    {QStringLiteral("Pierwsze"), QStringLiteral("01.02.2024")}));
        const QList<FoundArchive> found = findArchives(root);
        QCOMPARE(found.size(), 2);
        QCOMPARE(found.at(0).folder, QDir(root).filePath(QStringLiteral("a")));
        QCOMPARE(found.at(0).description.name, QStringLiteral("Pierwsze"));
        QCOMPARE(found.at(1).description.name, QStringLiteral("Drugie"));
    }
};

QTEST_GUILESS_MAIN(TestArchiveDescription)
#include "tst_archivedescription.moc"
