#include "framework/gui/FindTextDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

FindTextDialog::FindTextDialog(QWidget* parent)
    : QDialog(parent), m_text(new QLineEdit(this)), m_matchCase(new QCheckBox(this)),
      m_find(new QPushButton(QStringLiteral("&Znajdź następny"), this)) {
    setObjectName(QStringLiteral("FindText"));
    setWindowTitle(QStringLiteral("Szukaj"));
    setModal(false);
    m_text->setObjectName(QStringLiteral("FindTextText"));
    m_text->setMinimumWidth(240);
    m_matchCase->setObjectName(QStringLiteral("FindTextMatchCase"));
    m_matchCase->setText(QStringLiteral("&Uwzględniaj wielkość liter"));
    m_matchCase->setChecked(true);
    m_matchCase->setEnabled(false);
    m_matchCase->setToolTip(
        QStringLiteral("Małe litery a–z znajdują też wielkie; pozostałe litery, także polskie, "
                       "muszą się zgadzać dokładnie"));
    m_find->setObjectName(QStringLiteral("FindTextNext"));
    m_find->setDefault(true);
    m_find->setAutoDefault(true);
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("FindTextClose"));
    close->setAutoDefault(false);

    auto* label = new QLabel(QStringLiteral("&Szukany tekst:"), this);
    label->setBuddy(m_text);
    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_matchCase, 1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_find);
    buttons->addWidget(close);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(m_find, &QPushButton::clicked, this, [this] { emit findNext(text()); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindTextDialog::text() const {
    return m_text->text();
}

void FindTextDialog::present() {
    // The first time in the lower right corner of the window, clear of the
    // rows near the top that a search usually lands on; later where the user
    // left it.
    if (!m_placed && parentWidget()) {
        adjustSize();
        const QWidget* window = parentWidget()->window();
        const QPoint corner = window->mapToGlobal(QPoint(window->width(), window->height()));
        move(corner - QPoint(width() + 40, height() + 140));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

} // namespace kv
