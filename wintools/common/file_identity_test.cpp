#include "file_identity.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;

class FileIdentityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    fs::create_directory(folder.path() / "etc");
    test_support::writeBytes(folder.file("etc/tables.txt"), "k[0]=01\n");
  }
  void link(const std::string& name, const std::string& target) {
    fs::create_symlink(target, folder.path() / name);
  }

  test_support::TempFolder folder;
  // The folder itself may lie behind a link (/tmp on some systems).
  const std::string root = fs::canonical(folder.path()).string();
};

TEST_F(FileIdentityTest, CreationPathFollowsLinksAlsoWhereTheyDangle) {
  link("dangling.log", "missing.txt");
  link("chain.log", "first.link");
  link("first.link", "etc/second.link");
  link("etc/second.link", "missing.txt");
  link("up.link", "etc");
  link("absolute.log", root + "/etc/../missing.txt");
  const struct {
    const char* name;
    std::string expected;
  } cases[] = {
      {"missing.txt", root + "/missing.txt"},
      {"./etc/../missing.txt", root + "/missing.txt"},
      {"dangling.log", root + "/missing.txt"},
      {"chain.log", root + "/etc/missing.txt"},
      {"up.link/../missing.txt", root + "/missing.txt"},
      {"up.link/new.txt", root + "/etc/new.txt"},
      {"absolute.log", root + "/missing.txt"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(creationPath(root + "/" + row.name), row.expected);
  }
  EXPECT_EQ(creationPath(""), "");
}

TEST_F(FileIdentityTest, ALinkLoopHasNoCreationPath) {
  link("loop.a", "loop.b");
  link("loop.b", "loop.a");
  EXPECT_EQ(creationPath(folder.file("loop.a")), "");
}

TEST_F(FileIdentityTest, FilesOfEveryKindAreToldByIdentity) {
  const std::string fifo = folder.file("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  link("pipe.link", "pipe");
  link("tables.link", "etc/tables.txt");
  link("dangling.link", "missing.txt");
  EXPECT_TRUE(isSameExistingFile(fifo, folder.file("pipe.link")));
  EXPECT_FALSE(isSameExistingFile(fifo, folder.file("etc/tables.txt")));
  EXPECT_TRUE(isSameExistingFile(folder.file("tables.link"),
                                 folder.file("etc/../etc/tables.txt")));
  EXPECT_TRUE(isSameExistingFile("/dev/null", "/dev/null"));
  EXPECT_FALSE(isSameExistingFile("/dev/null", "/dev/zero"));
  EXPECT_FALSE(isSameExistingFile(folder.file("dangling.link"),
                                  folder.file("dangling.link")));
  EXPECT_FALSE(isSameExistingFile("", fifo));
  EXPECT_TRUE(existsAsFile(fifo));
  EXPECT_FALSE(existsAsFile(folder.file("dangling.link")));
}

}  // namespace
