#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace kv {

class ChartView;

// The picture formats a chart is saved in: the bitmap of the program's own
// save, and PNG and SVG besides.
enum class ChartFileFormat { Bmp, Png, Svg };

// The format a file name asks for by its extension; a name without a known
// one takes the format of the chosen filter (fallback).
ChartFileFormat chartFileFormat(const QString& path, ChartFileFormat fallback);

// Writes the drawn chart whole or not at all (an earlier file of the name
// stays as it was). False with a Polish message when it cannot be written.
bool writeChartFile(const ChartView& view, const QString& path, ChartFileFormat format,
                    QString* error, QSize size = {});

// "Zapisz jako ...": the bitmap to the clipboard, then the dialog "Zapisz
// wykres" proposing the caption + ".bmp", then the file; a file that cannot
// be written is told under "Błąd". Nothing without a drawn chart.
void saveChartPicture(ChartView& view, QWidget* parent);

} // namespace kv
