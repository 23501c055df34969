#include "reports/gui/ReportPreviewDialog.h"

#include "reportengine/PagePainter.h"
#include "reports/ReportCatalog.h"
#include "support/UserInterface.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

// Dots per millimetre of the screen at 100 %.
constexpr double kScreenDotsPerMm = 96.0 / 25.4;

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ReportPreviewDialog::ReportPreviewDialog(report::ReportDocument doc, QWidget* parent)
    : QDialog(parent), m_doc(std::move(doc)) {
    setObjectName(QStringLiteral("TfPodgladRaportu"));
    setWindowTitle(kReportTitle);
    setModal(true);
    resize(980, 760);

    auto* bar = new QHBoxLayout;
    auto* first = button(QStringLiteral("|<"), "SBPierwsza", this);
    auto* prev = button(QStringLiteral("<"), "SBPoprzednia", this);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lStrona"));
    auto* next = button(QStringLiteral(">"), "SBNastepna", this);
    auto* last = button(QStringLiteral(">|"), "SBOstatnia", this);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("CBSkala"));
    for (int percent : {50, 75, 100, 125, 150, 200, 300})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    m_zoomBox->setCurrentIndex(2);
    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("fSzukaj"));
    m_findText->setPlaceholderText(QStringLiteral("Szukany tekst"));
    m_findText->setMinimumWidth(180);
    auto* find = button(QStringLiteral("Szukaj"), "SBSzukaj", this);
    auto* print = button(QStringLiteral("Drukuj"), "SBDrukuj", this);
    auto* pdf = button(QStringLiteral("Zapisz PDF"), "SBZapiszPDF", this);
    auto* close = button(QStringLiteral("Zamknij"), "SBZamknij", this);
    bar->addWidget(first);
    bar->addWidget(prev);
    bar->addWidget(m_pageLabel);
    bar->addWidget(next);
    bar->addWidget(last);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("Skala:"), this));
    bar->addWidget(m_zoomBox);
    bar->addSpacing(12);
    bar->addWidget(m_findText, 1);
    bar->addWidget(find);
    bar->addSpacing(12);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addWidget(close);

    m_view = new QLabel;
    m_view->setObjectName(QStringLiteral("PodgladStrony"));
    m_view->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(prev, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(last, &QPushButton::clicked, this,
            [this] { showPage(static_cast<int>(m_doc.pages.size()) - 1); });
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this,
            [this] { setZoom(m_zoomBox->currentData().toDouble()); });
    connect(find, &QPushButton::clicked, this, [this] { findNext(m_findText->text()); });
    connect(m_findText, &QLineEdit::returnPressed, this, [this] { findNext(m_findText->text()); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(pdf, &QPushButton::clicked, this, [this] { askPdfPath(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    render();
}

void ReportPreviewDialog::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, 0.25, 4.0);
    // The list shows the scale however it was set.
    const QSignalBlocker quiet(m_zoomBox);
    const int index = m_zoomBox->findData(m_zoom);
    if (index >= 0)
        m_zoomBox->setCurrentIndex(index);
    render();
}

void ReportPreviewDialog::showPage(int page) {
    m_page = std::clamp(page, 0, std::max(0, static_cast<int>(m_doc.pages.size()) - 1));
    render();
}

bool ReportPreviewDialog::findNext(const QString& text) {
    if (text.trimmed().isEmpty())
        return false;
    const report::TextPlace after = text == m_lastFind ? m_found : report::TextPlace{};
    m_lastFind = text;
    m_found = report::findText(m_doc, text, after);
    if (m_found.page < 0) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Nie znaleziono tekstu \"%1\".").arg(text));
        render();
        return false;
    }
    m_page = m_found.page;
    render();
    // Scroll the match into view.
    const QRectF box = m_doc.pages.at(m_page).texts.at(m_found.text).box;
    const double scale = kScreenDotsPerMm * m_zoom;
    m_scroll->ensureVisible(qRound(box.center().x() * scale), qRound(box.center().y() * scale), 50,
                            50);
    return true;
}

void ReportPreviewDialog::render() {
    const int pages = static_cast<int>(m_doc.pages.size());
    m_pageLabel->setText(QStringLiteral("Strona %1 z %2").arg(pages ? m_page + 1 : 0).arg(pages));
    const double scale = kScreenDotsPerMm * m_zoom;
    QImage image(qRound(m_doc.pageWidth * scale), qRound(m_doc.pageHeight * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    report::paintPage(painter, m_doc, m_page, scale, highlightedText());
    painter.end();
    m_view->setPixmap(QPixmap::fromImage(image));
}

void ReportPreviewDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_doc.title);
    printer.setPageSize(
        QPageSize(QSizeF(m_doc.pageWidth, m_doc.pageHeight), QPageSize::Millimeter));
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drukuj"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ui().information(QStringLiteral("Błąd"), QStringLiteral("Nie można rozpocząć wydruku."));
        return;
    }
    const double dotsPerMm = printer.resolution() / 25.4;
    int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    int to = printer.toPage() > 0 ? printer.toPage() - 1 : static_cast<int>(m_doc.pages.size()) - 1;
    to = std::min(to, static_cast<int>(m_doc.pages.size()) - 1);
    for (int p = from; p <= to; ++p) {
        if (p > from)
            printer.newPage();
        report::paintPage(painter, m_doc, p, dotsPerMm);
    }
    painter.end();
}

bool ReportPreviewDialog::savePdf(const QString& path) {
    QString error;
    if (report::writePdf(m_doc, path, &error))
        return true;
    ui().information(QStringLiteral("Błąd"), error);
    return false;
}

void ReportPreviewDialog::askPdfPath() {
    QFileDialog dialog(this, QStringLiteral("Zapisz PDF"), QDir::homePath(),
                       QStringLiteral("Dokument PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Zapisz"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Anuluj"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nazwa pliku:"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    savePdf(dialog.selectedFiles().first());
}

void showReportPreview(report::ReportDocument doc, QWidget* parent) {
    ReportPreviewDialog dialog(std::move(doc), parent);
    dialog.exec();
}

} // namespace kv
