// The standard streams of a command-line program.
#pragma once

namespace veyra::platform {

// Whether standard error goes to a terminal (a console on Windows).
bool StandardErrorIsTerminal();
// Makes standard output carry bytes unchanged (no line-break translation on Windows).
void UseBinaryStandardOutput();

}  // namespace veyra::platform
