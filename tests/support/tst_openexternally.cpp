#include "ModalWindows.h"
#include "support/gui/OpenExternally.h"
#include "support/gui/dialogs/DialogUserInterface.h"
#include "support/gui/dialogs/InfoDialog.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

namespace {

// Stands in for the desktop's program for a kind of file.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

// Help files and links are handed to the desktop, or the user is told where
// they are: a click on a help item never does nothing.
class TestOpenExternally : public QObject {
    Q_OBJECT
    std::unique_ptr<DialogUserInterface> dialogs;

    // The text of the information window the call shows (closed at once).
    QString informationShownBy(const std::function<void()>& call) {
        QString text;
        whenShown<InfoDialog>([&](InfoDialog* form) {
            text = form->message();
            QTest::keyClick(form, Qt::Key_Return);
        });
        call();
        return text;
    }

private slots:
    void init() {
        dialogs = std::make_unique<DialogUserInterface>();
        dialogs->install();
    }
    void cleanup() { dialogs.reset(); }

    void helpThatCannotOpenSaysWhereItIs() {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("Instrukcja obsługi.pdf"));
        QString text = informationShownBy([&] { QVERIFY(!openFileExternally(missing)); });
        QVERIFY(text.startsWith(QStringLiteral("Nie znaleziono pliku")));
        QVERIFY(text.contains(missing));

        // A file is there, but the desktop has no program for it (the
        // offscreen platform has none at all).
        QFile pdf(missing);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        text = informationShownBy([&] { QVERIFY(!openFileExternally(missing)); });
        QVERIFY(text.contains(QStringLiteral("nie ma programu")));
        QVERIFY(text.contains(missing));

        text = informationShownBy([] {
            QVERIFY(!openExternally(QUrl(QStringLiteral(
                "mailto:pomoc@karvento.pl?subject=Karvento%203.0%20-%20pomoc%20techniczna"))));
        });
        QVERIFY(text.contains(QStringLiteral("pomoc@karvento.pl")));
        QVERIFY(text.contains(QStringLiteral("Karvento 3.0 - pomoc techniczna")));

        // With a program for it, the file is handed over and nothing is said.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QVERIFY(openFileExternally(missing));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.first().toLocalFile(), missing);
    }
};

QTEST_MAIN(TestOpenExternally)
#include "tst_openexternally.moc"
