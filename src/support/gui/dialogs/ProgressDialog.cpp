#include "support/gui/dialogs/ProgressDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace kv {

namespace {

bool isOrdinaryWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

} // namespace

ProgressDialog::ProgressDialog(QWidget* parent)
    : QFrame(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_job(new QLabel(QStringLiteral("Sprawdzanie terminów ..."), this)),
      m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("TfPleaseWait"));
    setWindowModality(Qt::ApplicationModal);
    // Borderless: the frame is the window's only edge.
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);

    auto* wait = new QLabel(QStringLiteral("Proszę czekać ..."), this);
    wait->setObjectName(QStringLiteral("pleaseWait"));
    QFont font = wait->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    wait->setFont(font);
    wait->setAlignment(Qt::AlignCenter);

    m_job->setObjectName(QStringLiteral("jobDescription"));
    m_job->setTextFormat(Qt::PlainText);
    m_job->setAlignment(Qt::AlignCenter);

    m_bar->setObjectName(QStringLiteral("ProgressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 20);
    layout->setSpacing(10);
    layout->addWidget(wait);
    layout->addWidget(m_job);
    layout->addWidget(m_bar);
    setFixedSize(380, 130);
}

ProgressDialog::~ProgressDialog() {
    // Never leave the program's windows disabled behind a vanished window.
    enableOtherWindows();
    disappear();
}

void ProgressDialog::showProgress(int position) {
    m_bar->setValue(std::clamp(position, 0, 100));
    if (!m_active) {
        m_active = true;
        disableOtherWindows();
        appear();
    }
    // Input for the disabled windows is dropped here, not kept for later.
    QCoreApplication::processEvents();
}

void ProgressDialog::setJob(const QString& text) {
    m_job->setText(text + u' ');
}

void ProgressDialog::hideProgress() {
    if (m_active) {
        m_active = false;
        disappear();
        enableOtherWindows();
    }
    QCoreApplication::processEvents();
}

int ProgressDialog::position() const {
    return m_bar->value();
}

QString ProgressDialog::job() const {
    return m_job->text();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    // No cancel: only the work that showed the window may hide it.
    if (m_active)
        event->ignore();
    else
        QFrame::closeEvent(event);
}

void ProgressDialog::disableOtherWindows() {
    m_previouslyActive = QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // A window someone else disabled stays theirs to enable.
        if (window == this || !window->isVisible() || !window->isEnabled() ||
            !isOrdinaryWindow(window))
            continue;
        window->setEnabled(false);
        m_disabled.append(window);
    }
}

void ProgressDialog::enableOtherWindows() {
    for (const QPointer<QWidget>& window : std::as_const(m_disabled))
        if (window)
            window->setEnabled(true);
    m_disabled.clear();
    // The window the user worked in gets the keyboard back.
    if (m_previouslyActive && m_previouslyActive->isVisible())
        m_previouslyActive->activateWindow();
    m_previouslyActive = nullptr;
}

void ProgressDialog::centre() {
    const QWidget* over = m_disabled.isEmpty() ? nullptr : m_disabled.first().data();
    const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void ProgressDialog::appear() {
    centre();
    show();
    raise();
    if (!m_waitCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursor = true;
    }
}

void ProgressDialog::disappear() {
    hide();
    if (m_waitCursor) {
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
}

ProgressDialog::Aside::Aside(ProgressDialog* window)
    : m_window(window), m_wasShown(window && window->m_active && window->isVisible()) {
    if (m_wasShown)
        m_window->disappear();
}

ProgressDialog::Aside::~Aside() {
    if (m_wasShown && m_window->m_active)
        m_window->appear();
}

} // namespace kv
