#include "platform/command_line.h"

#include <string_view>

namespace veyra::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool NeedsQuotes(const std::string& argument) {
  return argument.empty() || argument.find_first_of(" \t\n\v\"") != std::string::npos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// Reads one argument from `at` on (no blank there); returns it and moves `at` past it.
std::string ReadArgument(std::string_view text, std::size_t& at) {
  std::string argument;
  bool quoted = false;
  while (at < text.size() && (quoted || !IsBlank(text[at]))) {
    std::size_t backslashes = 0;
    while (at < text.size() && text[at] == '\\') ++backslashes, ++at;
    if (at < text.size() && text[at] == '"') {
      argument.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        argument += '"';
      } else if (quoted && at + 1 < text.size() && text[at + 1] == '"') {
        argument += '"';  // "" inside quotes stands for one quote
        ++at;
      } else {
        quoted = !quoted;
      }
      ++at;
    } else {
      argument.append(backslashes, '\\');
      if (at < text.size() && backslashes == 0) argument += text[at++];
    }
  }
  return argument;
}

}  // namespace

std::string QuoteArgument(const std::string& argument) {
  if (!NeedsQuotes(argument)) return argument;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote gets one of its own.
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(backslashes * 2, '\\');  // before the closing quote
  return quoted + '"';
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += QuoteArgument(arguments[i]);
  }
  return line;
}

std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> arguments;
  for (std::size_t at = SkipBlanks(text, 0); at < text.size(); at = SkipBlanks(text, at)) {
    arguments.push_back(ReadArgument(text, at));
  }
  return arguments;
}

std::vector<std::string> SplitCommandLine(const std::string& command_line) {
  if (command_line.empty()) return {};
  std::size_t end;
  std::string program;
  if (command_line[0] == '"') {
    end = command_line.find('"', 1);
    program = command_line.substr(1, end == std::string::npos ? end : end - 1);
    end = end == std::string::npos ? command_line.size() : end + 1;
  } else {
    end = command_line.find_first_of(" \t");
    program = command_line.substr(0, end);
    end = end == std::string::npos ? command_line.size() : end;
  }
  std::vector<std::string> arguments = SplitArguments(command_line.substr(end));
  arguments.insert(arguments.begin(), std::move(program));
  return arguments;
}

}  // namespace veyra::platform
