// The wait for ENTER and the Desktop lookup of the end phases.
#include "airtally/enter_prompt.h"

#include <string_view>

#include "airtally/texts.h"
#include "edge/platform.h"

namespace airtally {

Failure AwaitEnter(edge::OutputStream& output, edge::LineReader& input) {
  edge::OsError error = output.WriteLine({});
  if (error == edge::kOk) error = output.WriteLine(kEnterPrompt);
  // The prompt must be on the screen before the wait.
  if (error == edge::kOk) error = output.Flush();
  if (Failure failure = InOutFailure(error, kPlaceEnterPrompt)) return failure;
  std::string_view discarded;
  return InOutFailure(input.ReadLine(&discarded), kPlaceEnterRead);
}

Failure LookUpDesktop(std::string* folder) {
  if (edge::DesktopFolder(folder) == edge::DesktopLookup::kWrongType) {
    return RegistryFailure("Desktop", kPlaceDesktop);
  }
  return {};
}

}  // namespace airtally
