#include "platform/headless/control_table.h"

#include <limits>
#include <utility>

namespace kalvenor::platform::headless {

namespace {

// A handle's value: the slot index plus one in the low bits (so that no handle is null), the
// slot's generation above them.
constexpr int indexBits = 24;
constexpr std::uintptr_t indexMask = (std::uintptr_t{1} << indexBits) - 1;
constexpr std::uintptr_t generationLimit = std::numeric_limits<std::uintptr_t>::max() >> indexBits;

ControlHandle encode(std::size_t index, std::uintptr_t generation) {
    return reinterpret_cast<ControlHandle>((generation << indexBits) | (index + 1));
}

}  // namespace

ControlTable& ControlTable::instance() {
    static ControlTable table;
    return table;
}

ControlHandle ControlTable::add(Window* window, ControlRecord record) {
    std::size_t index = 0;
    if (freeSlots_.empty()) {
        if (slots_.size() >= indexMask) {
            throw UsageError("createControl: too many controls at once");
        }
        index = slots_.size();
        slots_.emplace_back();
    } else {
        index = freeSlots_.back();
        freeSlots_.pop_back();
    }
    ControlSlot& slot = slots_[index];
    slot.window = window;
    slot.record = std::move(record);
    return encode(index, slot.generation);
}

ControlSlot* ControlTable::find(ControlHandle control) {
    const auto value = reinterpret_cast<std::uintptr_t>(control);
    const std::uintptr_t indexPlusOne = value & indexMask;
    if (indexPlusOne == 0 || indexPlusOne > slots_.size()) {
        return nullptr;
    }
    ControlSlot& slot = slots_[indexPlusOne - 1];
    if (slot.window == nullptr || slot.generation != value >> indexBits) {
        return nullptr;
    }
    return &slot;
}

ControlSlot& ControlTable::at(ControlHandle control, const char* action) {
    if (control == nullptr) {
        throw UsageError(std::string(action) + ": no control");
    }
    ControlSlot* slot = find(control);
    if (slot == nullptr) {
        throw UsageError(std::string(action) + ": the control has been destroyed");
    }
    return *slot;
}

void ControlTable::remove(ControlHandle control) {
    ControlSlot* slot = find(control);
    if (slot == nullptr) {
        return;
    }
    slot->window = nullptr;
    slot->record = {};
    // A slot whose generations are used up is retired rather than risk naming an old control.
    if (++slot->generation < generationLimit) {
        freeSlots_.push_back((reinterpret_cast<std::uintptr_t>(control) & indexMask) - 1);
    }
}

}  // namespace kalvenor::platform::headless
