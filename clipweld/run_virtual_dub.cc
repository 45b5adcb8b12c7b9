// The VirtualDub launcher: the test open, then the detached start.
#include "clipweld/run_virtual_dub.h"

#include "clipweld/texts.h"
#include "edge/platform.h"

namespace clipweld {

Failure RunVirtualDub(std::string_view program, bool* started) {
  *started = false;
  bool opened = false;
  // A program that cannot be opened is no failure: nothing is started.
  if (Failure failure = InOutFailure(edge::ProbeReadWrite(program, &opened), kPlaceCloseProgram)) {
    return failure;
  }
  if (opened) *started = edge::StartDetached(program, kVirtualDubArguments);
  return {};
}

}  // namespace clipweld
