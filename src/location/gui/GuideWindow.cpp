#include "location/gui/GuideWindow.h"

#include "storage/SettingsPaths.h"
#include "support/gui/OpenExternally.h"
#include "support/gui/dialogs/TitleBand.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kv {

QString documentationPath(const QString& fileName) {
    return QDir(installDirectory()).filePath(QStringLiteral("dokumentacja/") + fileName);
}

bool openDocumentation(const QString& fileName) {
    return openFileExternally(documentationPath(fileName));
}

GuideWindow::GuideWindow(const QString& caption, const QString& title, bool warning,
                         const QString& html, const QString& closeText, const QString& guideText,
                         QString guideFile, QWidget* parent)
    : QDialog(parent), m_band(new TitleBand(this)), m_text(new QLabel),
      m_guide(new QPushButton(guideText, this)), m_close(new QPushButton(closeText, this)),
      m_guideFile(std::move(guideFile)) {
    setWindowTitle(caption);
    m_band->setTitle(title);
    m_band->setIcon(warning ? MessageIcon::Warning : MessageIcon::Information);

    m_text->setObjectName(QStringLiteral("tresc"));
    m_text->setTextFormat(Qt::RichText);
    m_text->setText(QStringLiteral("<style>li { margin-bottom: 6px; }</style>") + html);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setContentsMargins(20, 14, 20, 14);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_text);
    scroll->setFocusPolicy(Qt::NoFocus);

    m_guide->setObjectName(QStringLiteral("przewodnik"));
    m_guide->setAutoDefault(false);
    m_close->setObjectName(QStringLiteral("zamknij"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_guide, &QPushButton::clicked, this, [this] { openDocumentation(m_guideFile); });

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 8, 20, 14);
    buttons->addWidget(m_guide);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_band);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    m_close->setFocus();
}

QString GuideWindow::guidePath() const {
    return documentationPath(m_guideFile);
}

} // namespace kv
