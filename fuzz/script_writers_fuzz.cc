// The script writers over arbitrary listed paths and output prefixes: the
// script file and the console hold exactly the lines the pure functions
// give, in order, whatever the buffering.
#include <cstddef>
#include <cstdint>

#include "clipweld/escape_script_path.h"
#include "clipweld/script_lines.h"
#include "fuzz/fuzz_support.h"

namespace {

struct Stream {
  explicit Stream(const char* name) : path((fuzz::Scratch().path() / name).string()) {
    FUZZ_CHECK(edge::CreateForWriting(path, &file) == edge::kOk);
  }
  // Everything written, once the stream is closed.
  std::string Finish() {
    FUZZ_CHECK(output.Flush() == edge::kOk);
    FUZZ_CHECK(edge::CloseFile(file) == edge::kOk);
    return fuzz::Scratch().Read(std::filesystem::path(path).filename().string());
  }
  std::string path;
  edge::File file;
  edge::OutputStream output{&file, false};
};

}  // namespace

// Input: a mode byte, the output prefix up to the first NUL, then the listed
// paths, one a line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  clipweld::RunState state;
  state.mode = data[0] & 1 ? clipweld::ScriptMode::kResave : clipweld::ScriptMode::kJoin;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t nul = rest.find('\0');
  state.OutputPrefix = rest.substr(0, nul);
  const std::vector<std::string> paths =
      fuzz::ReferenceLines(nul == std::string_view::npos ? "" : rest.substr(nul + 1));

  Stream script("script.vcf");
  Stream console("console.out");
  std::string expected_script;
  std::string expected_console;
  for (const std::string& path : paths) {
    const std::string escaped = clipweld::EscapeScriptPath(path);
    const std::string line = clipweld::SourceLine(escaped, state.FileOpened) + "\r\n";
    expected_script += line;
    expected_console += line;
    FUZZ_CHECK(!clipweld::WriteSourceLine(script.output, console.output, escaped, state));
    FUZZ_CHECK(state.FileOpened);
    if (state.mode == clipweld::ScriptMode::kResave) {
      expected_script += clipweld::SettingsBlock(state.mode);
      expected_script += clipweld::SaveAndCloseLines(path, state.OutputPrefix);
      FUZZ_CHECK(!clipweld::WriteSettingsBlock(script.output, state.mode));
      FUZZ_CHECK(!clipweld::WriteSaveAndClose(script.output, path, state.OutputPrefix));
      state.FileOpened = false;
    }
    // The file name saved is the escaped part after the last separator.
    const std::string name = clipweld::OutputFileName(path);
    FUZZ_CHECK(escaped.ends_with(name));
  }
  FUZZ_CHECK(script.Finish() == expected_script);
  FUZZ_CHECK(console.Finish() == expected_console);
  return 0;
}
