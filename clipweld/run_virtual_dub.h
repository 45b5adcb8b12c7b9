// Starting VirtualDub on the script, without waiting for it.
#pragma once

#include <string_view>

#include "clipweld/failure.h"

namespace clipweld {

// Starts `program` with " /s mergevid.vcf" behind it on its command line, in
// a process group of its own, and does not wait for it; `*started` tells
// whether a process was created. Nothing is started when `program` cannot be
// opened for reading and writing in the current folder; the program that is
// started is the one the system's program search finds first, which may be
// another file of that name. Fails only when closing the test open fails.
Failure RunVirtualDub(std::string_view program, bool* started);

}  // namespace clipweld
