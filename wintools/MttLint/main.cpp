#include <iostream>
#include <string>
#include <vector>

#include "lint_tool.h"

int main(int argc, char** argv) {
  return runLintTool(std::vector<std::string>(argv + 1, argv + argc),
                     std::cout);
}
