#include "app/KarventoApplication.h"

#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/ProgramVersion.h"

#include <QHelpEvent>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

namespace kv {

KarventoApplication::KarventoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Karvento "));
    setApplicationVersion(programVersion());
    setOrganizationName(QStringLiteral("Dravelon"));
    // The desktop entry the windows belong to (its name and icon in the task bar).
    setDesktopFileName(QStringLiteral("karvento"));
    installEventFilter(this);
}

bool KarventoApplication::eventFilter(QObject* watched, QEvent* event) {
    // A control with only a short hint shows it in the status bar as well, as
    // Qt does by itself for controls with a status tip.
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->statusTip().isEmpty() && !widget->toolTip().isEmpty()) {
            QStatusTipEvent tip(event->type() == QEvent::Enter ? widget->toolTip() : QString());
            QCoreApplication::sendEvent(widget, &tip);
        }
    }
    if (event->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && !widget->toolTip().isEmpty()) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, kHintHidePause);
            return true;
        }
    }
    return QApplication::eventFilter(watched, event);
}

bool KarventoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 0);
    } catch (const std::exception& e) {
        reportDatabaseError(QString::fromLocal8Bit(e.what()), true, 0);
    } catch (...) {
        reportDatabaseError(QStringLiteral("Nieznany błąd"), true, 0);
    }
    return false;
}

} // namespace kv
