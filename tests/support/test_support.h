#pragma once

// What the unit tests of every tool share: a file's bytes, a temporary
// folder of each test's own, and CR LF line ends.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace test_support {

// The whole content of the file, byte for byte; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Creates or replaces the file with exactly these bytes.
inline void writeBytes(const std::filesystem::path& name,
                       const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// The text with every LF turned into CR LF.
inline std::string withCrLf(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\n') {
      result += '\r';
    }
    result += c;
  }
  return result;
}

// A new, empty folder for one test, made by mkdtemp so that two build trees
// testing at the same time never share one; removed with all it holds when
// the test ends.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "wintools_test_XXXXXX")
            .string();
    if (mkdtemp(pattern.data()) != nullptr) {
      path_ = pattern;
    }
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder; empty when it could not be made.
  const std::filesystem::path& path() const { return path_; }

  // The name of an entry of the folder, as the tools take file names.
  std::string file(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace test_support
