#include "resources/my_icon.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kalvenor {

std::string myIconPath() {
    constexpr std::array<std::string_view, 2> directories = {KALVENOR_RESOURCE_INSTALL_DIR,
                                                             KALVENOR_RESOURCE_SOURCE_DIR};
    constexpr std::array<std::string_view, 2> names = {"my_icon.svg", "my_icon.png"};
    for (const std::string_view directory : directories) {
        for (const std::string_view name : names) {
            const std::filesystem::path candidate = std::filesystem::path(directory) / name;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error)) {
                return candidate.string();
            }
        }
    }
    return {};
}

}  // namespace kalvenor
