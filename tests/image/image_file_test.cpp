// SPDX-License-Identifier: GPL-3.0-or-later
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "image_file.h"

namespace {

namespace fs = std::filesystem;

class ImageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zentor-image-file-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    std::iota(image.bytes.begin(), image.bytes.end(), std::uint8_t{7});
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string PathOf(const std::string &name) const { return (folder / name).string(); }
  void PutBytes(const std::string &name, std::size_t count, char value) const {
    std::ofstream(PathOf(name), std::ios::binary) << std::string(count, value);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
  }

  fs::path folder;
  ChannelImage image;
  FileError error;
};

TEST_F(ImageFile, RoundTripKeepsEveryByteAndReplacesAnOldFile) {
  PutBytes("a.img", 5, 'x');
  ASSERT_TRUE(WriteImageFile(PathOf("a.img"), image, error)) << error.text;
  EXPECT_EQ(fs::file_size(PathOf("a.img")), IMAGE_SIZE);
  ChannelImage back;
  ASSERT_TRUE(ReadImageFile(PathOf("a.img"), back, error)) << error.text;
  EXPECT_EQ(back.bytes, image.bytes);
  EXPECT_EQ(Names(), std::vector<std::string>{"a.img"});
}

TEST_F(ImageFile, WrongSizesAndMissingFilesLeaveTheImageUntouched) {
  const ChannelImage before = image;
  for (const std::size_t size : {std::size_t{0}, IMAGE_SIZE - 1, IMAGE_SIZE + 1, std::size_t{4096}}) {
    PutBytes("b.img", size, '\x55');
    EXPECT_FALSE(ReadImageFile(PathOf("b.img"), image, error)) << size;
    EXPECT_NE(error.text.find("this one " + std::to_string(size)), std::string::npos) << error.text;
    EXPECT_EQ(error.problem, FileProblem::WRONG_SIZE);
  }
  EXPECT_FALSE(ReadImageFile(PathOf("none.img"), image, error));
  EXPECT_EQ(error.systemError, ENOENT);
  EXPECT_NE(error.text.find("none.img"), std::string::npos) << error.text;
  EXPECT_FALSE(ReadImageFile(folder.string(), image, error));
  EXPECT_EQ(error.problem, FileProblem::NOT_REGULAR);
  EXPECT_EQ(image.bytes, before.bytes);
}

TEST_F(ImageFile, WriteIntoAMissingFolderSaysWhyBeforeAnyWrite) {
  const std::string expected = "cannot write " + PathOf("no/such/folder.img") + ": the folder " + PathOf("no/such") +
                               " does not exist";
  EXPECT_FALSE(MayReplaceRegularFile(PathOf("no/such/folder.img"), error));
  EXPECT_EQ(error.text, expected);
  EXPECT_FALSE(WriteImageFile(PathOf("no/such/folder.img"), image, error));
  EXPECT_EQ(error.systemError, ENOENT);
  EXPECT_EQ(error.text, expected);
}

// The temporary name is short, so the longest name the system takes can be written and replaced.
TEST_F(ImageFile, ANameOf255BytesIsWrittenAndReplaced) {
  const std::string longest = std::string(251, 'n') + ".img";
  ASSERT_TRUE(WriteImageFile(PathOf(longest), image, error)) << error.text;
  ASSERT_TRUE(WriteImageFile(PathOf(longest), image, error)) << error.text;
  EXPECT_EQ(Names(), std::vector<std::string>{longest});
}

TEST_F(ImageFile, TemporaryFilesOfEndedProcessesAreRemovedAtTheNextWrite) {
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
  const std::string dead = std::to_string(ended);
  const std::string alive = std::to_string(::getpid());
  for (const std::string &name : {".zentor-" + dead + "-0.tmp", ".a.img.tmp-" + dead + "-3",
                                  ".zentor-" + alive + "-7.tmp", ".zentor-" + dead + "-0.tmp.keep"}) {
    PutBytes(name, 3, 't');
  }
  ASSERT_TRUE(WriteImageFile(PathOf("a.img"), image, error)) << error.text;
  std::vector<std::string> names = Names();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".zentor-" + alive + "-7.tmp", ".zentor-" + dead + "-0.tmp.keep",
                                             "a.img"}));
}

