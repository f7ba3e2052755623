#include "text_file.h"

#include <filesystem>
#include <system_error>

#include "file_identity.h"

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

// True when creating or emptying the name would touch one of the files in
// use: an existing file by its identity, a name not created yet by the
// place where it would be created.
bool leadsToAFileInUse(const std::string& name,
                       const std::vector<std::string>& filesInUse) {
  if (existsAsFile(name)) {
    for (const std::string& other : filesInUse) {
      if (isSameExistingFile(name, other)) {
        return true;
      }
    }
    return false;
  }
  const std::string place = creationPath(name);
  for (const std::string& other : filesInUse) {
    if (!other.empty() && !existsAsFile(other) &&
        isSameCreationPath(place, creationPath(other))) {
      return true;
    }
  }
  return false;
}

bool isSameAsAFileInUse(const std::string& name,
                        const std::vector<std::string>& filesInUse) {
  for (const std::string& other : filesInUse) {
    if (isSameExistingFile(name, other)) {
      return true;
    }
  }
  return false;
}

// Removes the file that this run has just created under the name: the file
// itself where a link led to it, never the link.
void removeCreatedFile(const std::string& name) {
  const std::string place = creationPath(name);
  std::error_code error;
  if (!place.empty() && fs::is_regular_file(fs::symlink_status(place, error)) &&
      isSameExistingFile(place, name)) {
    fs::remove(place, error);
  }
}

// Opens a file that exists without emptying it first: a name among the files
// in use that leads to it only once it is open (a /dev/fd name of the very
// descriptor) leaves it untouched. Then empties it; writes append to it.
bool openExisting(std::ofstream& out, const std::string& name,
                  const std::vector<std::string>& filesInUse) {
  out.open(name, std::ios::out | std::ios::app | std::ios::binary);
  if (!out.is_open()) {
    return false;
  }
  if (isSameAsAFileInUse(name, filesInUse)) {
    out.close();
    return false;
  }
  std::error_code error;
  if (fs::is_regular_file(name, error)) {
    fs::resize_file(name, 0, error);
    if (error) {
      out.close();
      return false;
    }
  }
  return true;
}

// Creates the file. Where names ignore letter case, or a /dev/fd name leads
// to the new descriptor, a new name can still be a file in use; only the
// created file tells, and then it goes again.
bool createNew(std::ofstream& out, const std::string& name,
               const std::vector<std::string>& filesInUse) {
  out.open(name, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out.is_open()) {
    return false;
  }
  if (isSameAsAFileInUse(name, filesInUse)) {
    out.close();
    removeCreatedFile(name);
    return false;
  }
  return true;
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
  std::error_code error;
  const bool sized = fs::is_regular_file(name, error);
  const std::uintmax_t size = sized ? fs::file_size(name, error) : 0;
  if (!readAllBytes(in, bytes, error ? 0 : static_cast<std::size_t>(size))) {
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
  bool opened = false;
  if (!name.empty() && !isDirectory(name) &&
      !leadsToAFileInUse(name, filesInUse)) {
    opened = existsAsFile(name) ? openExisting(out, name, filesInUse)
                                : createNew(out, name, filesInUse);
  }
  if (opened && out.good()) {
    return true;
  }
  errorText = kOpenFailure + name;
  out.close();
  out.setstate(std::ios::failbit);
  return false;
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
