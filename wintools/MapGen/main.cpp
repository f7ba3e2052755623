#include <iostream>
#include <string>
#include <vector>

#include "table_tool.h"

int main(int argc, char** argv) {
  return runTableTool(std::vector<std::string>(argv + 1, argv + argc),
                      std::cout);
}
