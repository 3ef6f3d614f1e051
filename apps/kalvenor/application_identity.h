#pragma once

// How the desktop knows the program: its name, the desktop entry it belongs to, and its icon.

namespace kalvenor {

// The reverse-DNS id that names the desktop entry, the icon and the software-centre metadata.
inline constexpr char kApplicationId[] = KALVENOR_APPLICATION_ID;

// Names the running QApplication and gives its windows the icon: the one the icon theme has
// installed under the application id, else the copy built into the program.
void identifyApplication();

}  // namespace kalvenor
