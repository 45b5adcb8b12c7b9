// The scan over the list and its logs. Most log lines are no take lines, so
// plain runs of lines are searched for the take mark as a whole, and only
// the lines that hold it are looked at closely.
#include "airtally/log_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "airtally/take_handler.h"
#include "airtally/take_line.h"
#include "airtally/texts.h"
#include "edge/byte_vectors.h"

namespace airtally {
namespace {

// Finds the take mark 64 bytes at a time: a position can hold the mark only
// where the mark's first and last bytes both stand at the right distance, and
// most blocks have no such position at all. The vectors are the compiler's
// generic ones, so this builds for every target.
using edge::Bytes16;
using edge::Load16;

// The first position of [at, at + 16) where the whole mark stands, or npos.
size_t MarkInSixteen(const char* data, size_t at, Bytes16 lanes_hit) {
  uint64_t halves[2];
  edge::Halves(lanes_hit, halves);
  for (int half = 0; half < 2; ++half) {
    // A hit lane is a whole byte of ones.
    for (uint64_t lanes = halves[half]; lanes != 0;) {
      const int bit = std::countr_zero(lanes);
      const size_t candidate = at + half * 8 + bit / 8;
      if (std::memcmp(data + candidate, kTakeMark.data(), kTakeMark.size()) == 0) return candidate;
      lanes &= ~(uint64_t{0xFF} << bit);
    }
  }
  return std::string_view::npos;
}

size_t FindTakeMark(std::string_view text, size_t from) {
  constexpr size_t kLast = kTakeMark.size() - 1;
  static const Bytes16 kFirstByte = edge::Broadcast16(kTakeMark.front());
  static const Bytes16 kLastByte = edge::Broadcast16(kTakeMark.back());
  const char* const data = text.data();
  const size_t n = text.size();
  const auto hits = [&](size_t at) {
    return (Load16(data + at) == kFirstByte) & (Load16(data + at + kLast) == kLastByte);
  };
  size_t at = from;
  for (; at + kLast + 64 <= n; at += 64) {
    if (!edge::AnyLane(hits(at) | hits(at + 16) | hits(at + 32) | hits(at + 48))) continue;
    for (size_t part = at; part < at + 64; part += 16) {
      const size_t mark = MarkInSixteen(data, part, hits(part));
      if (mark != std::string_view::npos) return mark;
    }
  }
  return text.find(kTakeMark, at);
}

// The scan of one log: hands its take lines to the mode's handling and
// writes their echoes.
class LogScanner {
 public:
  LogScanner(RunState& state, edge::OutputStream& console)
      : state_(state), console_(console), handler_(&state) {}

  // Every take line of a run of plain lines (LineReader::ReadPlainLines).
  Failure ScanPlainRun(std::string_view run) {
    takes_.clear();
    std::string_view line;
    for (size_t at = NextTakeMarkLine(run, 0, &line); at != std::string_view::npos;
         at = NextTakeMarkLine(run, at, &line)) {
      if (line.find(kMovieMark) != std::string_view::npos) takes_.push_back(line);
    }
    // With many clips the tally's memory is larger than the cache: it is
    // asked ahead for the lines to come while the current one is handled.
    // With few it stays in the cache, and asking ahead would only cost.
    constexpr size_t kAhead = 8;
    constexpr size_t kCachedClips = 4096;
    const bool ask_ahead = !state_.search_mode() && state_.clip_tally.size() > kCachedClips;
    for (size_t i = 0; i < takes_.size(); ++i) {
      if (ask_ahead && i + kAhead < takes_.size()) {
        state_.clip_tally.Prefetch(takes_[i + kAhead], 0);
      }
      if (ask_ahead && i + kAhead / 2 < takes_.size()) {
        state_.clip_tally.Prefetch(takes_[i + kAhead / 2], 1);
      }
      if (Failure failure = HandleTake(takes_[i])) return failure;
    }
    return {};
  }

  // One line read by itself, a take line or not.
  Failure ScanLine(std::string_view line) {
    return IsTakeLine(line) ? HandleTake(line) : Failure{};
  }

 private:
  Failure HandleTake(std::string_view line) {
    echo_.clear();
    const Failure failure = handler_.HandleTakeLine(line, &echo_);
    // The echo goes out even when the take then failed: it was written first.
    if (!echo_.empty()) {
      if (Failure written = InOutFailure(console_.Write(echo_), kPlaceTakeEcho)) return written;
    }
    return failure;
  }

  RunState& state_;
  edge::OutputStream& console_;
  TakeHandler handler_;
  std::vector<std::string_view> takes_;
  std::string echo_;
};

}  // namespace

size_t NextTakeMarkLine(std::string_view run, size_t from, std::string_view* line) {
  const size_t mark = FindTakeMark(run, from);
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
  LogScanner scanner(state, console);
  for (;;) {
    std::string_view run;
    if (Failure failure = InOutFailure(reader.ReadPlainLines(&run), kPlaceReadLog)) return failure;
    if (!run.empty()) {
      if (Failure failure = scanner.ScanPlainRun(run)) return failure;
      continue;
    }
    bool at_end = false;
    if (Failure failure = InOutFailure(reader.AtEnd(&at_end), kPlaceReadLog)) return failure;
    if (at_end) return {};
    std::string_view line;
    if (Failure failure = InOutFailure(reader.ReadLine(&line), kPlaceReadLog)) return failure;
    if (Failure failure = scanner.ScanLine(line)) return failure;
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
