#include "ChartsFixture.h"

#include "charts/gui/ChartFiles.h"
#include "charts/gui/ChartTab.h"
#include "charts/gui/ChartView.h"
#include "charts/gui/ChartsPage.h"
#include "storage/ProgramOptions.h"
#include "support/Clock.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTabWidget>
#include <QValueAxis>

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

// A yearly chart with two drawn series, an empty one and a negative point.
ChartData yearlyChart() {
    ChartData d;
    d.caption = QStringLiteral("Zmiana cen paliw w roku 2024");
    d.xAxis = chartXAxis({2024, 0});
    for (int i = 0; i < kChartSeriesCount; ++i) {
        ChartSeries s;
        s.colour = chartSeriesColour(i);
        d.series.append(s);
    }
    d.series[0].label = QStringLiteral("Olej napędowy");
    d.series[0].points = {
        {1, dec("6.2")}, {3 + 14.0 / 31, dec("6.8")}, {12 + 30.0 / 34, dec("7.1")}};
    d.series[1].label = QStringLiteral("Nic");
    d.series[2].label = QStringLiteral("Benzyna");
    d.series[2].points = {{2, dec("-1.5")}, {6, dec("6.5")}};
    return d;
}

int pixelsOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                ++n;
    return n;
}

} // namespace

