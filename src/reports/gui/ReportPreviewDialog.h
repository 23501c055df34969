#pragma once

#include "reportengine/PageModel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QComboBox;
class QScrollArea;
class QPushButton;

namespace kv {

// The report preview, modal, titled "Wydruk z programu Karvento": the laid-out
// pages at a chosen zoom, page by page, with find (the match marked and its
// page shown), print, "Zapisz PDF" and close. It paints the pages it is
// given; nothing is laid out again.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    ReportPreviewDialog(report::ReportDocument doc, QWidget* parent = nullptr);

    int currentPage() const { return m_page; }
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void showPage(int page);
    // Finds the next match of the text; false, told to the user, when none.
    bool findNext(const QString& text);
    int highlightedText() const { return m_found.page == m_page ? m_found.text : -1; }
    // Writes the pages as a PDF file; false, told to the user, on failure.
    bool savePdf(const QString& path);
    const report::ReportDocument& document() const { return m_doc; }

private:
    void render();
    void print();
    void askPdfPath();

    report::ReportDocument m_doc;
    int m_page = 0;
    double m_zoom = 1.0;
    report::TextPlace m_found;
    QString m_lastFind;
    QLabel* m_view;
    QLabel* m_pageLabel;
    QComboBox* m_zoomBox;
    QLineEdit* m_findText;
    QScrollArea* m_scroll;
};

// Shows a document in the preview, modally.
void showReportPreview(report::ReportDocument doc, QWidget* parent);

} // namespace kv
