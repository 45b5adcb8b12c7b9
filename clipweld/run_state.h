// The state of one clipweld run, owned by the flow and passed down.
#pragma once

#include <cstddef>
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

// The mode for a run with `arguments` elements, element 0 the program:
// re-save mode from two arguments after it on.
inline ScriptMode ModeFor(size_t arguments) {
  return arguments > 2 ? ScriptMode::kResave : ScriptMode::kJoin;
}

}  // namespace clipweld
