// Build-time generator of the installation templates (data/empty, firmy.D_,
// firmyblank.D_, odleglosci.D_): binary table files are never kept in git.
#include "data/TemplateBuilder.h"
#include "data/engine/DatabaseError.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "użycie: karvento-mktemplates KATALOG_DATA [PLIK_ZNACZNIKA]\n");
        return 2;
    }
    try {
        kv::buildTemplates(args.at(1));
    } catch (const kv::DatabaseError& e) {
        std::fprintf(stderr, "karvento-mktemplates: %s\n", e.what());
        return 1;
    }
    if (args.size() > 2) {
        QFile stamp(args.at(2));
        stamp.open(QIODevice::WriteOnly);
    }
    return 0;
}
