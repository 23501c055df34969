#include "charts/gui/ChartView.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QValueAxis>
#include <cmath>

namespace kv {

namespace {

QColor colourOf(unsigned rgb) {
    return QColor(QRgb(0xFF000000u | rgb));
}

QValueAxis* valueAxis(const ChartYRange& range, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setRange(range.minimum, range.maximum);
    axis->setTickCount(6);
    // Prices and consumption want their decimals; sums of money and km do not.
    axis->setLabelFormat(range.maximum - range.minimum < 100 ? QStringLiteral("%.2f")
                                                             : QStringLiteral("%.0f"));
    if (!title.isEmpty())
        axis->setTitleText(title);
    return axis;
}

// Renders a widget at a size of its own without showing it.
template <class Paint> void renderAt(const ChartView& view, QSize size, Paint&& paint) {
    // A copy of the view at the asked size, so the window's own stays as it is.
    ChartView copy;
    // Shown, though never on screen: a view that is not shown does not lay
    // its chart out for its size, and its plot, axes and legend disagree.
    copy.setAttribute(Qt::WA_DontShowOnScreen);
    copy.resize(size.isEmpty() ? view.size() : size);
    copy.showChart(view.data());
    copy.show();
    // The layout requests the chart posted; nothing the user does runs here.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (QGraphicsLayout* layout = copy.chart()->layout())
        layout->activate();
    paint(copy);
}

QString legendText(const ChartData& data) {
    QStringList labels;
    for (const ChartSeries& s : data.series)
        if (s.isShown())
            labels << s.label;
    return labels.join(QStringLiteral("; "));
}

} // namespace

QImage diamondMarker(unsigned colour) {
    const int n = ChartView::kMarkerSize;
    QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath diamond;
    const double h = n / 2.0;
    diamond.moveTo(h, 0);
    diamond.lineTo(n, h);
    diamond.lineTo(h, n);
    diamond.lineTo(0, h);
    diamond.closeSubpath();
    p.fillPath(diamond, colourOf(colour));
    p.setPen(QPen(Qt::black, 0.8));
    p.drawPath(diamond);
    return image;
}

ChartView::ChartView(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("wykres"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 220);
    clearChart();
}

void ChartView::clearChart() {
    m_data = ChartData();
    m_drawn = false;
    auto* chart = new QChart;
    chart->legend()->hide();
    setChart(chart); // the view owns it and drops the one before
}

void ChartView::showChart(const ChartData& data) {
    m_data = data;
    m_drawn = true;
    auto* chart = new QChart;
    chart->setTitle(data.caption);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 1);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);

    auto* x = new QValueAxis;
    x->setRange(data.xAxis.minimum, data.xAxis.maximum);
    // Ticks on the whole numbers from 1: the days of a month, or the
    // months of a year (12 ticks over 1 to 12.9).
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(1);
    x->setTickInterval(1);
    x->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);

    bool second = false;
    for (const ChartSeries& s : data.series)
        second = second || (s.secondAxis && s.isShown());
    QValueAxis* y = valueAxis(chartYRange(data, false), data.yTitle);
    chart->addAxis(y, Qt::AlignLeft);
    QValueAxis* y2 = nullptr;
    if (second) {
        y2 = valueAxis(chartYRange(data, true), data.secondYTitle);
        chart->addAxis(y2, Qt::AlignRight);
    }

    for (const ChartSeries& s : data.series) {
        if (!s.isShown())
            continue;
        auto* line = new QLineSeries;
        line->setName(s.label);
        QPen pen(colourOf(s.colour));
        pen.setWidthF(2);
        line->setPen(pen);
        for (const ChartPoint& p : s.points)
            line->append(p.x, p.y.toDouble());
        line->setMarkerSize(kMarkerSize);
        line->setLightMarker(diamondMarker(s.colour));
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(s.secondAxis && y2 ? y2 : y);
    }
    setChart(chart);
}

QImage ChartView::image(QSize size) const {
    QImage out;
    renderAt(*this, size, [&out](ChartView& v) {
        out = QImage(v.size(), QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing);
        v.render(&p);
    });
    out.setText(QStringLiteral("Title"), m_data.caption);
    out.setText(QStringLiteral("Description"), legendText(m_data));
    return out;
}

QByteArray ChartView::svg(QSize size) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    renderAt(*this, size, [&](ChartView& v) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(v.size());
        generator.setViewBox(QRect(QPoint(0, 0), v.size()));
        generator.setTitle(m_data.caption);
        generator.setDescription(legendText(m_data));
        QPainter p(&generator);
        v.render(&p);
    });
    return bytes;
}

} // namespace kv
