#include "platform/console.h"

#include <unistd.h>

namespace veyra::platform {

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void UseBinaryStandardOutput() {}

}  // namespace veyra::platform
