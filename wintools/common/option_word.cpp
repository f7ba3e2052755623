#include "option_word.h"

#include <cctype>

bool isOptionWord(const std::string& argument, char letter) {
  const auto lower = [](char c) {
    return std::tolower(static_cast<unsigned char>(c));
  };
  return argument.size() == 2 && argument[0] == '-' &&
         lower(argument[1]) == lower(letter);
}
