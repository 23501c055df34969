#pragma once

#include "framework/gui/FormRegisterModule.h"
#include "trips/TripRegister.h"
#include "trips/gui/TripDialog.h"

namespace kv {

class DistanceDialog;
class MainWindowServices;
class MonthCopyDialog;

// The trips register in the main window: its window behind the commands, with
// the trip purposes and routes reached from the window's "[...]" buttons, the
// distance table as the route's picker and the month copy of trips.
class TripModule : public FormRegisterModule<TripFormValues, TripDialog> {
public:
    explicit TripModule(ModuleContext& context);
    ~TripModule() override;

private:
    // "Utwórz kopię przejazdów na podstawie wskazanego miesiąca".
    void copyMonth(QWidget* parent);

    DataModule& m_db;
    MainWindowServices& m_services;
    std::unique_ptr<DistanceDialog> m_distances;
    std::unique_ptr<MonthCopyDialog> m_monthCopy;
};

} // namespace kv