// The file size limit cuts the temporary file after 100 bytes, as a full disk would.
TEST_F(ImageFile, FailedWriteLeavesTheOldFileAndNoHalfFile) {
  PutBytes("c.img", IMAGE_SIZE, 'o');
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteImageFile(PathOf("c.img"), image, error);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(error.systemError, EFBIG);
  ChannelImage back;
  ASSERT_TRUE(ReadImageFile(PathOf("c.img"), back, error)) << error.text;
  EXPECT_EQ(back.bytes[0], 'o');
  EXPECT_EQ(Names(), std::vector<std::string>{"c.img"});

  fs::create_directory(PathOf("d.img"));  // refused before a temporary file is made
  EXPECT_FALSE(WriteImageFile(PathOf("d.img"), image, error));
  EXPECT_EQ(error.problem, FileProblem::NOT_REGULAR);
  EXPECT_EQ(Names().size(), 2u);
}

TEST_F(ImageFile, ReplacementKeepsThePermissionsAndTheLink) {
  PutBytes("e.img", IMAGE_SIZE, 'o');
  fs::permissions(PathOf("e.img"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("e.img", PathOf("link.img"));
  ASSERT_TRUE(WriteImageFile(PathOf("link.img"), image, error)) << error.text;
  EXPECT_TRUE(fs::is_symlink(PathOf("link.img")));
  EXPECT_EQ(fs::status(PathOf("e.img")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ChannelImage back;
  ASSERT_TRUE(ReadImageFile(PathOf("e.img"), back, error)) << error.text;
  EXPECT_EQ(back.bytes, image.bytes);
}

// Runs a replacement of `path` as the user `uid` of the group `gid`, also a member of `member`:
// the child's exit status is 0 when it was written with a warning holding `warned`.
int ReplaceAsAnotherUser(const std::string &path, uid_t uid, gid_t gid, gid_t member, const std::string &warned) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(1, &member) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(3);
    ChannelImage image;
    FileError error;
    ::_exit(!WriteImageFile(path, image, error) ? 1 : error.warning.find(warned) == std::string::npos ? 2 : 0);
  }
  int status = -1;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A file shared in a group stays in that group when a member replaces it; root gives back the
// owner too. What cannot be kept is said, and the old group's rights go to no other group.
TEST_F(ImageFile, ReplacementKeepsTheGroupWhereTheSystemAllows) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to other users";
  fs::permissions(folder, fs::perms::all);
  const auto ownerOf = [&](const std::string &name) {
    struct stat status {};
    ::stat(PathOf(name).c_str(), &status);
    return std::vector<unsigned>{status.st_uid, status.st_gid, status.st_mode & 0777u};
  };
  PutBytes("f.img", IMAGE_SIZE, 'o');
  ASSERT_EQ(::chown(PathOf("f.img").c_str(), 4242, 4343), 0);
  ASSERT_EQ(::chmod(PathOf("f.img").c_str(), 0664), 0);
  ASSERT_TRUE(WriteImageFile(PathOf("f.img"), image, error)) << error.text;
  EXPECT_EQ(error.warning, "");
  EXPECT_EQ(ownerOf("f.img"), (std::vector<unsigned>{4242, 4343, 0664}));

  EXPECT_EQ(ReplaceAsAnotherUser(PathOf("f.img"), 4646, 4545, 4343, "written, but now owned by 4646 instead of 4242"),
            0);
  EXPECT_EQ(ownerOf("f.img"), (std::vector<unsigned>{4646, 4343, 0664}));
  ASSERT_EQ(::chmod(PathOf("f.img").c_str(), 0676), 0);
  EXPECT_EQ(ReplaceAsAnotherUser(PathOf("f.img"), 4747, 4545, 4545, "and by the group 4545 instead of 4343"), 0);
  EXPECT_EQ(ownerOf("f.img"), (std::vector<unsigned>{4747, 4545, 0666}));
}

}  // namespace
