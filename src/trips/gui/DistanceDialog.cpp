#include "trips/gui/DistanceDialog.h"

#include "framework/gui/FormFields.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace kv {

DistanceDialog::DistanceDialog(DataModule& db, QWidget* parent) : QDialog(parent), m_db(db) {
    setObjectName(QStringLiteral("TfOdleglosci"));
    setWindowTitle(QStringLiteral("Tabela odległości"));
    m_departure = newListField(QStringLiteral("CBSkad"), false, 24);
    m_arrival = newListField(QStringLiteral("CBDokad"), false, 24);
    m_result = new QLabel;
    m_result->setObjectName(QStringLiteral("LOdleglosc"));
    QFont big = m_result->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_result->setFont(big);
    auto* copy = new QPushButton(QStringLiteral("&Kopiuj do schowka"));
    copy->setObjectName(QStringLiteral("BKopiuj"));
    copy->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BOK"));
    ok->setAutoDefault(false);
    m_cancel = new QPushButton(QStringLiteral("&Anuluj"));
    m_cancel->setObjectName(QStringLiteral("BAnuluj"));
    m_cancel->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Miejsce wyjazdu"), m_departure);
    form->addRow(QStringLiteral("Miejsce przyjazdu"), m_arrival);
    form->addRow(QStringLiteral("Odległość"), m_result);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // A list closed on a choice, left, or Enter pressed in it: the pair is
    // looked up again.
    for (QComboBox* box : {m_departure, m_arrival}) {
        connect(box, &QComboBox::activated, this, &DistanceDialog::lookUp);
        connect(box, &QComboBox::currentIndexChanged, this, &DistanceDialog::lookUp);
        box->installEventFilter(this);
    }
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_answer.km); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool DistanceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        lookUp();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lookUp();
            return true; // Enter looks up; it does not close the window
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DistanceDialog::fillLists() {
    const QString departure = m_departure->currentText();
    const QString arrival = m_arrival->currentText();
    const DistancePlaces places = loadDistancePlaces(m_db);
    for (auto [box, items, keep] : {std::tuple{m_departure, places.departures, departure},
                                    std::tuple{m_arrival, places.arrivals, arrival}}) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(items.isEmpty() ? -1 : std::max(0, int(items.indexOf(keep))));
    }
    lookUp();
}

void DistanceDialog::lookUp() {
    if (m_departure->currentIndex() < 0 || m_arrival->currentIndex() < 0)
        m_answer = {};
    else
        m_answer = lookupDistance(m_db, m_departure->currentText(), m_arrival->currentText());
    m_result->setText(m_answer.shown());
}

std::optional<DistancePick> DistanceDialog::pick() {
    fillLists();
    m_cancel->show();
    setModal(true);
    const int result = exec();
    m_cancel->hide();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return DistancePick{m_departure->currentText(), m_arrival->currentText(), m_answer.km};
}

void DistanceDialog::showTool() {
    if (isVisible() && !isModal()) {
        raise();
        activateWindow();
        return;
    }
    fillLists();
    m_cancel->hide();
    setModal(false);
    show();
}

} // namespace kv
