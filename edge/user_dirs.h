// Where a Linux desktop records the user's Desktop folder: the XDG user-dirs
// file. Pure text handling, so every host can test it.
#pragma once

#include <string>
#include <string_view>

namespace edge {

// The host path of the user-dirs file: `xdg_config_home` + "/user-dirs.dirs",
// or `home` + "/.config/user-dirs.dirs" when `xdg_config_home` is empty or
// relative (such a value is invalid and ignored). Empty when neither gives an
// absolute folder.
std::string UserDirsFilePath(std::string_view xdg_config_home, std::string_view home);

// The Desktop folder that the user-dirs file text `text` records, as a host
// path; empty when it records none. The record is a line
// XDG_DESKTOP_DIR="value" (blanks allowed around the '='); the value is an
// absolute path or one that begins with $HOME, which stands for `home`; a
// backslash takes the next character literally. A line whose value is
// neither, or that begins with $HOME while `home` is empty, is ignored; of
// several records the last one counts.
std::string DesktopDirFromUserDirs(std::string_view text, std::string_view home);

}  // namespace edge
