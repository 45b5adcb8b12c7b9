// Reading the Desktop record of an XDG user-dirs file.
#include "edge/user_dirs.h"

#include <optional>

namespace edge {
namespace {

void SkipBlanks(std::string_view* text) {
  while (!text->empty() && (text->front() == ' ' || text->front() == '\t')) text->remove_prefix(1);
}

bool Consume(std::string_view* text, std::string_view prefix) {
  if (!text->starts_with(prefix)) return false;
  text->remove_prefix(prefix.size());
  return true;
}

// The folder one line records, or nothing when it is no usable Desktop record.
std::optional<std::string> DesktopRecord(std::string_view line, std::string_view home) {
  SkipBlanks(&line);
  if (!Consume(&line, "XDG_DESKTOP_DIR")) return std::nullopt;
  SkipBlanks(&line);
  if (!Consume(&line, "=")) return std::nullopt;
  SkipBlanks(&line);
  if (!Consume(&line, "\"")) return std::nullopt;
  std::string folder;
  // $HOME only as a whole word: "$HOME/x" or "$HOME" alone, never "$HOMEx".
  if (line.starts_with("$HOME/") || line.starts_with("$HOME\"")) {
    if (home.empty()) return std::nullopt;
    folder = home;
    line.remove_prefix(5);
  } else if (!line.starts_with('/')) {
    return std::nullopt;
  }
  while (!line.empty() && line.front() != '"') {
    if (line.front() == '\\' && line.size() > 1) line.remove_prefix(1);
    folder += line.front();
    line.remove_prefix(1);
  }
  return folder;
}

}  // namespace

std::string UserDirsFilePath(std::string_view xdg_config_home, std::string_view home) {
  if (xdg_config_home.starts_with('/')) return std::string(xdg_config_home) + "/user-dirs.dirs";
  if (home.starts_with('/')) return std::string(home) + "/.config/user-dirs.dirs";
  return {};
}

std::string DesktopDirFromUserDirs(std::string_view text, std::string_view home) {
  std::string folder;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (std::optional<std::string> record = DesktopRecord(line, home)) folder = std::move(*record);
  }
  return folder;
}

}  // namespace edge
