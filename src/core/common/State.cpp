// The program's single set of module-wide values.
#include "core/common/State.h"

namespace qv {

ModuleState& State() {
    static ModuleState state;
    return state;
}

SuppressEventsScope::SuppressEventsScope() : previous_(State().SuppressEvents) {
    State().SuppressEvents = true;
}

SuppressEventsScope::~SuppressEventsScope() { State().SuppressEvents = previous_; }

}  // namespace qv
