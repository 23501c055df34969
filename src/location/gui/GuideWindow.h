#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kv {

class TitleBand;

// What the first-run guide and the connection-problem window share: a title
// band, an explanation (the program's own rich text), a button that opens a
// PDF guide from the installation's "dokumentacja" folder and a button that
// closes the window.
class GuideWindow : public QDialog {
    Q_OBJECT
public:
    QLabel* textLabel() const { return m_text; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* guideButton() const { return m_guide; }
    // The full path of the PDF the guide button opens.
    QString guidePath() const;

protected:
    GuideWindow(const QString& caption, const QString& title, bool warning, const QString& html,
                const QString& closeText, const QString& guideText, QString guideFile,
                QWidget* parent);

private:
    TitleBand* m_band;
    QLabel* m_text;
    QPushButton* m_guide;
    QPushButton* m_close;
    QString m_guideFile;
};

// A file of the installation's "dokumentacja" folder.
QString documentationPath(const QString& fileName);
// Opens a PDF guide with the system's viewer. A missing file, or no viewer,
// is told to the user through kv::ui(); false then.
bool openDocumentation(const QString& fileName);

} // namespace kv
