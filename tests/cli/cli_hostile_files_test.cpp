// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli against hostile paths and outputs: a full disk, /dev/full, a device node, a FIFO,
// symbolic links, a GBK name, a backup over the image or over an older backup. A refused
// command says why and leaves every file, node and link of its folder as it was.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "cli_images.h"
#include "cli_process.h"
#include "sim_process.h"

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

const std::string GBK_NAME = "\xd6\xd0\xce\xc4";  // 中文 in GBK: no UTF-8

// Everything in the folder, links and nodes as themselves, with what makes each what it is.
std::map<std::string, std::string> Snapshot(const std::string &folder) {
  std::map<std::string, std::string> entries;
  for (const auto &entry : fs::recursive_directory_iterator(folder)) {
    struct stat status {};
    ::lstat(entry.path().c_str(), &status);
    std::string what = std::to_string(status.st_mode) + " ";
    if (S_ISLNK(status.st_mode)) what += fs::read_symlink(entry.path()).string();
    if (S_ISCHR(status.st_mode)) what += std::to_string(status.st_rdev);
    if (S_ISREG(status.st_mode)) {
      const auto bytes = ReadWholeFile(entry.path());
      what += bytes ? std::string(bytes->begin(), bytes->end()) : "unreadable";
    }
    entries[entry.path().string()] = what;
  }
  return entries;
}

class CliHostileFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root = ::geteuid() == 0;
    ASSERT_TRUE(PutImage(File("master.img"), ValidImage()));
    ASSERT_EQ(RunCli({"export", File("master.img"), "-o", File("master.csv")}).status, 0);
    ChannelImage other;
    ResetImage(other);
    ASSERT_TRUE(PutImage(File("old.img"), other));
    std::ofstream(File("old.csv")) << "kept\n";
    fs::create_directory(File("folder"));
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", File("fifo-link"));
    fs::create_symlink("master.img", File("master-link"));
    fs::create_symlink("old.csv", File("csv-link"));
    fs::create_symlink("old.img", File("img-link"));
    // The same device as /dev/null, made here so the system's own node is never at stake.
    // A container may refuse device nodes even to root: its rows are then skipped like the rest.
    if (root) {
      root = ::mknod(File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
      FillSmallDisk();
    }
  }
  void TearDown() override {
    if (mounted) ::umount(File("full").c_str());
  }

  std::string File(const std::string &name) const { return dir.File(name); }

  // A file system of 64 KiB in the scratch folder, holding an old CSV and an image and else full.
  void FillSmallDisk() {
    fs::create_directory(File("full"));
    mounted = ::mount("tmpfs", File("full").c_str(), "tmpfs", 0, "size=64k") == 0;
    if (!mounted) return;
    std::ofstream(File("full/old.csv")) << "kept\n";
    ASSERT_TRUE(PutImage(File("full/old.img"), ValidImage()));
    std::ofstream filler(File("full/filler"), std::ios::binary);
    const std::string block(4096, 'f');
    for (int i = 0; i < 64 && filler << block << std::flush; ++i) {
    }
  }

  TempDir dir;
  bool root = false;
  bool mounted = false;
};

struct Refusal {
  const char *name;
  Words arguments;
  int status;
  std::string says;
  enum Needs { ANYONE, ROOT, SMALL_DISK } needs = ANYONE;
  std::string standardOutput = {};
};

