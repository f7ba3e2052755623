#pragma once

// What the checker's unit tests share: the findings a check printed, held
// against a list of places and text fragments.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "finding_report.h"

namespace lint_test {

// A report that prints into a text of its own.
struct CapturedReport {
  std::ostringstream out;
  FindingReport report;
  CapturedReport() { report.out = &out; }
};

// One expected finding: its place and severity as printed ("3:12: warning"
// or ": note" for the whole file) and a part of its text.
struct Expected {
  std::string place;
  std::string fragment;
};

// The lines of a text, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
}

// Expects exactly these findings about file, in this order.
inline void expectFindings(const std::string& printed, const std::string& file,
                           const std::vector<Expected>& expected) {
  const std::vector<std::string> lines = linesOf(printed);
  EXPECT_EQ(lines.size(), expected.size()) << printed;
  for (std::size_t i = 0; i < lines.size() && i < expected.size(); ++i) {
    const std::string prefix = file + (expected[i].place[0] == ':' ? "" : ":") +
                               expected[i].place + ": ";
    EXPECT_EQ(lines[i].compare(0, prefix.size(), prefix), 0)
        << lines[i] << "\nexpected at " << prefix;
    EXPECT_NE(lines[i].find(expected[i].fragment), std::string::npos)
        << lines[i] << "\nexpected to hold " << expected[i].fragment;
  }
}

}  // namespace lint_test
