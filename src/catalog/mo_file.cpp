#include "catalog/mo_file.h"

#include <cstdint>
#include <optional>

namespace kalvenor {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// The file's 32-bit words, in the byte order its magic number shows.
class MoWords {
  public:
    explicit MoWords(std::span<const unsigned char> bytes) : bytes_(bytes) { swapped_ = word(0) != kMagic; }

    bool valid() const { return bytes_.size() >= 28 && word(0) == kMagic; }

    std::uint32_t word(std::size_t offset) const {
        if (offset + 4 > bytes_.size()) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t at = swapped_ ? offset + i : offset + 3 - i;
            value = (value << 8) | bytes_[at];
        }
        return value;
    }

    // The string of a descriptor (length, offset) at `descriptor`, if it lies inside the file.
    std::optional<std::string_view> string(std::size_t descriptor) const {
        const std::size_t length = word(descriptor);
        const std::size_t offset = word(descriptor + 4);
        if (descriptor + 8 > bytes_.size() || offset > bytes_.size() || length >= bytes_.size() - offset) {
            return std::nullopt;  // the string and its terminating NUL must both fit
        }
        return std::string_view(reinterpret_cast<const char*>(bytes_.data() + offset), length);
    }

  private:
    std::span<const unsigned char> bytes_;
    bool swapped_ = false;
};

}  // namespace

std::map<std::string_view, std::string_view, std::less<>> readMoFile(std::span<const unsigned char> bytes) {
    std::map<std::string_view, std::string_view, std::less<>> messages;
    const MoWords words(bytes);
    if (!words.valid()) {
        return messages;
    }
    const std::size_t count = words.word(8);
    const std::size_t originals = words.word(12);
    const std::size_t translations = words.word(16);
    for (std::size_t i = 0; i < count; ++i) {
        const auto original = words.string(originals + 8 * i);
        const auto translation = words.string(translations + 8 * i);
        if (!original || !translation) {
            return {};
        }
        if (!original->empty() && !translation->empty()) {
            messages.emplace(*original, *translation);
        }
    }
    return messages;
}

}  // namespace kalvenor
