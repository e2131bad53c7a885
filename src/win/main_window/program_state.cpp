#include "win/main_window/program_state.h"

namespace tpr::win {

ProgramState& Program() {
    static ProgramState state;
    return state;
}

}  // namespace tpr::win
