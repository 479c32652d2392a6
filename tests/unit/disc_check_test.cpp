// Check Disc: names, paths, depths, sizes and case clashes of the CD folder, the files the design
// names, the addresses and fonts it uses, and the listing of a real folder.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <tuple>

#include "core/address_rules.h"
#include "core/disc_check.h"
#include "core/disc_image.h"
#include "core/project_ops.h"
#include "fake_desktop.h"

namespace core {
namespace {

using testing_support::NativePath;
using testing_support::TempFolder;
using testing_support::TestApp;

constexpr uint64_t kGiB = uint64_t{1} << 30;

fs::FolderItem File(std::string path, uint64_t size = 1) {
  return {std::move(path), {size, 0, false}};
}
fs::FolderItem Folder(std::string path) {
  return {std::move(path), {0, 0, true}};
}
fs::FolderItem Link(std::string path) {
  return {std::move(path), {0, 0, false, true}};
}
// A saved CD folder: the four files a save writes, and `more`.
std::vector<fs::FolderItem> Saved(std::vector<fs::FolderItem> more) {
  for (const char* name : {"AutoRun.exe", "AutoRun.ard", "autorun.inf", "AutoRun.ico"}) {
    more.push_back(File(name, 1000));
  }
  return more;
}
std::string Deep(int levels) {
  std::string path = "d1";
  for (int i = 2; i <= levels; ++i) path += "\\d" + std::to_string(i);
  return path;
}

// Errors and warnings as "E file" / "W file", the object index appended when there is one.
std::vector<std::string> Found(const TestApp& t, const std::vector<fs::FolderItem>& folder,
                               const CheckOptions& options = {}) {
  std::vector<std::string> found;
  for (const auto& f : CheckDisc(t.app, folder, options)) {
    found.push_back((f.severity == Severity::Error ? "E " : "W ") + f.file +
                    (f.object >= 0 ? " #" + std::to_string(f.object) : ""));
  }
  return found;
}

TEST(DiscCheck, FolderNamesPathsDepthsSizesAndCaseClashes) {
  const std::string a64(64, 'a'), a65(65, 'a'), umlauts64 = [] {
    std::string s;
    for (int i = 0; i < 64; ++i) s += "\xC3\xA4";  // "ä" in UTF-8
    return s;
  }();
  const std::string chinese63 = [] {
    std::string s;
    for (int i = 0; i < 63; ++i) s += "中";
    return s;
  }();
  const std::string base = a64.substr(4) + "\\" + a64.substr(4) + "\\" + a64.substr(4);  // 182
  const std::string long_folder = base + "\\" + std::string(58, 'q');  // 241 characters
  const struct {
    std::vector<fs::FolderItem> items;
    std::vector<std::string> expected;
  } cases[] = {
      {{File("readme.txt"), File(a64)}, {}},
      {{File(a65)}, {"E " + a65}},
      {{File(umlauts64), File(umlauts64 + "\xC3\xA4")}, {"E " + umlauts64 + "\xC3\xA4"}},
      {{File(chinese63 + "文"), File(chinese63 + "文字")}, {"E " + chinese63 + "文字"}},
      {{File("\xE4.txt")}, {"E \xE4.txt"}},  // a single-byte code page's "ä": not UTF-8
      {{Folder("中文目录"), File("中文目录\\Ελληνικά 中文.txt"), Folder("Документы"),
        File("Документы\\файл.txt"), File("ｆｕｌｌ.txt"), File("Ω≈ç√.txt"), File("A\u0308.txt")},
       {}},
      {{Folder("smile \U0001F600"), File("smile \U0001F600\\a.txt"), File("\U0001D11E.txt")},
       {"E smile \U0001F600", "E \U0001D11E.txt"}},  // an emoji, a musical symbol
      {{File("a;1.txt"), File("tab\t.txt"), File("q?.txt")},
       {"E a;1.txt", "E tab\t.txt", "E q?.txt"}},
      {{Folder(base), File(base + "\\" + std::string(57, 'q'))}, {}},
      {{Folder(long_folder), File(long_folder + "\\x")}, {"E " + long_folder}},
      {{Folder(Deep(6)), File(Deep(6) + "\\f")}, {}},
      {{Folder(Deep(7)), Folder(Deep(8)), File(Deep(8) + "\\f")}, {"E " + Deep(7)}},
      {{File("big.iso", 4 * kGiB - 1), File("huge.iso", 4 * kGiB)}, {"E huge.iso", "E "}},
      {{Folder("Docs"), Folder("docs"), File("Docs\\a"), File("docs\\a"), File("docs\\A")},
       {"E docs", "E docs\\a"}},
      {{File("Ä.txt"), File("ä.txt"), Folder("ДОКУМЕНТЫ"), Folder("документы")},
       {"E ä.txt", "E документы"}},
      // Windows upper-cases one unit at a time, with no folding beyond that and no normalisation.
      {{File("SS.txt"), File("ß.txt"), File("full.txt"), File("ｆｕｌｌ.txt"), File("Ä.txt"),
        File("A\u0308.txt")},
       {}},
      {{File("video.avi", 704 * (1u << 20))}, {"E "}},  // over a CD 700 MB: 703.1 MB
      {{File("video.avi", 700 * (1u << 20))}, {}},
      {{File("end."), Folder("end "), File("end \\a"), File(". a"), File(".a")},
       {"E end.", "E end "}},
      // Links stay off the disc: no rule but their own sees them.
      {{Folder("docs"), Link("Docs"), Link("loop;1."), File("docs\\a")}, {"W Docs", "W loop;1."}},
  };
  for (const auto& c : cases) {
    TestApp t;
    EXPECT_EQ(Found(t, Saved(c.items)), c.expected) << c.items.front().path;
  }
}

TEST(DiscCheck, MediaHoldWhatTheirSectorsHold) {
  const std::vector<fs::FolderItem> folder = Saved({File("dvd.iso", 4 * kGiB - 1)});
  std::vector<std::string> over;
  for (const auto& medium : kDiscMedia) {
    TestApp t;
    CheckOptions options;
    options.medium = medium.medium;
    if (!Found(t, folder, options).empty()) over.push_back(medium.keyword);
  }
  EXPECT_EQ(over, (std::vector<std::string>{"cd700", "cd650"}));
  EXPECT_EQ(kDiscMedia[0].capacity, 737280000u);
  // The check's size is the image writer's, to the sector: a folder that fills a CD exactly fits.
  std::vector<fs::FolderItem> full = Saved({File("video.avi", 0)});
  full.front().info.size = kDiscMedia[0].capacity - disc::ImageSize(full);
  TestApp t;
  EXPECT_EQ(Found(t, full), std::vector<std::string>{});
  ++full.front().info.size;
  EXPECT_EQ(Found(t, full), std::vector<std::string>{"E "});
}

TEST(DiscCheck, FilesTheDesignNames) {
  using Setup = std::function<void(AppState&)>;
  const auto object = [](uint8_t kind, std::function<void(AutoObjectType&)> edit) -> Setup {
    return [=](AppState& app) { edit(AddNewObject(app, kind, {0, 0})); };
  };
  const auto image = [&](std::string file) {
    return object(kKindImage, [=](AutoObjectType& o) { o.ImageFile = file; });
  };
  const auto link = [&](uint8_t action, std::string target, std::string start = "") {
    return object(kKindButton, [=](AutoObjectType& o) {
      o.Link.Action = action;
      o.Link.Target = target;
      o.Link.StartDirectory = start;
    });
  };
  const struct {
    Setup setup;
    std::vector<std::string> expected;
  } cases[] = {
      {image("\\PICS\\Logo.JPG"), {}},
      // A picture the player's loader refuses (the fake refuses ".bad") is no picture; a link's
      // file is opened, not shown.
      {image("\\pics\\broken.bad"), {"E \\pics\\broken.bad #0"}},
      {object(kKindButton, [](auto& o) { o.HotGlyphFile = "\\pics\\broken.bad"; }),
       {"E \\pics\\broken.bad #0"}},
      {object(kKindButton, [](auto& o) { o.GlyphFile = "\\pics\\logo.jpg"; }), {}},
      {link(kActionOpenFile, "\\pics\\broken.bad"), {}},
      {link(kActionOpenFile, "\\ДОКУМЕНТЫ\\ΦΩΤΟ.JPG"), {}},
      {image("\\pics\\gone.jpg"), {"E \\pics\\gone.jpg #0"}},
      {image("\\pics"), {"E \\pics #0"}},
      {image("\\pics\\..\\pics\\.\\logo.jpg"), {}},
      {image("\\..\\pics\\logo.jpg"), {"E \\..\\pics\\logo.jpg #0"}},
      {image("C:\\Disc\\pics\\logo.jpg"), {"E C:\\Disc\\pics\\logo.jpg #0"}},
      {object(kKindImage, [](auto& o) { o.HotImageFile = "D:\\x.jpg"; }), {"E D:\\x.jpg #0"}},
      {object(kKindButton, [](auto& o) { o.GlyphFile = "\\\\server\\g.bmp"; }),
       {"E \\\\server\\g.bmp #0"}},
      {object(kKindButton, [](auto& o) { o.HotGlyphFile = "\\C:\\g.bmp"; }), {"E \\C:\\g.bmp #0"}},
      {object(kKindLabel, [](auto& o) { o.GlyphFile = "\\unused.bmp"; }), {}},
      {link(kActionOpenFile, "\\docs", "\\docs"), {}},
      {link(kActionOpenFile, "\\setup.exe", "\\bin"), {"E \\setup.exe #0", "E \\bin #0"}},
      {link(kActionPlaySound, "\\docs"), {"E \\docs #0"}},
      {link(kActionPrintFile, ""), {"W  #0"}},
      {link(kActionOpenUrl, "www.example.com"), {"W www.example.com #0"}},
      {link(kActionOpenUrl, "https://example.com/a b"), {"W https://example.com/a b #0"}},
      {link(kActionSendEmail, "mailto:me@example.com"), {"W mailto:me@example.com #0"}},
      {link(kActionSendEmail, "me@example.com?subject=Hello there"), {}},
      {object(kKindButton, [](auto& o) { o.Link.SoundFile = "\\click.wav"; }),
       {"E \\click.wav #0"}},
      {[](AppState& app) { app.Project.StartSoundFile = "intro.wav"; }, {}},
      {[](AppState& app) { app.Project.IconFile = "\\menu.ico"; }, {"E \\menu.ico"}},
      {[](AppState& app) {
         app.Project.StartLink = {"", kActionOpenFile, kShowNormal, "\\go.exe", "", ""};
       },
       {"E \\go.exe"}},
  };
  TempFolder cd;
  std::filesystem::create_directories(NativePath(cd.File("pics")));
  for (const char* file : {"pics\\logo.jpg", "pics\\broken.bad"}) cd.Write(file, "picture");
  for (const auto& c : cases) {
    TestApp t;
    t.app.CDFolder = cd.Path();
    c.setup(t.app);
    const auto folder =
        Saved({Folder("pics"), File("pics\\logo.jpg"), File("pics\\broken.bad"), Folder("docs"),
               File("intro.wav"), Folder("Документы"), File("Документы\\φωτο.jpg")});
    EXPECT_EQ(Found(t, folder), c.expected) << (c.expected.empty() ? "" : c.expected.front());
  }
}

// A double click on a finding opens the editor of what it names: for a link's file the link's.
TEST(DiscCheck, FindingsSayWhereTheAuthorMendsThem) {
  TestApp t;
  t.app.Project.IconFile = "\\gone.ico";
  t.app.Project.StartLink = {"", kActionPlaySound, kShowNormal, "\\gone.wav", "", ""};
  AutoObjectType& button = AddNewObject(t.app, kKindButton, {0, 0});
  button.GlyphFile = "\\gone.bmp";
  button.Link = {"", kActionOpenFile, kShowNormal, "\\gone.exe", "", ""};
  using Place = std::tuple<std::string, int, FindingPlace>;
  std::vector<Place> found;
  for (const auto& f : CheckDisc(t.app, Saved({File("a?.txt")}), {})) {
    found.emplace_back(f.file, f.object, f.place);
  }
  EXPECT_EQ(found, (std::vector<Place>{{"\\gone.ico", -1, FindingPlace::Properties},
                                       {"\\gone.wav", -1, FindingPlace::Link},
                                       {"\\gone.bmp", 0, FindingPlace::Properties},
                                       {"\\gone.exe", 0, FindingPlace::Link},
                                       {"a?.txt", -1, FindingPlace::Folder}}));
}

TEST(DiscCheck, FontsCaptionsAndTheSavedFiles) {
  TestApp t;
  for (const char* font : {"Fancy Script", "tahoma", "Fancy Script"}) {
    LabelOf(AddNewObject(t.app, kKindLabel, {0, 0}))->Font.name = font;
  }
  auto& button = AddNewObject(t.app, kKindButton, {0, 0});
  ButtonOf(button)->Caption = " ";
  button.Link.Action = kActionExit;
  CheckOptions options;
  options.design_saved_time = 5000;
  options.design_has_unsaved_changes = true;
  std::vector<fs::FolderItem> folder = {File("AutoRun.ard"), File("autorun.inf"),
                                        Folder("AutoRun.ico")};
  folder[0].info.modified = 4999;  // within a FAT drive's two seconds
  folder[1].info.modified = 4997;
  const auto findings = CheckDisc(t.app, folder, options);
  EXPECT_EQ(Found(t, folder, options),
            (std::vector<std::string>{"W  #0", "W  #3", "W AutoRun.exe", "W autorun.inf",
                                      "W AutoRun.ico", "W AutoRun.ard"}));
  EXPECT_EQ(findings[0].what,
            "The font \"Fancy Script\" does not come with Windows; where it is not installed, "
            "Windows shows another font.");
  EXPECT_EQ(CheckSummary(findings), "6 warnings");
  EXPECT_EQ(CheckExitCode(findings), 1);
}

// The sentences themselves, one of each rule's kinds, as the author reads them.
TEST(DiscCheck, SaysEachProblemInItsOwnWords) {
  TestApp t;
  t.app.CDFolder = "C:\\Disc";
  t.app.Project.IconFile = "\\pics";
  t.app.Project.StartSoundFile = "C:\\Disc\\intro.wav";
  t.app.Project.StartLink = {"", kActionOpenFile, kShowNormal, "\\\\server\\go.exe",
                             "", "intro.wav"};
  auto& button = AddNewObject(t.app, kKindButton, {0, 0});
  button.GlyphFile = "..\\g.bmp";
  button.Link = {"pics", kActionPlaySound, kShowNormal, "gone.wav", "", ""};
  AddNewObject(t.app, kKindButton, {0, 0}).Link.Action = kActionPrintFile;
  AddNewObject(t.app, kKindButton, {0, 0}).Link = {"", kActionOpenUrl, kShowNormal, "x", "", ""};
  AddNewObject(t.app, kKindButton, {0, 0}).Link = {"", kActionSendEmail, kShowNormal, "x", "", ""};
  AddNewObject(t.app, kKindImage, {0, 0}).ImageFile = "\\pics\\logo.jpg";  // not on the drive
  CheckOptions options;
  options.design_saved_time = 5000;
  options.design_has_unsaved_changes = true;
  const std::string long_path = std::string(60, 'p') + "\\" + std::string(60, 'q') + "\\" +
                                std::string(60, 'r') + "\\" + std::string(60, 's');
  std::vector<fs::FolderItem> folder =
      Saved({Folder("pics"), File("pics\\logo.jpg"), File("intro.wav"), File("a?.txt"),
             File("b\x01"), File("\U0001F600"), File("\xFF"), File(long_path),
             File("huge.iso", 4 * kGiB), File("end."), Link("loop")});
  folder[folder.size() - 3].info.modified = 100;  // AutoRun.ard
  std::vector<std::string> whats;
  for (const auto& finding : CheckDisc(t.app, folder, options)) whats.push_back(finding.what);
  EXPECT_EQ(whats,
            (std::vector<std::string>{
                "The window icon is a folder, not a file.",
                "The start sound is named by its full path, which will not be the same on the "
                "disc; choose it again from the CD folder.",
                "The file the start link opens lies on the network, so it will not be on the disc.",
                "The start folder of the start link is a file, not a folder.",
                "The button's glyph lies outside the CD folder, so it will not be on the disc.",
                "The sound the link plays does not exist in the CD folder.",
                "The sound of the link is a folder, not a file.",
                "The image's picture is no picture Quorvane can show.",
                "The name holds \"?\", which a disc name cannot hold.",
                "The name holds a control character, which a disc name cannot hold.",
                "The name holds a character outside the Basic Multilingual Plane (such as an "
                "emoji), which a disc name cannot hold.",
                "The name holds bytes that are not UTF-8 text, which a disc name cannot hold.",
                "The path is 243 characters long; a disc holds paths of at most 240.",
                "The file holds 4,294,967,296 bytes; a disc holds files of at most "
                "4,294,967,295 bytes.",
                "The name ends in a dot, so Windows cannot open it.",
                "The disc image will take 4096.1 MB, more than the 703.1 MB a CD 700 MB holds.",
                "The link prints no file: its target is empty.",
                "The web address of the link is not well formed: it needs http://, https:// or "
                "ftp:// and a host name.",
                "The e-mail address of the link is not well formed (name@example.com).",
                "AutoRun.ard is older than the design's last save: save the design into this CD "
                "folder again.",
                "autorun.inf is older than the design's last save: save the design into this CD "
                "folder again.",
                "The design has changes that are not saved yet; the disc would show it as last "
                "saved.",
                "The link leads to a folder or to nothing, so it stays off the disc.",
            }));
}

TEST(DiscCheck, AddressesAndSummaries) {
  for (const char* url : {"http://example.com", "HTTPS://www.example.com:8080/a?b=c#d",
                          "ftp://localhost/", "http://[::1]/", "http://xn--bcher-kva.example"}) {
    EXPECT_TRUE(IsWellFormedUrl(url)) << url;
  }
  for (const char* url : {"", "example.com", "http://", "http://-a.com", "http://a..com",
                          "http://a.com:0", "http://a.com:99999", "file://c/x", "http://a b"}) {
    EXPECT_FALSE(IsWellFormedUrl(url)) << url;
  }
  for (const char* mail : {"a@b.co", "first.last+tag@mail.example.org", "a@b.com,c@d.de?cc=x"}) {
    EXPECT_TRUE(IsWellFormedEmail(mail)) << mail;
  }
  for (const char* mail : {"", "@b.com", "a@b", "a@b.c", "a@@b.com", ".a@b.com", "a..b@c.com",
                           "a b@c.com", "a@b.com,", "a@-b.com", "a@b.c0m"}) {
    EXPECT_FALSE(IsWellFormedEmail(mail)) << mail;
  }
  const Finding e{Severity::Error, -1, "", ""}, w{Severity::Warning, -1, "", ""};
  const struct {
    std::vector<Finding> findings;
    const char* summary;
    int exit_code;
  } cases[] = {{{}, "No problems found", 0},
               {{w}, "1 warning", 1},
               {{e, e}, "2 errors", 2},
               {{e, e, w}, "2 errors, 1 warning", 2},
               {{e, w, w}, "1 error, 2 warnings", 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(CheckSummary(c.findings), c.summary);
    EXPECT_EQ(CheckExitCode(c.findings), c.exit_code);
  }
}

TEST(DiscCheck, ListsARealFolderTree) {
  TempFolder disc;
  std::filesystem::create_directories(NativePath(disc.File("pics\\old")));
  std::filesystem::create_directories(NativePath(disc.File("empty")));
  disc.Write("AutoRun.ard", "12345");
  disc.Write("pics\\old\\a.jpg", std::string(3000, 'x'));
  disc.Write("pics\\b.jpg", "");
  // Links, where the system makes them: back to the root (never followed), to nothing, to a file.
  std::error_code no_links;
  std::filesystem::create_directory_symlink(NativePath(disc.Path()), NativePath(disc.File("loop")),
                                            no_links);
  std::filesystem::create_symlink(NativePath(disc.File("none")), NativePath(disc.File("gone")),
                                  no_links);
  std::filesystem::create_symlink(NativePath(disc.File("pics\\old\\a.jpg")),
                                  NativePath(disc.File("pics\\c.jpg")), no_links);
  std::vector<fs::FolderItem> items;
  ASSERT_TRUE(fs::ListFolderTree(disc.Path(), items));
  std::vector<std::string> listed;
  for (const auto& item : items) {
    listed.push_back(item.path + (item.info.link     ? " link"
                                  : item.info.folder ? "\\"
                                                     : " " + std::to_string(item.info.size)));
    EXPECT_NEAR(static_cast<double>(item.info.modified), static_cast<double>(std::time(nullptr)),
                60.0);
  }
  std::vector<std::string> expected = {"AutoRun.ard 5", "empty\\",     "pics\\",
                                       "pics\\b.jpg 0", "pics\\old\\", "pics\\old\\a.jpg 3000"};
  if (!no_links) {
    expected.insert(expected.begin() + 2, {"gone link", "loop link"});
    expected.insert(expected.begin() + 6, "pics\\c.jpg 3000");
  }
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(fs::Stat(disc.File("pics\\old\\a.jpg"))->size, 3000u);
  EXPECT_TRUE(fs::Stat(disc.File("pics"))->folder);
  EXPECT_FALSE(fs::Stat(disc.File("none")));
  EXPECT_FALSE(fs::ListFolderTree(disc.File("none"), items));
}

}  // namespace
}  // namespace core
