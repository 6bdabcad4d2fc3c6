#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "platform/files/file_requester.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"

using namespace platform;

namespace {

using Patterns = std::vector<std::string>;

// Puts a stand-in "zenity" alone on the search path: it records its arguments
// one per line in args.txt, prints reply and exits with status.
class FakeDialog {
 public:
  FakeDialog(const TempFolder& folder, const std::string& reply, int status) : savedPath_(std::getenv("PATH")) {
    const auto bin = folder.Path() / "bin";
    std::filesystem::create_directory(bin);
    argsFile_ = folder.Path() / "args.txt";
    std::ofstream script(bin / "zenity");
    script << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << argsFile_.string() << "'\nprintf '%s\\n' '" << reply
           << "'\nexit " << status << "\n";
    script.close();
    std::filesystem::permissions(bin / "zenity", std::filesystem::perms::owner_all);
    setenv("PATH", bin.c_str(), 1);
  }
  ~FakeDialog() { setenv("PATH", savedPath_.c_str(), 1); }

  std::vector<std::string> Arguments() const {
    std::ifstream in(argsFile_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  std::string savedPath_;
  std::filesystem::path argsFile_;
};

}  // namespace

TEST(FileRequester, OpenDialogGetsTheConvertedFilterAndInitialFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "levels");
  folder.Write("levels/5.lvl", {1});
  const std::string chosen = (folder.Path() / "levels" / "5.lvl").string();
  FakeDialog dialog(folder, chosen, 0);

  EXPECT_EQ(RequestFile("Open level", "Level files:dat,lvl;All Files:*", false, "levels/3.lvl"), chosen);
  EXPECT_EQ(dialog.Arguments(),
            (Patterns{"--file-selection", "--title=Open level", "--filename=levels/3.lvl",
                      "--file-filter=Level files | *.dat *.lvl", "--file-filter=All Files | *"}));
}

TEST(FileRequester, OpenAnswersOnlyWithAnExistingFile) {
  TempFolder folder;
  FakeDialog dialog(folder, (folder.Path() / "gone.lvl").string(), 0);
  EXPECT_EQ(RequestFile("Open", "", false, ""), "");
}

TEST(FileRequester, SaveAsksBeforeOverwritingAndAddsTheFirstExtension) {
  TempFolder folder;
  const std::string typed = (folder.Path() / "mylevel").string();
  FakeDialog dialog(folder, typed, 0);
  EXPECT_EQ(RequestFile("Save level", "Level files:dat,lvl;All Files:*", true, "levels\\new.lvl"), typed + ".dat");
  const auto arguments = dialog.Arguments();
  EXPECT_NE(std::find(arguments.begin(), arguments.end(), "--save"), arguments.end());
  EXPECT_NE(std::find(arguments.begin(), arguments.end(), "--confirm-overwrite"), arguments.end());
  EXPECT_NE(std::find(arguments.begin(), arguments.end(), "--filename=levels/new.lvl"), arguments.end());
}

TEST(FileRequester, CancelOrNoDialogGivesTheEmptyString) {
  TempFolder folder;
  {
    FakeDialog cancelled(folder, "", 1);
    EXPECT_EQ(RequestFile("Save", "Level files:lvl", true, ""), "");
  }
  const std::string savedPath = std::getenv("PATH");
  setenv("PATH", folder.Path().c_str(), 1);  // no dialog program anywhere
  EXPECT_EQ(RequestFile("Save", "Level files:lvl", true, ""), "");
  setenv("PATH", savedPath.c_str(), 1);
}
