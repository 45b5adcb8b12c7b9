// Tests only: splitting plain runs into lines.
#include "edge/testing/run_lines.h"

namespace edge::test_support {

void AppendRunLines(std::string_view run, std::vector<std::string>* lines) {
  while (!run.empty()) {
    const size_t lf = run.find('\n');
    std::string_view line = run.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines->emplace_back(line);
    run.remove_prefix(lf == std::string_view::npos ? run.size() : lf + 1);
  }
}

}  // namespace edge::test_support
