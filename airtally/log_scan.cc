// The scan over the list and its logs. Most log lines are no take lines, so
// plain runs of lines are searched for the take mark as a whole, and only
// the lines that hold it are looked at closely.
#include "airtally/log_scan.h"

#include <array>
#include <cstring>
#include <string>

#include "airtally/take_handler.h"
#include "airtally/take_line.h"
#include "airtally/texts.h"

namespace airtally {
namespace {

// Boyer-Moore-Horspool search for the take mark.
class TakeMarkSearch {
 public:
  TakeMarkSearch() {
    skip_.fill(kTakeMark.size());
    for (size_t i = 0; i + 1 < kTakeMark.size(); ++i) {
      skip_[static_cast<unsigned char>(kTakeMark[i])] = kTakeMark.size() - 1 - i;
    }
  }

  size_t Find(std::string_view text, size_t from) const {
    const size_t last = kTakeMark.size() - 1;
    const char* const data = text.data();
    for (size_t at = from; at + last < text.size();) {
      const char tail = data[at + last];
      if (tail == kTakeMark[last] && std::memcmp(data + at, kTakeMark.data(), last) == 0) {
        return at;
      }
      at += skip_[static_cast<unsigned char>(tail)];
    }
    return std::string_view::npos;
  }

 private:
  std::array<size_t, 256> skip_;
};

const TakeMarkSearch kTakeMarkSearch;

Failure HandleTake(TakeHandler& handler, std::string_view line, edge::OutputStream& console,
                   std::string* echo) {
  echo->clear();
  const Failure failure = handler.HandleTakeLine(line, echo);
  // The echo goes out even when the take then failed: it was written first.
  if (!echo->empty()) {
    if (Failure written = InOutFailure(console.Write(*echo), kPlaceTakeEcho)) return written;
  }
  return failure;
}

}  // namespace

size_t NextTakeMarkLine(std::string_view run, size_t from, std::string_view* line) {
  const size_t mark = kTakeMarkSearch.Find(run, from);
  if (mark == std::string_view::npos) return std::string_view::npos;
  const size_t previous_lf = run.rfind('\n', mark);
  const size_t start = previous_lf == std::string_view::npos ? 0 : previous_lf + 1;
  size_t end = run.find('\n', mark);
  const size_t next = end == std::string_view::npos ? run.size() : end + 1;
  if (end == std::string_view::npos) end = run.size();
  if (end > start && run[end - 1] == '\r') --end;
  *line = run.substr(start, end - start);
  return next;
}

Failure ScanLog(edge::File& log, edge::LineReader& reader, RunState& state,
                edge::OutputStream& console) {
  reader.Restart(&log);
  TakeHandler handler(&state);
  std::string echo;
  for (;;) {
    std::string_view run;
    if (Failure failure = InOutFailure(reader.ReadPlainLines(&run), kPlaceReadLog)) return failure;
    if (!run.empty()) {
      std::string_view line;
      for (size_t at = NextTakeMarkLine(run, 0, &line); at != std::string_view::npos;
           at = NextTakeMarkLine(run, at, &line)) {
        if (line.find(kMovieMark) == std::string_view::npos) continue;
        if (Failure failure = HandleTake(handler, line, console, &echo)) return failure;
      }
      continue;
    }
    bool at_end = false;
    if (Failure failure = InOutFailure(reader.AtEnd(&at_end), kPlaceReadLog)) return failure;
    if (at_end) return {};
    std::string_view line;
    if (Failure failure = InOutFailure(reader.ReadLine(&line), kPlaceReadLog)) return failure;
    if (IsTakeLine(line)) {
      if (Failure failure = HandleTake(handler, line, console, &echo)) return failure;
    }
  }
}

Failure ScanLogList(edge::LineReader& list, RunState& state, edge::OutputStream& console) {
  edge::LineReader log_reader(nullptr);
  for (;;) {
    bool at_end = false;
    if (Failure failure = InOutFailure(list.AtEnd(&at_end), kPlaceReadList)) return failure;
    if (at_end) return {};
    std::string_view path;
    if (Failure failure = InOutFailure(list.ReadLine(&path), kPlaceReadList)) return failure;
    if (!IsLogPath(path)) continue;
    edge::OsError written = console.Write(kLogEchoPrefix);
    if (written == edge::kOk) written = console.WriteLine(path);
    if (Failure failure = InOutFailure(written, kPlaceLogEcho)) return failure;
    edge::File log;
    // A log that cannot be opened is skipped without a word.
    if (edge::OpenForReading(path, &log) != edge::kOk) continue;
    if (Failure failure = ScanLog(log, log_reader, state, console)) return failure;
    if (Failure failure = InOutFailure(edge::CloseFile(log), kPlaceCloseLog)) return failure;
  }
}

}  // namespace airtally
