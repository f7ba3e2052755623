#include "text_file.h"

#include <filesystem>
#include <system_error>


#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const char kOpenFailure[] = "Couldn't open file: ";

std::string utf16Refusal(const std::string& name) {
  return kOpenFailure + name + " (UTF-16 text: save it as UTF-8 or ANSI)";
}

bool isDirectory(const std::string& name) {
  std::error_code error;
  return fs::is_directory(name, error);
}

bool isInUse(const std::string& name,
             const std::vector<std::string>& filesInUse) {
  for (const std::string& other : filesInUse) {
    if (isSameExistingFile(name, other)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool openInput(std::ifstream& in, const std::string& name,
               std::string& errorText) {
  in.close();
  in.clear();
  // A stream on a directory opens on some systems; it is still no file.
  if (!name.empty() && !isDirectory(name)) {
    in.open(name, std::ios::in | std::ios::binary);
  }
  if (in.is_open() && in.good()) {
    return true;
  }
  errorText = kOpenFailure + name;
  in.close();
  in.setstate(std::ios::failbit);
  return false;
}

bool openTextInput(std::ifstream& in, LineReader& reader,
                   const std::string& name, std::string& errorText) {
  if (!openInput(in, name, errorText)) {
    return false;
  }
  startLineReader(reader, in);
  if (reader.isUtf16) {
    errorText = utf16Refusal(name);
    in.close();
    return false;
  }
  return true;
}

bool readTextFile(const std::string& name, std::string& bytes,
                  std::string& errorText) {
  std::ifstream in;
  if (!openInput(in, name, errorText)) {
    return false;
  }
  if (!readAllBytes(in, bytes)) {
    errorText = readFailureText(name);
    return false;
  }
  LineReader reader;
  startLineReader(reader, bytes);
  if (reader.isUtf16) {
    errorText = utf16Refusal(name);
    return false;
  }
  return true;
}

std::string readFailureText(const std::string& name) {
  return "Couldn't read file: " + name;
}

std::string writeFailureText(const std::string& name) {
  return "Couldn't write file: " + name;
}

bool checkInputOpens(const std::string& name, std::string& errorText) {
  bool opens = false;
  if (!name.empty() && !isDirectory(name)) {
#ifdef _WIN32
    std::ifstream in(name, std::ios::in | std::ios::binary);
    opens = in.is_open();
#else
    // Without O_NONBLOCK, opening a FIFO waits until a writer opens it.
    const int descriptor = open(name.c_str(), O_RDONLY | O_NONBLOCK);
    opens = descriptor >= 0;
    if (opens) {
      close(descriptor);
    }
#endif
  }
  if (!opens) {
    errorText = kOpenFailure + name;
  }
  return opens;
}

bool openOutput(std::ofstream& out, const std::string& name,
                const std::vector<std::string>& filesInUse,
                std::string& errorText) {
  out.close();
  out.clear();
  if (!name.empty() && !isDirectory(name) && !isInUse(name, filesInUse)) {
    out.open(name, std::ios::out | std::ios::trunc | std::ios::binary);
    // A file that did not exist yet may have been named as an input too;
    // once created it would be read as that input, so it goes again.
    if (out.is_open() && isInUse(name, filesInUse)) {
      out.close();
      std::error_code error;
      std::filesystem::remove(name, error);
    }
  }
  if (out.is_open() && out.good()) {
    return true;
  }
  errorText = kOpenFailure + name;
  out.close();
  out.setstate(std::ios::failbit);
  return false;
}

bool isSameExistingFile(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) {
    return false;
  }
  std::error_code error;
  const bool same = std::filesystem::equivalent(first, second, error);
  return !error && same;
}

bool writeFileLine(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.write("\r\n", 2);
  out.flush();
  return out.good();
}

bool closeOutput(std::ofstream& out) {
  out.close();
  return !out.fail();
}
