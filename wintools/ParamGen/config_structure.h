#pragma once

// One of the two configuration structures that the header declares.
struct ConfigStructure {
  // The structure's name, as the header writes it.
  const char* name;
  // The exact cleaned line that starts it.
  const char* marker;
  // The console line of a header whose structure cannot be used.
  const char* parseFailure;
  // The page letter of its records in the image.
  char page;
};

constexpr int kConfigStructureCount = 2;

// config_t, then config_ext_t: the order in which they are read, searched
// for names and written.
constexpr ConfigStructure kConfigStructures[kConfigStructureCount] = {
    {"config_t", "struct config_t {", "Error processing global.h for config",
     'c'},
    {"config_ext_t", "struct config_ext_t {",
     "Error processing global.h for config_ext", 'C'},
};
