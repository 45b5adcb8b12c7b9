// The state of one clipweld run, owned by the flow and passed down.
#pragma once

#include <string>

namespace clipweld {

// Join mode: one file opened, the others appended, nothing saved. Re-save
// mode: each file opened, set up and saved behind the output prefix.
enum class ScriptMode { kJoin, kResave };

struct RunState {
  ScriptMode mode = ScriptMode::kJoin;
  std::string OutputPrefix;  // argument 2, read in re-save mode only
  // False: the next listed file gets an Open line; true: an Append line.
  bool FileOpened = false;
};

// Re-save mode from two arguments on (argument 0, the program, not counted).
inline ScriptMode ModeFor(size_t argument_count) {
  return argument_count > 2 ? ScriptMode::kResave : ScriptMode::kJoin;
}

}  // namespace clipweld
