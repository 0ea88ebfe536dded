// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>

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

TEST_F(ImageFile, WriteIntoAMissingFolderSaysWhy) {
  EXPECT_FALSE(WriteImageFile(PathOf("no/such/folder.img"), image, error));
  EXPECT_EQ(error.systemError, ENOENT);
  EXPECT_NE(error.text.find("No such file or directory"), std::string::npos) << error.text;
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

}  // namespace
