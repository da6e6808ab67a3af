// Command lines in the form Windows programs read them: arguments separated by blanks, quoted
// where they hold blanks or quotes, backslashes doubled only before a quote.
#pragma once

#include <string>
#include <vector>

namespace veyra::platform {

// Quotes one argument only where it needs it: "two words", "say \"hi\"", "C:\dir\\".
std::string QuoteArgument(const std::string& argument);
std::string JoinCommandLine(const std::vector<std::string>& arguments);
// Splits arguments the way the C runtime of Windows does.
std::vector<std::string> SplitArguments(const std::string& text);
// The same for a whole command line, whose first word (the program) ends at the next blank or,
// when it starts with a quote, at the next quote, with backslashes taken as they stand.
std::vector<std::string> SplitCommandLine(const std::string& command_line);

}  // namespace veyra::platform
