#pragma once

#include "framework/gui/FormRegisterModule.h"
#include "trips/RoadCardRegister.h"
#include "trips/gui/RoadCardDialog.h"

namespace kv {

class DistanceDialog;

// The road cards register in the main window: its window behind the
// commands, with the distance table as the route's picker.
class RoadCardModule : public FormRegisterModule<RoadCardFormValues, RoadCardDialog> {
public:
    explicit RoadCardModule(ModuleContext& context);
    ~RoadCardModule() override;

private:
    DataModule& m_db;
    std::unique_ptr<DistanceDialog> m_distances;
};

} // namespace kv
