// What "Help Contents..." opens: the WinHelp file beside the designer, else the help page beside
// it, else the page's full path for the missing-file message.
#include <gtest/gtest.h>

#include <filesystem>

#include "designer/help_request.h"
#include "fake_desktop.h"

namespace designer {
namespace {

TEST(HelpRequest, TheWinHelpFileThenThePageBesideTheDesignerElseThePageIsMissing) {
  testing_support::TempFolder folder;
  folder.Write("Quorvane Help.html", "<html></html>");
  std::filesystem::create_directory(testing_support::NativePath(folder.File("bin")));
  // Only the designer's own folder counts, not the one above it.
  const std::string exe = folder.File("bin\\Quorvane.exe");
  const std::string page = folder.File("bin\\Quorvane Help.html");
  EXPECT_EQ(HelpRequestFor(exe), (HelpRequest{HelpRequest::PageMissing, page}));
  // A folder of the page's name is no page.
  std::filesystem::create_directory(testing_support::NativePath(page));
  EXPECT_EQ(HelpRequestFor(exe), (HelpRequest{HelpRequest::PageMissing, page}));
  std::filesystem::remove(testing_support::NativePath(page));

  folder.Write("bin\\Quorvane Help.html", "<html></html>");
  EXPECT_EQ(HelpRequestFor(exe), (HelpRequest{HelpRequest::Page, page}));
  folder.Write("bin\\Quorvane.hlp", "");
  EXPECT_EQ(HelpRequestFor(exe),
            (HelpRequest{HelpRequest::WinHelpFile, folder.File("bin\\Quorvane.hlp")}));
  std::filesystem::remove(testing_support::NativePath(page));
  EXPECT_EQ(HelpRequestFor(exe).kind, HelpRequest::WinHelpFile);
}

TEST(HelpRequest, APageNoProgramOpenedIsNamedAfterTheReason) {
  const std::string page = "C:\\Program Files\\Quorvane\\Quorvane Help.html";
  const std::string text = PageNotOpenedText("No program.", page);
  EXPECT_EQ(text.find("No program.\n\n"), 0u) << text;
  EXPECT_NE(text.find("\"" + page + "\""), std::string::npos) << text;
}

}  // namespace
}  // namespace designer
