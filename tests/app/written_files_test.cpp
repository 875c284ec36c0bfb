// The program's own files are written whole or not at all: a link is followed to a regular
// file and stays a link, anything else at its end (a device, a pipe) is refused and left as it
// is, and a write that fails on a full disk leaves the old file in place.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/settings_persistence.h"
#include "backtest/analysis_report.h"
#include "common/atomic_file.h"
#include "common/text_file.h"
#include "form/scripted_platform.h"
#include "support/fifo_guard.h"
#include "support/full_disk.h"
#include "support/temp_home.h"

namespace numora::test {
namespace {

namespace fs = std::filesystem;

struct Writer {
  const char* file;
  std::function<void(const TempHome&)> write;
};

const std::vector<Writer>& writers() {
  static const std::vector<Writer> all{
      {"VuduRo.ini",
       [](const TempHome& home) {
         FileSettingsStore store(home.file("VuduRo.ini").string());
         store.writeInteger("UpDown18", 6);
         store.flush();
       }},
      {"tipps.txt",
       [](const TempHome& home) {
         Form form;
         form.Home = home.home();
         form.ListBox1.setLines({"01,02,03"});
         saveTipList(form);
       }},
      {"Analyse.txt",
       [](const TempHome& home) {
         Form form;
         form.Home = home.home();
         ScriptedPlatform platform;
         writeAndOpenAnalysis(form, platform, {"Current setting brought"});
       }},
      // Exports, tip files, ticket sheets and value lists.
      {"export.txt",
       [](const TempHome& home) { writeTextLines(home.file("export.txt"), {"01,02,03"}); }},
  };
  return all;
}

// Names in the folder besides those expected: a scratch file left behind.
std::vector<std::string> leftOver(const fs::path& folder,
                                  const std::vector<std::string>& expected) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(expected.begin(), expected.end(), name) == expected.end()) names.push_back(name);
  }
  return names;
}

// "NAME~" was the scratch file's one name: an editor's backup of that name beside a file the
// player chose was removed at every save.
TEST(WrittenFilesTest, AFileNamedAsTheScratchFileIsThePlayersAndStays) {
  for (const Writer& writer : writers()) {
    SCOPED_TRACE(writer.file);
    TempHome home;
    const std::string backup = std::string(writer.file) + "~";
    home.writeBytes(backup, "the player's backup");
    writer.write(home);
    EXPECT_TRUE(fs::exists(home.file(writer.file)));
    EXPECT_EQ(home.readBytes(backup), "the player's backup");
    EXPECT_EQ(leftOver(home.path(), {writer.file, backup}), std::vector<std::string>{});
  }
}

TEST(WrittenFilesTest, ALinkToARegularFileStaysALinkAndItsFileIsReplaced) {
  for (const Writer& writer : writers()) {
    for (const bool fileExists : {true, false}) {
      SCOPED_TRACE(std::string(writer.file) + (fileExists ? " over a file" : " new"));
      TempHome home;
      fs::create_directory(home.file("dotfiles"));
      if (fileExists) home.writeBytes(std::string("dotfiles/") + writer.file, "old\n");
      fs::create_symlink(fs::path("dotfiles") / writer.file, home.file(writer.file));
      writer.write(home);
      EXPECT_TRUE(fs::is_symlink(home.file(writer.file)));
      const std::string written = home.readBytes(std::string("dotfiles/") + writer.file);
      EXPECT_NE(written, "old\n");
      EXPECT_FALSE(written.empty());
      EXPECT_EQ(leftOver(home.path(), {"dotfiles", writer.file}), std::vector<std::string>{});
      EXPECT_EQ(leftOver(home.file("dotfiles"), {writer.file}), std::vector<std::string>{});
    }
  }
}

TEST(WrittenFilesTest, ALinkToADeviceOrAPipeIsRefusedAndLeftAsItIs) {
  for (const Writer& writer : writers()) {
    SCOPED_TRACE(writer.file);
    TempHome home;
    fs::create_directory(home.file("devices"));
    const fs::path node = home.file("devices") / writer.file;
    const fs::file_type kind = makeDeviceOrFifo(node);
    fs::create_symlink(node, home.file(writer.file));
    bool refused = false;
    EXPECT_TRUE(endsWithoutBlocking(
        [&] {
          try {
            writer.write(home);
          } catch (const std::exception&) {
            refused = true;
          }
        },
        {node}));
    EXPECT_TRUE(refused);
    EXPECT_EQ(fs::symlink_status(node).type(), kind);
    EXPECT_TRUE(fs::is_symlink(home.file(writer.file)));
    EXPECT_EQ(leftOver(home.path(), {"devices", writer.file}), std::vector<std::string>{});
  }
}

TEST(WrittenFilesTest, AFullDiskLeavesTheOldFileAndNoScratchFile) {
  for (const Writer& writer : writers()) {
    SCOPED_TRACE(writer.file);
    TempHome home;
    const std::string old = "[SOFTWARE]\nVeltrin\\VuduRo\\UpDown18=int:4\n";
    home.writeBytes(writer.file, old);
    bool refused = false;
    {
      FullDisk full;
      try {
        writer.write(home);
      } catch (const std::exception&) {
        refused = true;
      }
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(home.readBytes(writer.file), old);
    EXPECT_EQ(leftOver(home.path(), {writer.file}), std::vector<std::string>{});
  }
}

// A real full file system (a small one mounted for the test, which needs the administrator):
// the settings' scratch copy is written elsewhere, so it is the checked writer's own write
// that meets the full disk, and the old file stays.
TEST(WrittenFilesTest, ASettingsFileOnAFullFileSystemStaysAsItWas) {
  TempHome home;
  const fs::path small = home.file("small");
  fs::create_directory(small);
  if (::geteuid() != 0 || ::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "no small file system can be mounted here";
  }
  struct Unmount {
    fs::path folder;
    ~Unmount() { (void)::umount2(folder.c_str(), MNT_DETACH); }
  } unmount{small};
  const fs::path file = small / "VuduRo.ini";
  {
    FileSettingsStore store(file.string());
    store.writeInteger("UpDown18", 4);
    store.flush();
  }
  const std::string old = home.readBytes("small/VuduRo.ini");
  {
    std::ofstream filler(small / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
  }
  FileSettingsStore store(file.string());
  store.writeInteger("UpDown18", 5);
  EXPECT_THROW(store.flush(), FileAccessError);
  EXPECT_EQ(home.readBytes("small/VuduRo.ini"), old);
  EXPECT_EQ(leftOver(small, {"VuduRo.ini", "filler"}), std::vector<std::string>{});
}

}  // namespace
}  // namespace numora::test