TEST_F(CliHostileFiles, RefusedCommandsSayWhyAndChangeNothing) {
  const std::string master = File("master.img");
  const std::string noPort = File("no-port");  // reached only if a check lets the command through
  const std::string full = "cannot write to standard output: No space left on device";
  const std::vector<Refusal> refusals = {
      {"export onto a full disk", {"export", master, "-o", File("full/old.csv")}, 1, "No space left on device", Refusal::SMALL_DISK},
      {"import onto a full disk", {"import", File("master.csv"), "-o", File("full/old.img")}, 1, "No space left on device", Refusal::SMALL_DISK},
      {"show into /dev/full", {"show", master}, 1, full, Refusal::ANYONE, "/dev/full"},
      {"show --json into /dev/full", {"show", "--json", master}, 1, full, Refusal::ANYONE, "/dev/full"},
      {"check into /dev/full", {"check", master}, 1, full, Refusal::ANYONE, "/dev/full"},
      {"export into /dev/full", {"export", master}, 1, full, Refusal::ANYONE, "/dev/full"},
      {"ports into /dev/full", {"ports"}, 1, full, Refusal::ANYONE, "/dev/full"},
      {"export onto a device node", {"export", master, "-o", File("null")}, 1, "a character device, not a regular file", Refusal::ROOT},
      {"export onto a FIFO", {"export", master, "-o", File("fifo")}, 1, "a FIFO, not a regular file"},
      {"import onto a link to a FIFO", {"import", File("master.csv"), "-o", File("fifo-link")}, 1, "(a link to"},
      {"read onto a folder", {"read", "-p", noPort, "-o", File("folder")}, 1, "a directory, not a regular file"},
      {"show of a FIFO", {"show", File("fifo")}, 1, "cannot read " + File("fifo") + ": a FIFO"},
      {"import of a FIFO", {"import", File("fifo"), "-o", File("new.img")}, 1, "a FIFO, not a regular file"},
      {"import based on a FIFO", {"import", File("master.csv"), "-o", File("new.img"), "--base", File("fifo")}, 1, "a FIFO"},
      {"backup naming FILE", {"write", master, "-p", noPort, "--backup", master}, 1, "is the image file"},
      {"backup linked to FILE", {"write", master, "-p", noPort, "--backup", File("master-link")}, 1, "is the image file"},
      {"existing backup", {"write", master, "-p", noPort, "--backup", File("old.img")}, 1, "exists already"},
      {"empty export name", {"export", master, "-o", ""}, 2, "empty file name for --output"},
      {"empty import name", {"import", File("master.csv"), "-o", ""}, 2, "empty file name for --output"},
      {"empty read name", {"read", "-p", noPort, "-o", ""}, 2, "empty file name for --output"},
      {"empty backup name", {"write", master, "-p", noPort, "--backup", ""}, 2, "empty file name for --backup"},
      {"empty image name", {"write", "", "-p", noPort}, 2, "write: the file name is empty"},
      {"empty name to show", {"show", ""}, 2, "show: the file name is empty"},
      {"--force without --backup", {"write", master, "-p", noPort, "--force"}, 2, "--force only lets --backup"},
      {"export onto its image", {"export", master, "-o", master}, 1, "is the input " + master + " itself"},
      {"export onto a link to its image", {"export", master, "-o", File("master-link")}, 1, "is the input"},
      {"import onto its CSV", {"import", File("master.csv"), "-o", File("master.csv")}, 1, "is the input"},
  };
  const auto before = Snapshot(dir.Path());
  for (const Refusal &refusal : refusals) {
    if ((refusal.needs == Refusal::ROOT && !root) || (refusal.needs == Refusal::SMALL_DISK && !mounted)) {
      std::cout << "skipped, needs root (and for a full disk, mount): " << refusal.name << '\n';
      continue;
    }
    const CliRun run = RunCli(refusal.arguments, refusal.standardOutput);
    EXPECT_EQ(run.status, refusal.status) << refusal.name << ": " << run.err;
    EXPECT_NE(run.err.find(refusal.says), std::string::npos) << refusal.name << ": " << run.err;
    EXPECT_EQ(Snapshot(dir.Path()), before) << refusal.name;
  }
}

TEST_F(CliHostileFiles, LinksAreWrittenThroughAndGbkNamesKept) {
  ASSERT_EQ(RunCli({"export", File("master.img"), "-o", File("csv-link")}).status, 0);
  ASSERT_EQ(RunCli({"import", File("master.csv"), "-o", File("img-link"), "--base", File("master.img")}).status, 0);
  EXPECT_EQ(fs::read_symlink(File("csv-link")), "old.csv");
  EXPECT_EQ(fs::read_symlink(File("img-link")), "old.img");
  EXPECT_EQ(ReadWholeFile(File("old.csv")), ReadWholeFile(File("master.csv")));
  EXPECT_EQ(ReadWholeFile(File("old.img")), ReadWholeFile(File("master.img")));
  // An image updated in place: the base is read before the output is written.
  const CliRun inPlace = RunCli({"import", File("master.csv"), "-o", File("master.img"), "--base", File("master.img")});
  EXPECT_EQ(inPlace.status, 0) << inPlace.err;
  EXPECT_EQ(ReadWholeFile(File("master.img")), ReadWholeFile(File("old.img")));

  ASSERT_TRUE(PutImage(File(GBK_NAME + ".img"), ValidImage()));
  const CliRun exported = RunCli({"export", File(GBK_NAME + ".img"), "-o", File(GBK_NAME + ".csv")});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(ReadWholeFile(File(GBK_NAME + ".csv")), ReadWholeFile(File("master.csv")));
  const CliRun broken = RunCli({"show", File(GBK_NAME + "x.img")});
  EXPECT_NE(broken.err.find(File(GBK_NAME + "x.img") + ": No such file"), std::string::npos) << broken.err;
}

}  // namespace
