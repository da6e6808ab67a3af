#include "app/command_line.h"

#include <algorithm>

namespace veyra {

bool IsClientLaunch(std::string_view commandLine) {
  constexpr std::string_view kClientWord = "-client";
  return std::ranges::equal(commandLine, kClientWord, [](char given, char word) {
    return (given >= 'A' && given <= 'Z' ? given - 'A' + 'a' : given) == word;
  });
}

}  // namespace veyra
