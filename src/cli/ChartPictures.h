#pragma once

#include "charts/ChartData.h"

#include <QCoreApplication>
#include <memory>

namespace kv::cli {

// The chart command draws through the program's own chart widget, which
// needs the widget toolkit's application (offscreen, no display needed).
std::unique_ptr<QCoreApplication> makeWidgetApplication(int& argc, char** argv);

enum class ChartPicture { Png, Svg };
// Draws the chart at a fixed size and writes it whole or not at all; false
// with a Polish message when the widget cannot be used or the file not
// written.
bool writeChartPicture(const ChartData& data, const QString& path, ChartPicture format,
                       QString* error);

} // namespace kv::cli
