// Program entry: splash window, application set-up, the main window and the
// data module, then the message loop.
#include "app/KarventoApplication.h"
#include "app/MainWindow.h"
#include "app/SplashScreen.h"
#include "storage/DataModule.h"
#include "support/gui/dialogs/DialogUserInterface.h"

#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char** argv) {
    kv::KarventoApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // A Polish program: without a locale of its own (the plain C locale of a
    // bare system) it writes dates and numbers the Polish way.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    // The toolkit's own windows and menus (the file dialog, a text field's
    // pop-up menu) speak Polish where the toolkit's translations are installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkitTexts);

    kv::DialogUserInterface dialogs;
    dialogs.install();

    // A second copy ends before anything of its own is on screen, and says
    // by its exit code that it did not run.
    if (!kv::MainWindow::claimSingleInstance(app.arguments()))
        return 1;

    kv::SplashScreen splash;
    splash.show();
    QApplication::processEvents();

    kv::MainWindow window(app.arguments());
    if (!window.isUsable())
        return 1;
    kv::DataModule database;

    QTimer::singleShot(1000, &splash, &QWidget::close);
    window.show();
    return QApplication::exec();
}
