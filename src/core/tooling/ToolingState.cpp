// The program's single set of tooling values.
#include "core/tooling/ToolingState.h"

namespace qv {

ToolingState& Tooling() {
    static ToolingState state;
    return state;
}

}  // namespace qv
