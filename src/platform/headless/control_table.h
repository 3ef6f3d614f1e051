#pragma once

// The controls of every headless window, in one table of reusable slots. A handle names a slot
// and the generation the slot had when the control was made; destroying the control frees the
// slot and advances its generation, so a stale handle is recognised for what it is (and never
// passes for the control that reuses the slot) while memory stays that of the live controls.
// Like the game, the backend runs on one thread.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/window_system.h"

namespace kalvenor::platform::headless {

struct ControlSlot {
    Window* window = nullptr;  // null while the slot is free
    std::uintptr_t generation = 0;
    ControlRecord record;
};

class ControlTable {
  public:
    // The table of this process.
    static ControlTable& instance();

    ControlHandle add(Window* window, ControlRecord record);
    // The slot of a live control; null for a null, destroyed or never issued handle.
    ControlSlot* find(ControlHandle control);
    // The slot of a live control; throws UsageError naming `action` for any other handle.
    ControlSlot& at(ControlHandle control, const char* action);
    // Frees the slot of a live control.
    void remove(ControlHandle control);

  private:
    std::deque<ControlSlot> slots_;  // a deque: records stay where they are while it grows
    std::vector<std::size_t> freeSlots_;
};

}  // namespace kalvenor::platform::headless
