#pragma once

#include <array>
#include <string>

// One byte of a configuration structure: a member, or one array element.
struct FieldRecord {
  std::string name;
  // Two upper-case hexadecimal digits once a configuration file set it.
  std::string value = "FF";
  bool assigned = false;
};

constexpr int kFieldTableCapacity = 511;

// The records of one structure; a record's position is its image index.
struct FieldTable {
  std::array<FieldRecord, kFieldTableCapacity> records;
  // Records from count on hold nothing and are never read.
  int count = 0;
};

// Appends a record of that name with value "FF", not assigned. Returns
// false, changing nothing, when the table is full.
bool appendFieldRecord(FieldTable& table, const std::string& name);
