// Build-time generator of the installation templates (data/empty, firmy.D_,
// firmyblank.D_, odleglosci.D_ with the rows of a readable source) and, given the folder of the
// readable sources, of the demonstration company data/demo: binary table files are never kept in
// git.
#include "schema/TemplateBuilder.h"
#include "storage/engine/DatabaseError.h"
#include "tools/demo/DemoDataBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

struct Arguments {
    QString dataDirectory;
    QString stampFile;
    QString demoSources;
    QString distances;
};

bool parse(const QStringList& args, Arguments& out) {
    QStringList positional;
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--demo-src")) {
            if (++i >= args.size())
                return false;
            out.demoSources = args.at(i);
        } else if (args.at(i) == QLatin1String("--distances")) {
            if (++i >= args.size())
                return false;
            out.distances = args.at(i);
        } else if (args.at(i).startsWith(QLatin1String("--"))) {
            return false;
        } else {
            positional.append(args.at(i));
        }
    }
    if (positional.isEmpty() || positional.size() > 2)
        return false;
    out.dataDirectory = positional.at(0);
    out.stampFile = positional.value(1);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Arguments args;
    if (!parse(app.arguments(), args)) {
        std::fprintf(stderr, "użycie: karvento-mktemplates KATALOG_DATA [PLIK_ZNACZNIKA] "
                             "[--demo-src KATALOG_ZRODEL_DEMO] [--distances PLIK_ODLEGLOSCI]\n");
        return 2;
    }
    try {
        kv::buildTemplates(args.dataDirectory, args.distances);
        if (!args.demoSources.isEmpty()) {
            QElapsedTimer timer;
            timer.start();
            kv::buildDemoCompany(QDir(args.dataDirectory).filePath(QStringLiteral("demo")),
                                 args.demoSources);
            std::printf("karvento-mktemplates: dane demonstracyjne w %lld ms\n",
                        static_cast<long long>(timer.elapsed()));
        }
    } catch (const kv::DatabaseError& e) {
        std::fprintf(stderr, "karvento-mktemplates: %s\n", e.what());
        return 1;
    }
    if (!args.stampFile.isEmpty()) {
        QFile stamp(args.stampFile);
        stamp.open(QIODevice::WriteOnly);
    }
    return 0;
}
