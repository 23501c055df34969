#include "framework/gui/ColumnSumsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

ColumnSumsWindow::ColumnSumsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfSumy"));
    setModal(false);
    setWindowTitle(QStringLiteral("Sumy"));
    auto* layout = new QVBoxLayout(this);
    m_caption = new QLabel;
    m_caption->setObjectName(QStringLiteral("LSumyNaglowek"));
    m_caption->setWordWrap(true);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    layout->addWidget(m_caption);
    m_table = new QTableWidget(1, 0);
    m_table->setObjectName(QStringLiteral("SumyGrid"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMaximumHeight(80);
    layout->addWidget(m_table);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("&Zamknij"));
    close->setObjectName(QStringLiteral("SBZamknij"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(620, 150);
}

QString ColumnSumsWindow::caption() const {
    return m_caption->text();
}

void ColumnSumsWindow::present(const ColumnSums& sums) {
    setWindowTitle(sums.caption);
    m_caption->setText(sums.caption);
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(sums.labels.size()));
    m_table->setHorizontalHeaderLabels(sums.labels);
    for (int c = 0; c < sums.labels.size(); ++c) {
        // A failed statement leaves the value cells empty.
        auto* item = new QTableWidgetItem(sums.values.value(c));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(0, c, item);
    }
    m_table->setVisible(!sums.labels.isEmpty());
    show();
    raise();
    activateWindow();
}

} // namespace kv
