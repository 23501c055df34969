// Program entry. Until the main window is built, a placeholder window shows
// that the program and its storage engine start.
#include "data/TableMaintenance.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Karvento "));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Karvento   v3.0"));
    auto* label = new QLabel(QStringLiteral("Karvento – okno główne jest w budowie.\nSilnik bazy "
                                            "danych: %1")
                                 .arg(kv::engineDescription()));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(1000, 700);
    window.show();
    return QApplication::exec();
}
