#include "trips/gui/RoadCardModule.h"

#include "trips/gui/DistanceDialog.h"

namespace kv {

RoadCardModule::RoadCardModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return roadCardEditing(m_db); }, c.windowParent),
      m_db(c.db) {
    window().pickDistance = [this, parent = c.windowParent] {
        if (!m_distances)
            m_distances = std::make_unique<DistanceDialog>(m_db, parent);
        return m_distances->pick();
    };
}

RoadCardModule::~RoadCardModule() = default;

} // namespace kv
