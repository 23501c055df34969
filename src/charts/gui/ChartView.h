#pragma once

#include "charts/ChartData.h"

#include <QChartView>
#include <QImage>

namespace kv {

// The chart widget: up to five line series drawn in order, each with its
// colour and diamond point marks 11 x 11, the x ticks on whole numbers from
// 1, one value axis over the shown series (and a second, right axis for the
// series that ask for it), the caption on top and a legend with the
// selectors' texts. A series without points is not drawn.
class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void showChart(const ChartData& data);
    void clearChart();
    const ChartData& data() const { return m_data; }
    // Whether a chart is drawn (after "Rysuj wykres").
    bool hasChart() const { return m_drawn; }

    // The drawn chart as a bitmap of the given size (the widget's own when
    // empty), with the caption and the legend's texts in its metadata.
    QImage image(QSize size = {}) const;
    // The drawn chart as an SVG document of the given size.
    QByteArray svg(QSize size = {}) const;

    static constexpr int kMarkerSize = 11;

private:
    ChartData m_data;
    bool m_drawn = false;
};

// The picture of one point mark: a diamond of the series' colour.
QImage diamondMarker(unsigned colour);

} // namespace kv
