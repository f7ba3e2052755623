#include <iostream>
#include <string>
#include <vector>

#include "config_tool.h"

int main(int argc, char** argv) {
  return runConfigTool(std::vector<std::string>(argv + 1, argv + argc),
                       std::cout);
}
