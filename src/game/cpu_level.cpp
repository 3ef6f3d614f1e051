#include "game/cpu_level.h"

#include "game/session.h"

namespace kalvenor {

void setCpuLevel(Session& session, CpuLevel level) {
    session.cpuLevel = level;
    if (session.cpuLevelChanged) {
        session.cpuLevelChanged(level);
    }
}

}  // namespace kalvenor
