// Choosing the CD icon: the icon file itself changes nothing, another file replaces it, a copy
// that fails says "IO Error".
#include <gtest/gtest.h>

#include "designer/cd_icon.h"
#include "fake_desktop.h"

namespace designer {
namespace {

TEST(CdIcon, ReplacesTheIconUnlessItIsChosenItself) {
  testing_support::TempFolder cd;
  testing_support::TestApp t;
  t.app.CDFolder = cd.Path();
  cd.Write("AutoRun.ico", "old");
  cd.Write("other.ico", "new");

  std::string itself = cd.File("autorun.ICO");
  EXPECT_EQ(ReplaceCdIcon(t.app, itself), CdIconChange::Unchanged);
  EXPECT_EQ(ReplaceCdIcon(t.app, cd.File("other.ico")), CdIconChange::Replaced);
  EXPECT_EQ(cd.Read("AutoRun.ico"), "new");
  EXPECT_EQ(ReplaceCdIcon(t.app, cd.File("missing.ico")), CdIconChange::Failed);
  EXPECT_EQ(cd.Read("AutoRun.ico"), "new");
  EXPECT_EQ(
      t.platform.messages,
      (std::vector<testing_support::ShownMessage>{{"IO Error", "Error", ui::MessageIcon::Error}}));
}

}  // namespace
}  // namespace designer