// The chart widget, its pictures and files, and the "Wykresy" page.
class TestChartGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }

    void theWidgetDrawsTheShownSeriesOnTheirAxes() {
        ChartView view;
        view.resize(900, 500);
        view.showChart(yearlyChart());
        QChart* chart = view.chart();
        QCOMPARE(chart->title(), QStringLiteral("Zmiana cen paliw w roku 2024"));
        // The empty series is not drawn; the others in order, with their colours.
        const QList<QAbstractSeries*> series = chart->series();
        QCOMPARE(series.size(), 2);
        auto* first = qobject_cast<QLineSeries*>(series.at(0));
        auto* third = qobject_cast<QLineSeries*>(series.at(1));
        QCOMPARE(first->name(), QStringLiteral("Olej napędowy"));
        QCOMPARE(first->pen().color(), QColor(0x00, 0x80, 0x00));
        QCOMPARE(third->pen().color(), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(first->count(), 3);
        QCOMPARE(first->markerSize(), 11.0);
        QCOMPARE(first->lightMarker().size(), QSize(11, 11));
        // The legend shows the selectors' texts.
        QStringList legend;
        for (QLegendMarker* m : chart->legend()->markers())
            legend << m->label();
        QCOMPARE(legend, QStringList({"Olej napędowy", "Benzyna"}));

        // The x ticks of a yearly chart fall on the months 1 to 12.
        auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).first());
        QCOMPARE(x->min(), 1.0);
        QCOMPARE(x->max(), 12.9);
        QCOMPARE(x->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(x->tickAnchor(), 1.0);
        QCOMPARE(x->tickInterval(), 1.0);
        QList<double> ticks;
        for (double t = x->tickAnchor(); t <= x->max(); t += x->tickInterval())
            ticks << t;
        QCOMPARE(ticks.size(), 12);
        QCOMPARE(ticks.last(), 12.0);
        // One value axis from the negative point to the greatest.
        const QList<QAbstractAxis*> ys = chart->axes(Qt::Vertical);
        QCOMPARE(ys.size(), 1);
        auto* y = qobject_cast<QValueAxis*>(ys.first());
        QCOMPARE(y->min(), -1.5);
        QCOMPARE(y->max(), 7.1);
    }

    void aSecondAxisForTheSeriesThatAskForIt() {
        ChartData d = yearlyChart();
        d.series[3].secondAxis = true;
        d.series[3].label = QStringLiteral("km");
        d.series[3].points = {{1, dec("1200")}, {2, dec("800")}};
        ChartView view;
        view.showChart(d);
        const QList<QAbstractAxis*> ys = view.chart()->axes(Qt::Vertical);
        QCOMPARE(ys.size(), 2);
        auto* right = qobject_cast<QValueAxis*>(
            view.chart()->axes(Qt::Vertical, view.chart()->series().at(2)).first());
        QCOMPARE(right->alignment(), Qt::AlignRight);
        QCOMPARE(right->min(), 0.0);
        QCOMPARE(right->max(), 1200.0);
    }

    void pngAndSvgHoldTheCaptionAndTheSeries() {
        ChartView view;
        view.showChart(yearlyChart());
        const QString dir = env.newDirectory(QStringLiteral("pliki"));
        const QString png = dir + QStringLiteral("/wykres.png");
        const QString svg = dir + QStringLiteral("/wykres.svg");
        QString error;
        QVERIFY(writeChartFile(view, png, ChartFileFormat::Png, &error, QSize(800, 500)));
        QVERIFY(writeChartFile(view, svg, ChartFileFormat::Svg, &error, QSize(800, 500)));

        QImageReader reader(png);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.text(QStringLiteral("Title")),
                 QStringLiteral("Zmiana cen paliw w roku 2024"));
        QCOMPARE(reader.text(QStringLiteral("Description")),
                 QStringLiteral("Olej napędowy; Benzyna"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(800, 500));
        // The lines of series 1 and 3 in their colours; nothing of series 2.
        QVERIFY(pixelsOf(image, 0x008000) > 50);
        QVERIFY(pixelsOf(image, 0xFF0000) > 50);
        QCOMPARE(pixelsOf(image, 0x000080), 0);
        // Laid out for the picture's size: the line reaches the December end
        // of the plot, and nothing of it runs off the picture's edge.
        int right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0x008000)
                    right = std::max(right, x);
        QVERIFY2(right > image.width() * 3 / 4, qPrintable(QString::number(right)));
        QVERIFY2(right < image.width() - 10, qPrintable(QString::number(right)));

        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("Zmiana cen paliw w roku 2024")));
        QVERIFY(text.contains(QStringLiteral("Olej napędowy")));
        QVERIFY(text.contains(QStringLiteral("Benzyna")));
        QVERIFY(text.contains(QStringLiteral("#008000")));
        QVERIFY(text.contains(QStringLiteral("#ff0000"), Qt::CaseInsensitive));

        // BMP too; the extension decides over the chosen filter.
        QCOMPARE(chartFileFormat(QStringLiteral("a.PNG"), ChartFileFormat::Bmp),
                 ChartFileFormat::Png);
        QCOMPARE(chartFileFormat(QStringLiteral("a"), ChartFileFormat::Svg), ChartFileFormat::Svg);
        QVERIFY(writeChartFile(view, dir + QStringLiteral("/w.bmp"), ChartFileFormat::Bmp, &error));
        QCOMPARE(QImageReader(dir + QStringLiteral("/w.bmp")).format(), QByteArray("bmp"));
    }

    void aFileThatCannotBeWrittenIsToldAndNothingIsLeft() {
        ChartView view;
        view.showChart(yearlyChart());
        const QString dir = env.newDirectory(QStringLiteral("zle"));
        QString error;
        const QString missing = dir + QStringLiteral("/brak/wykres.png");
        QVERIFY(!writeChartFile(view, missing, ChartFileFormat::Png, &error));
        QVERIFY(error.startsWith(QStringLiteral("Nie udało się zapisać wykresu do pliku")));
        QVERIFY(!QFile::exists(missing));
        QVERIFY(!writeChartFile(view, dir, ChartFileFormat::Png, &error)); // a folder
        // A name that is only blanks is no file either.
        QVERIFY(!writeChartFile(view, QStringLiteral("  "), ChartFileFormat::Svg, &error));
    }

    void theTabsChoicesAndTheirYearCheck() {
        auto db = test::openTemplateCompany(env, QStringLiteral("zakladki"));
        QVERIFY(db);
        test::ChartsData data(*db);
        const int car = data.addVehicle(QStringLiteral("WA 1"));
        data.addVehicle(QStringLiteral("WB 2"));
        data.addTrip(car, 20240105, "12.5");
        data.addTrip(car, 20240301, "7.5");
        data.addDictionaryEntry(QStringLiteral("RDWYD"), QStringLiteral("Myjnia"));

        Clock::setFixed(QDateTime(QDate(2024, 6, 15), QTime(12, 0)));
        programOptions().filtrRokOd = 2020;
        programOptions().filtrRokDo = 2026;
        ChartsPage page(*db);
        QCOMPARE(page.tabs()->count(), 6);
        QStringList titles;
        for (int i = 0; i < page.tabs()->count(); ++i)
            titles << page.tabs()->tabText(i);
        QCOMPARE(titles,
                 QStringList({"Zmiana cen paliw", "Zużycie paliwa ciągłe", "Zużycie paliwa - km",
                              "Zużycie paliwa - Mth", "Przebieg", "Koszty"}));
        page.prepareAfterLogin();
        page.reloadLists();
        ChartTab* mileage = page.tab(ChartKind::Mileage);
        QCOMPARE(mileage->yearList()->count(), 7);
        QCOMPARE(mileage->yearList()->currentText(), QStringLiteral("2024"));
        QVERIFY(!mileage->monthList()); // the mileage chart has no month
        QCOMPARE(page.tab(ChartKind::FuelPrices)->monthList()->currentText(),
                 QStringLiteral("(Wszystkie)"));
        QCOMPARE(page.tab(ChartKind::Consumption)->fuelList()->currentText(),
                 QStringLiteral("Paliwo płynne"));
        QCOMPARE(page.tab(ChartKind::Costs)->expenseList()->count(), 1);
        QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("przebiegRok")), mileage->yearList());

        // Choosing in a selector checks its box.
        QVERIFY(!mileage->seriesBox(1)->isChecked());
        mileage->selector(1)->setCurrentIndex(0);
        emit mileage->selector(1)->activated(0);
        QVERIFY(mileage->seriesBox(1)->isChecked());
        QCOMPARE(mileage->selector(1)->currentText(), QStringLiteral("WA 1"));
        QVERIFY(mileage->draw());
        const ChartData& drawn = mileage->view()->data();
        QCOMPARE(drawn.caption, QStringLiteral("Przebieg w roku 2024"));
        QCOMPARE(drawn.series.at(1).points.size(), 2);
        QCOMPARE(drawn.series.at(1).points.at(0).y, dec("12.5"));
        QVERIFY(!drawn.series.at(0).isShown()); // unchecked

        // A year that is not a number: told, and nothing drawn.
        mileage->yearList()->addItem(QStringLiteral("abc"));
        mileage->yearList()->setCurrentIndex(mileage->yearList()->count() - 1);
        QVERIFY(!mileage->draw());
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd"));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Niepoprawny rok. Sprawdź ustawienia filtrów w opcjach programu."));
        QVERIFY(!mileage->view()->hasChart());
        QVERIFY(mileage->view()->chart()->series().isEmpty());

        // The costs' expense kind is checked by choosing one.
        ChartTab* costs = page.tab(ChartKind::Costs);
        QVERIFY(!costs->expenseBox()->isChecked());
        costs->expenseList()->setCurrentIndex(0);
        emit costs->expenseList()->activated(0);
        QVERIFY(costs->expenseBox()->isChecked());
        QCOMPARE(costs->request()->expenseKind, std::optional<QString>(QStringLiteral("Myjnia")));

        // A reversed range of years leaves the lists empty: told, not drawn.
        programOptions().filtrRokOd = 2030;
        programOptions().filtrRokDo = 2005;
        page.prepareAfterLogin();
        QCOMPARE(mileage->yearList()->count(), 0);
        QVERIFY(!mileage->draw());
        programOptions() = ProgramOptions();
        Clock::setFixed(QDateTime());
    }
};

QTEST_MAIN(TestChartGui)
#include "tst_chartgui.moc"
