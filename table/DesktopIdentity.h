#pragma once
// How the game is known on the desktop: the one id its desktop entry, its
// icon and its metadata are named by, and its icon. Installed, the icon comes
// from the desktop's icon theme; run from the build folder, from the pictures
// the build draws beside the program ("icons/hicolor/<n>x<n>/apps/<id>.png").

#include <QIcon>

#include <string>

namespace dealmoor {

// Set by the build from the same name the install rules use.
inline constexpr const char* DesktopAppId = DEALMOOR_APP_ID;

// The game's icon: the icon theme's, else the sizes drawn into the program folder.
QIcon ApplicationIcon(const std::string& programDir);

// The icon drawn into the program folder, at every size found there; null when none is.
QIcon ProgramFolderIcon(const std::string& programDir);

} // namespace dealmoor
