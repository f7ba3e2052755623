#include "file_identity.h"

#include <cctype>
#include <deque>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

// More links than this on one path is a loop, as the system counts it.
const int kMaxLinks = 40;

std::deque<std::string> componentsOf(const fs::path& path) {
  std::deque<std::string> components;
  for (const fs::path& part : path.relative_path()) {
    components.push_back(part.string());
  }
  return components;
}

}  // namespace

#ifdef _WIN32

bool isSameExistingFile(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) {
    return false;
  }
  std::error_code error;
  const bool same = fs::equivalent(first, second, error);
  return !error && same;
}

bool existsAsFile(const std::string& name) {
  std::error_code error;
  return !name.empty() && fs::exists(name, error);
}

#else

namespace {

// The device and inode, which tell files of every kind apart; stat follows
// links, and the links under /dev/fd lead to the open file itself.
bool identify(const std::string& name, struct stat& info) {
  return !name.empty() && stat(name.c_str(), &info) == 0;
}

}  // namespace

bool isSameExistingFile(const std::string& first, const std::string& second) {
  struct stat firstInfo {};
  struct stat secondInfo {};
  return identify(first, firstInfo) && identify(second, secondInfo) &&
         firstInfo.st_dev == secondInfo.st_dev &&
         firstInfo.st_ino == secondInfo.st_ino;
}

bool existsAsFile(const std::string& name) {
  struct stat info {};
  return identify(name, info);
}

#endif

std::string creationPath(const std::string& name) {
  if (name.empty()) {
    return std::string();
  }
  std::error_code error;
  const fs::path absolute = fs::absolute(name, error);
  if (error) {
    return std::string();
  }
  fs::path resolved = absolute.root_path();
  std::deque<std::string> pending = componentsOf(absolute);
  int links = 0;
  while (!pending.empty()) {
    const std::string component = pending.front();
    pending.pop_front();
    if (component.empty() || component == ".") {
      continue;
    }
    if (component == "..") {
      // The resolved part holds no links, so its parent is plain text.
      resolved = resolved.parent_path();
      continue;
    }
    const fs::path candidate = resolved / component;
    if (!fs::is_symlink(fs::symlink_status(candidate, error))) {
      resolved = candidate;
      continue;
    }
    const fs::path target = fs::read_symlink(candidate, error);
    if (error || target.empty() || ++links > kMaxLinks) {
      return std::string();
    }
    if (target.is_absolute()) {
      resolved = target.root_path();
    }
    std::deque<std::string> targetComponents = componentsOf(target);
    pending.insert(pending.begin(), targetComponents.begin(),
                   targetComponents.end());
  }
  return resolved.string();
}

bool isSameCreationPath(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) {
    return false;
  }
#ifdef _WIN32
  if (first.size() != second.size()) {
    return false;
  }
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(first[i])) !=
        std::tolower(static_cast<unsigned char>(second[i]))) {
      return false;
    }
  }
  return true;
#else
  return first == second;
#endif
}
