// The workstation's single reverse-run state.
#include "core/workstation/ReverseRunState.h"

#include "core/common/State.h"

namespace qv {

ReverseRunState& ReverseRun() {
    static ReverseRunState state;
    return state;
}

std::string SystemFile(const std::string& name) { return State().Config.SystemFolder + name; }

}  // namespace qv
