#include "cli/ChartPictures.h"

#include "charts/gui/ChartFiles.h"
#include "charts/gui/ChartView.h"

#include <QApplication>

namespace kv::cli {

namespace {
const QSize kPictureSize(1000, 600);
}

std::unique_ptr<QCoreApplication> makeWidgetApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

bool writeChartPicture(const ChartData& data, const QString& path, ChartPicture format,
                       QString* error) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (error)
            *error = QStringLiteral("Wykresy wymagają uruchomienia karvento-cli z poleceniem "
                                    "chart jako pierwszym słowem.");
        return false;
    }
    ChartView view;
    view.resize(kPictureSize);
    view.showChart(data);
    return writeChartFile(view, path,
                          format == ChartPicture::Png ? ChartFileFormat::Png : ChartFileFormat::Svg,
                          error, kPictureSize);
}

} // namespace kv::cli
