#include "deadlines/DeadlineCheck.h"

#include "deadlines/DeadlineLoading.h"
#include "support/Clock.h"
#include "support/UserInterface.h"

#include <QElapsedTimer>
#include <cmath>
#include <memory>

namespace kv {

namespace {

const QString kQuestionCaption = QStringLiteral("Pytanie");
const QString kInformationCaption = QStringLiteral("Informacja");

// The progress and the one stop question of a run.
class StopState {
public:
    StopState(const DeadlineRequest& request, const DeadlineRunContext& context)
        : m_progressShown(request.interruptible), m_mayAsk(request.interruptible),
          m_allowed(context.options.cbInterruptLongChecking), m_elapsed(context.elapsedMs) {}

    bool stop(double step) {
        if (m_progressShown) {
            m_position += step;
            ui().progressShow(static_cast<int>(std::lround(m_position)));
        }
        if (!m_mayAsk || !m_allowed || !m_elapsed || m_elapsed() <= kLongCheckMs)
            return false;
        m_mayAsk = false;
        if (!ui().question(kQuestionCaption, kStopQuestion, DefaultAnswer::No))
            return false;
        ui().information(kInformationCaption, kStopAdvice);
        hide();
        return true;
    }
    void hide() {
        if (m_progressShown)
            ui().progressHide();
        m_progressShown = false;
    }
    void job(const QString& text) {
        if (m_progressShown)
            ui().progressJob(text);
    }

private:
    bool m_progressShown;
    bool m_mayAsk;
    bool m_allowed;
    std::function<qint64()> m_elapsed;
    double m_position = 0;
};

} // namespace

DeadlineRequest startupDeadlineRequest(const ProgramOptions& o) {
    return {o.sprawdzajTerminy, o.sprawdzajPrzebieg, o.cbMAGAZYN, true, true};
}

DeadlineRequest menuDeadlineRequest() {
    return {true, true, false, false, true};
}

DeadlineRequest menuWarehouseRequest() {
    return {false, false, true, false, false};
}

DeadlineRunContext currentDeadlineContext() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return {Clock::today(), programOptions(), currentLogin().permissions,
            [timer] { return timer->elapsed(); }};
}

DeadlineRunResult runDeadlineCheck(DataModule& db, const DeadlineRequest& request,
                                   const DeadlineRunContext& context) {
    DeadlineRunResult result;
    if (!request.dates && !request.mileage && !request.warehouse)
        return result;
    StopState stop(request, context);
    if (request.interruptible) {
        ui().progressJob(QStringLiteral("Sprawdzanie terminów (wg daty)..."));
        ui().progressShow(0);
    }

    DeadlineInput in;
    in.today = context.today;
    in.options = context.options;
    in.permissions = context.permissions;
    const bool warehouse = request.warehouse && context.permissions.has(kWarehouseReadPermission);
    in.checks = {request.dates, request.mileage, warehouse};

    bool mileageJobShown = false;
    DeadlineLoad load = loadDeadlineCandidates(db, std::move(in), [&](double step) {
        if (request.mileage && !mileageJobShown && step != 2) {
            mileageJobShown = true;
            stop.job(QStringLiteral("Sprawdzanie terminów (wg przebiegu)..."));
        }
        return stop.stop(step);
    });
    result.failedCodes = load.failedCodes;
    if (load.stopped) {
        result.aborted = true;
        stop.hide();
        return result;
    }
    result.lists = dueDeadlines(load.input);
    result.shown[0] = request.dates;
    result.shown[1] = request.mileage;
    result.shown[2] = warehouse;

    const bool dates = result.lists.dates.hasResults();
    const bool mileage = result.lists.mileage.hasResults();
    const bool parts = result.lists.warehouse.hasResults();
    result.anyFound = dates || mileage || parts;
    // The last page filled is active unless one of them found something.
    if (request.dates)
        result.activePage = ReminderListKind::Dates;
    if (request.mileage)
        result.activePage = ReminderListKind::Mileage;
    if (warehouse)
        result.activePage = ReminderListKind::Warehouse;
    if (dates)
        result.activePage = ReminderListKind::Dates;
    else if (mileage)
        result.activePage = ReminderListKind::Mileage;
    else if (parts)
        result.activePage = ReminderListKind::Warehouse;
    stop.hide();
    result.showWindow = result.anyFound || !request.quiet;
    return result;
}

} // namespace kv
