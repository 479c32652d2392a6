// What the reader and writer do with bad input and failing files, and the state they leave.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/project_file.h"
#include "core/project_ops.h"
#include "fake_desktop.h"
#include "sample_project.h"

namespace core {
namespace {

using testing_support::FillSampleProject;
using testing_support::ShownMessage;
using testing_support::TempFolder;
using testing_support::TestApp;

const ShownMessage kIOError{"IO Error", "Error", ui::MessageIcon::Error};
const ShownMessage kFormatError{"File format not match", "Error", ui::MessageIcon::Error};

std::vector<uint8_t> SampleBytes() {
  TestApp t;
  FillSampleProject(t.app);
  return EncodeProject(t.app).value();
}

TEST(ProjectFileFailures, MissingFileIsReportedWithItsPathAndLeavesTheModelAlone) {
  TempFolder dir;
  TestApp t;
  AddNewObject(t.app, kKindLabel, {0, 0});
  EXPECT_FALSE(LoadProject(t.app, dir.File("AutoRun.ard")));
  EXPECT_EQ(t.platform.messages,
            (std::vector<ShownMessage>{{"File \"" + dir.File("AutoRun.ard") + "\" not found",
                                        "Error", ui::MessageIcon::Error}}));
  EXPECT_EQ(t.app.Project.Objects.size(), 1u);
}

TEST(ProjectFileFailures, WrongSignatureOrEmptyFileIsAFormatMismatch) {
  TempFolder dir;
  auto bytes = SampleBytes();
  bytes[3] = 0x56;
  dir.Write("bad.ard", std::string(bytes.begin(), bytes.end()));
  dir.Write("empty.ard", "");
  dir.Write("short.ard", "\x55\xAA\xAA");
  for (const char* name : {"bad.ard", "empty.ard", "short.ard"}) {
    TestApp t;
    AddNewObject(t.app, kKindButton, {0, 0});
    t.window.SetCaption("Before");
    EXPECT_FALSE(LoadProject(t.app, dir.File(name))) << name;
    EXPECT_EQ(t.platform.messages, std::vector<ShownMessage>{kFormatError}) << name;
    EXPECT_EQ(t.app.Project.Objects.size(), 1u) << name;
    EXPECT_EQ(t.window.Caption(), "Before") << name;
  }
}

// Cutting the file anywhere after the signature must give exactly one "IO Error", a failure, no
// half-built object, and no binding, look or cleared flag.
TEST(ProjectFileFailures, EveryTruncationIsOneIOErrorAndLeavesOnlyWholeObjects) {
  const auto bytes = SampleBytes();
  const size_t end_of_block = bytes.size() - 84;
  for (size_t cut = 4; cut < end_of_block + 4; ++cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    TestApp t;
    EXPECT_FALSE(DecodeProject(t.app, bytes.data(), cut));
    ASSERT_EQ(t.platform.messages, std::vector<ShownMessage>{kIOError});
    EXPECT_EQ(t.presentation.attaches, 0);
    EXPECT_EQ(t.presentation.renders, 0);
    const auto& objects = t.app.Project.Objects;
    ASSERT_EQ(objects.size(), t.panel1.Children().size());
    for (size_t i = 0; i < objects.size(); ++i) {
      ASSERT_NE(objects[i]->Control, nullptr);
      EXPECT_EQ(objects[i]->Control->Parent(), &t.panel1);
      EXPECT_EQ(objects[i]->Control->Tag, static_cast<int32_t>(i));
    }
  }
}

TEST(ProjectFileFailures, TheFillerIsNeverRead) {
  const auto bytes = SampleBytes();
  TestApp t;
  EXPECT_TRUE(DecodeProject(t.app, bytes.data(), bytes.size() - 80));
  for (const auto& m : t.platform.messages) EXPECT_NE(m.text, "IO Error");
}

TEST(ProjectFileFailures, FieldsReadBeforeTheFailureStayApplied) {
  auto bytes = SampleBytes();
  // Cut inside the second object: the window and panel are applied, the first object kept.
  TestApp whole;
  FillSampleProject(whole.app);
  TestApp t;
  const size_t cut = bytes.size() - 84 - 60;
  EXPECT_FALSE(DecodeProject(t.app, bytes.data(), cut));
  EXPECT_EQ(t.window.Caption(), "Sample Disc");
  EXPECT_EQ(t.window.BoundsRect(), ui::Rect::FromBounds(192, 144, 640, 480));
  EXPECT_EQ(t.panel.BorderWidth, 3);
  EXPECT_EQ(t.app.Project.StartLink, whole.app.Project.StartLink);
  EXPECT_EQ(t.app.Project.Objects.size(), 2u);
}

void PutInt32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(uint32_t(value) >> (8 * i));
}

TEST(ProjectFileFailures, NegativeOrOversizedStringLengthsAreReadErrors) {
  for (int32_t length : {-1, -2147483647 - 1, 2147483647, 1 << 20}) {
    auto bytes = SampleBytes();
    PutInt32(bytes, 4, length);  // the IconFile length
    TestApp t;
    t.app.Project.IconFile = "\\kept.ico";
    EXPECT_FALSE(DecodeProject(t.app, bytes.data(), bytes.size())) << length;
    EXPECT_EQ(t.platform.messages, std::vector<ShownMessage>{kIOError});
    EXPECT_EQ(t.app.Project.IconFile, "\\kept.ico") << "nothing undefined reaches the model";
  }
}

TEST(ProjectFileFailures, AnObjectCountLargerThanTheFileFailsQuickly) {
  TestApp saved;
  ApplyNewProjectDefaults(saved.app);
  auto bytes = EncodeProject(saved.app).value();
  PutInt32(bytes, 4 + 89, 2147483647);
  TestApp t;
  EXPECT_FALSE(DecodeProject(t.app, bytes.data(), bytes.size()));
  EXPECT_EQ(t.platform.messages, std::vector<ShownMessage>{kIOError});
  EXPECT_TRUE(t.app.Project.Objects.empty());
}

// A missing folder, or a folder in the project file's place that cannot be replaced by a file:
// the general error handler names the file; the folder stays, no temporary file is left.
TEST(ProjectFileFailures, AFileThatCannotBeCreatedGoesToTheGeneralErrorHandler) {
  TempFolder dir;
  const std::string native = testing_support::NativePath(dir.File("AutoRun.ard")).string();
  std::filesystem::create_directories(native + "/inside");
  for (const std::string& path :
       {dir.File("no-such-folder\\AutoRun.ard"), dir.File("AutoRun.ard")}) {
    TestApp t;
    EXPECT_FALSE(SaveProjectFile(t.app, path));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, testing_support::kGeneralErrorTitle);
    EXPECT_NE(t.platform.messages[0].text.find(path), std::string::npos);
  }
  EXPECT_TRUE(std::filesystem::is_directory(native + "/inside"));
  size_t entries = 0;
  for ([[maybe_unused]] auto& e :
       std::filesystem::directory_iterator(std::filesystem::path(native).parent_path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1u) << "the temporary file was removed";
}

}  // namespace
}  // namespace core
