// The take-line handling of both modes over arbitrary log bytes: the fast
// scan (plain runs searched for the take mark) does exactly what handing
// every take line of a plain line-by-line reading to the handler does, and
// folding keeps every position.
#include <cstddef>
#include <cstdint>

#include "airtally/fold_to_oem.h"
#include "airtally/log_scan.h"
#include "airtally/take_handler.h"
#include "airtally/take_line.h"
#include "airtally/texts.h"
#include "fuzz/fuzz_support.h"

namespace {

using airtally::Failure;
using airtally::RunState;

struct Outcome {
  RunState state;
  Failure failure;
  std::string console;
};

RunState Start(uint8_t flags, std::string_view search) {
  RunState state;
  if (flags & 1) state.SearchText = search.empty() ? "a" : std::string(search);
  if (flags & 2) state.counting_mode = airtally::CountingMode::AnnouncerOnly;
  state.InAnnouncerBlock = flags & 4;
  return state;
}

Outcome FastScan(uint8_t flags, std::string_view search, std::string_view log, size_t block) {
  Outcome outcome{Start(flags, search), {}, {}};
  edge::File console_file;
  const std::string console_path = (fuzz::Scratch().path() / "console.out").string();
  FUZZ_CHECK(edge::CreateForWriting(console_path, &console_file) == edge::kOk);
  edge::OutputStream console(&console_file, false);
  edge::File file = fuzz::OpenBytes(log);
  edge::LineReader reader(nullptr, block);
  outcome.failure = airtally::ScanLog(file, reader, outcome.state, console);
  FUZZ_CHECK(console.Flush() == edge::kOk);
  FUZZ_CHECK(edge::CloseFile(console_file) == edge::kOk);
  outcome.console = fuzz::Scratch().Read("console.out");
  return outcome;
}

Outcome PlainScan(uint8_t flags, std::string_view search, std::string_view log) {
  Outcome outcome{Start(flags, search), {}, {}};
  airtally::TakeHandler handler(&outcome.state);
  for (const std::string& line : fuzz::ReferenceLines(log)) {
    if (!airtally::IsTakeLine(line)) continue;
    std::string echo;
    outcome.failure = handler.HandleTakeLine(line, &echo);
    outcome.console += echo;
    if (outcome.failure) break;
  }
  return outcome;
}

void ExpectSame(const Outcome& fast, const Outcome& plain) {
  FUZZ_CHECK(fast.console == plain.console);
  FUZZ_CHECK(fast.failure.kind == plain.failure.kind);
  FUZZ_CHECK(fast.failure.text == plain.failure.text);
  FUZZ_CHECK(fast.failure.address == plain.failure.address);
  FUZZ_CHECK(fast.state.InAnnouncerBlock == plain.state.InAnnouncerBlock);
  const auto& a = fast.state.search_totals;
  const auto& b = plain.state.search_totals;
  FUZZ_CHECK(a.AiringCount == b.AiringCount && a.TotalSeconds == b.TotalSeconds);
  FUZZ_CHECK(a.MatchedText == b.MatchedText && a.LastDuration == b.LastDuration);
  FUZZ_CHECK(fast.state.clip_tally.size() == plain.state.clip_tally.size());
  for (size_t i = 0; i < fast.state.clip_tally.size(); ++i) {
    FUZZ_CHECK(fast.state.clip_tally.key(i) == plain.state.clip_tally.key(i));
    FUZZ_CHECK(fast.state.clip_tally.count(i) == plain.state.clip_tally.count(i));
  }
}

// NextTakeMarkLine over a run of plain lines finds exactly the lines that
// hold the take mark.
void CheckTakeMarkSearch(std::string_view log) {
  std::string run;
  for (size_t i = 0; i < log.size(); ++i) {
    const char c = log[i];
    // A plain run: no 0x1A, every CR right before a LF.
    if (c == '\x1A' || (c == '\r' && (i + 1 == log.size() || log[i + 1] != '\n'))) continue;
    run.push_back(c);
  }
  std::vector<std::string_view> expected;
  for (std::string_view rest = run; !rest.empty();) {
    const size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find(airtally::kTakeMark) != std::string_view::npos) expected.push_back(line);
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
  }
  std::vector<std::string_view> found;
  std::string_view line;
  for (size_t at = airtally::NextTakeMarkLine(run, 0, &line); at != std::string_view::npos;
       at = airtally::NextTakeMarkLine(run, at, &line)) {
    found.push_back(line);
  }
  FUZZ_CHECK(found == expected);
}

void CheckFolding(std::string_view text) {
  const std::string folded = airtally::FoldToOem(text);
  FUZZ_CHECK(folded.size() == text.size());
  std::string into = "left over";
  airtally::FoldToOemInto(text, &into);
  FUZZ_CHECK(into == folded);
  for (size_t k = 0; k < text.size(); ++k) {
    FUZZ_CHECK(folded[k] == airtally::FoldToOem(text.substr(k, 1))[0]);
  }
}

}  // namespace

// Input: a flags byte (search mode, announcer-only answer, open block), a
// block-size byte, the search text up to the first NUL, then the log.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t flags = data[0];
  const size_t block = data[1] % 128 + 1;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  const size_t nul = rest.find('\0');
  const std::string_view search = rest.substr(0, nul);
  const std::string_view log = nul == std::string_view::npos ? "" : rest.substr(nul + 1);

  CheckTakeMarkSearch(log);
  CheckFolding(rest);
  ExpectSame(FastScan(flags, search, log, block), PlainScan(flags, search, log));
  return 0;
}
