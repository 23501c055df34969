#include "framework/gui/RegisterModule.h"

#include "framework/RegisterController.h"

namespace kv {

RegisterId RegisterModule::id() const {
    return m_controller.descriptor().id;
}

} // namespace kv
