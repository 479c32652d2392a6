// Links: the shell request of each action, the shell's error texts, sound and exit.
#include <gtest/gtest.h>

#include "fake_desktop.h"
#include "player/link_runner.h"

namespace player {
namespace {

using testing_support::ShownMessage;
using testing_support::TempFolder;
using testing_support::TestApp;

class RecordingServices : public LinkServices {
 public:
  intptr_t ShellExecute(const ShellRequest& request) override {
    requests.push_back(request);
    return shell_result;
  }
  bool PlayMedia(const std::string& path) override {
    played.push_back(path);
    return media_ok;
  }
  void ClosePresentation() override { ++closed; }

  intptr_t shell_result = 42;
  bool media_ok = true;
  std::vector<ShellRequest> requests;
  std::vector<std::string> played;
  int closed = 0;
};

core::TCommand Link(uint8_t action, std::string target, std::string parameters = "",
                    std::string directory = "") {
  core::TCommand link;
  link.Action = action;
  link.Target = std::move(target);
  link.Parameters = std::move(parameters);
  link.StartDirectory = std::move(directory);
  link.ShowCommand = 3;
  return link;
}

class Links : public ::testing::Test {
 protected:
  Links() { t.app.CDFolder = "E:"; }
  TestApp t;
  RecordingServices shell;
};

TEST_F(Links, OpenFileJoinsTargetAndStartDirectoryToTheCdFolder) {
  EXPECT_TRUE(
      RunLink(t.app, shell, Link(core::kActionOpenFile, "\\setup\\setup.exe", "/q", "\\setup")));
  EXPECT_TRUE(RunLink(t.app, shell, Link(core::kActionOpenFile, "\\setup\\setup.exe")));
  EXPECT_EQ(shell.requests,
            (std::vector<ShellRequest>{{"open", "E:\\setup\\setup.exe", "/q", "E:\\setup", 3},
                                       {"open", "E:\\setup\\setup.exe", "", "E:", 3}}));
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(Links, UrlMailPrintAndBrowseMakeTheirOwnRequests) {
  RunLink(t.app, shell, Link(core::kActionOpenUrl, "www.example.com/a b", "ignored", "\\x"));
  RunLink(t.app, shell, Link(core::kActionSendEmail, "info@example.com", "?subject=Hi"));
  RunLink(t.app, shell, Link(core::kActionPrintFile, "\\docs\\manual.txt", "p", "\\docs"));
  RunLink(t.app, shell, Link(core::kActionBrowseCd, "\\whatever", "/e"));
  EXPECT_EQ(shell.requests,
            (std::vector<ShellRequest>{{"open", "www.example.com/a b", "", "", 3},
                                       {"open", "mailto:info@example.com", "?subject=Hi", "", 3},
                                       {"print", "E:\\docs\\manual.txt", "p", "", 3},
                                       {"explore", "E:", "/e", "", 3}}));
}

TEST_F(Links, AFailedShellRequestShowsTheTextForItsCode) {
  const std::pair<intptr_t, const char*> cases[] = {
      {31, "There is no application associated with the given filename extension."},
      {2, "The specified file was not found."},
      {0, "The operating system is out of memory or resources."},
      {4, "Operation Error"},
      {10, "Operation Error"},
      {32, "The specified dynamic-link library was not found."},
  };
  for (const auto& [code, text] : cases) {
    t.platform.messages.clear();
    shell.shell_result = code;
    EXPECT_FALSE(RunLink(t.app, shell, Link(core::kActionPrintFile, "\\a.xyz")));
    EXPECT_EQ(t.platform.messages,
              (std::vector<ShownMessage>{{text, "Error", ui::MessageIcon::Error}}))
        << code;
  }
  shell.shell_result = 33;
  t.platform.messages.clear();
  EXPECT_TRUE(RunLink(t.app, shell, Link(core::kActionPrintFile, "\\a.txt")));
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(Links, SoundsPlayFromTheCdFolderAndAMissingOneIsReportedOnce) {
  TempFolder dir;
  dir.Write("chime.wav", "RIFF");
  t.app.CDFolder = dir.Path();
  EXPECT_TRUE(RunLink(t.app, shell, Link(core::kActionPlaySound, "\\chime.wav")));
  EXPECT_EQ(shell.played, std::vector<std::string>{dir.File("chime.wav")});
  EXPECT_TRUE(shell.requests.empty()) << "sound never goes through the shell";

  EXPECT_FALSE(RunLink(t.app, shell, Link(core::kActionPlaySound, "\\gone.wav")));
  EXPECT_EQ(t.platform.messages, (std::vector<ShownMessage>{{"The specified file was not found.",
                                                             "Error", ui::MessageIcon::Error}}));
  EXPECT_EQ(shell.played.size(), 1u);

  shell.media_ok = false;  // a file no media device can open: silent
  EXPECT_FALSE(RunLink(t.app, shell, Link(core::kActionPlaySound, "\\chime.wav")));
  EXPECT_EQ(t.platform.messages.size(), 1u);
}

TEST_F(Links, ExitClosesTheMenuAndOtherCodesDoNothing) {
  EXPECT_FALSE(RunLink(t.app, shell, Link(core::kActionExit, "")));
  EXPECT_EQ(shell.closed, 1);
  for (int action : {0, 8, 255}) {
    EXPECT_FALSE(RunLink(t.app, shell, Link(static_cast<uint8_t>(action), "\\x.exe")));
  }
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_TRUE(shell.played.empty());
  EXPECT_EQ(shell.closed, 1);
  EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace player
