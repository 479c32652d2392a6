// The disc image writer: its encodings (short names, both-endian numbers, dates, Joliet
// names), the order of its path tables, the size it announces and its failures. Whether real
// readers accept the images is checked by tests/disc/verify_images.sh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/disc_image.h"
#include "core/iso_names.h"

namespace {

using namespace core::disc;

std::vector<std::string> ShortNamesOf(const std::vector<std::pair<std::string, bool>>& entries) {
  std::vector<ShortNameSlot> slots(entries.size());
  std::vector<uint32_t> members;
  for (const auto& [name, folder] : entries) {
    slots[members.size()].name = name;
    slots[members.size()].folder = folder;
    members.push_back(static_cast<uint32_t>(members.size()));
  }
  ShortNames(slots.data(), members.data(), members.size());
  std::vector<std::string> names;
  for (const ShortNameSlot& slot : slots) names.emplace_back(slot.short_name);
  return names;
}

TEST(DiscImageNames, ShortNamesAreDCharactersAndUniqueInAFolder) {
  struct Case {
    std::vector<std::pair<std::string, bool>> entries;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{{"autorun.inf", false}, {"AutoRun.exe", false}}, {"AUTORUN.INF", "AUTORUN.EXE"}},
      {{{"README", false}, {"archive.tar.gz", false}}, {"README", "ARCHIVE_.GZ"}},
      {{{"my pictures", true}, {"v1.2", true}}, {"MY_PICTU", "V1_2"}},
      {{{"ä.txt", false}, {"中文", true}, {".hidden", false}}, {"_.TXT", "__", "_.HID"}},
      {{{"long file 1.html", false}, {"long file 2.htm", false}, {"LONG_001.HTM", false}},
       {"LONG_FIL.HTM", "LONG_002.HTM", "LONG_001.HTM"}},
      {{{"Menu", true}, {"menu", false}}, {"MENU", "MENU_001"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortNamesOf(c.entries), c.expected) << c.entries[0].first;

  std::vector<std::pair<std::string, bool>> many;
  for (int i = 0; i < 20000; ++i) many.emplace_back("picture " + std::to_string(i) + ".jpg", false);
  std::vector<std::string> names = ShortNamesOf(many);
  EXPECT_EQ(names[1000], "PIC_1000.JPG");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST(DiscImageNames, RecordedShortNamesCarryTheVersion) {
  const auto recorded = [](const char* name, bool folder) {
    uint8_t out[14];
    return std::string(out, out + RecordedShortName(name, folder, out));
  };
  EXPECT_EQ(recorded("AUTORUN.INF", false), "AUTORUN.INF;1");
  EXPECT_EQ(recorded("README", false), "README.;1");
  EXPECT_EQ(recorded("ART", true), "ART");
}

TEST(DiscImageNames, NumbersAreRecordedInBothByteOrders) {
  struct Case {
    uint32_t value;
    int bytes;
    std::vector<uint8_t> expected;
  };
  const Case cases[] = {
      {1, 2, {1, 0, 0, 1}},
      {2048, 2, {0x00, 0x08, 0x08, 0x00}},
      {0x12345678, 4, {0x78, 0x56, 0x34, 0x12, 0x12, 0x34, 0x56, 0x78}},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> out(c.expected.size());
    PutBoth(out.data(), c.value, c.bytes);
    EXPECT_EQ(out, c.expected) << c.value;
  }
}

TEST(DiscImageNames, DatesAreUtcCalendarFields) {
  struct Case {
    int64_t seconds;
    std::vector<uint8_t> record;  // years since 1900, month, day, hour, minute, second, zone
    const char* volume;
  };
  const Case cases[] = {
      {0, {70, 1, 1, 0, 0, 0, 0}, "1970010100000000"},
      {951782399, {100, 2, 28, 23, 59, 59, 0}, "2000022823595900"},  // before a leap day
      {951782400, {100, 2, 29, 0, 0, 0, 0}, "2000022900000000"},
      {1709210096, {124, 2, 29, 12, 34, 56, 0}, "2024022912345600"},
      {-86400, {69, 12, 31, 0, 0, 0, 0}, "1969123100000000"},
      {-5000000000, {0, 1, 1, 0, 0, 0, 0}, "1900010100000000"},  // clamped to what fits
      {9000000000, {255, 12, 31, 23, 59, 59, 0}, "2155123123595900"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> record(7);
    PutRecordDate(record.data(), c.seconds);
    EXPECT_EQ(record, c.record) << c.seconds;
    uint8_t volume[17];
    PutVolumeDate(volume, c.seconds);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(volume), 16), c.volume);
    EXPECT_EQ(volume[16], 0);
  }
}

TEST(DiscImageNames, JolietNamesAreUcs2UpTo64Characters) {
  struct Case {
    std::string utf8;
    bool holds;
    std::u16string expected;
  };
  const Case cases[] = {
      {"ä.txt", true, u"ä.txt"},
      {"中文 说明.txt", true, u"中文 说明.txt"},
      {"Ī.txt", true, u"Ī.txt"},  // U+012A, whose low byte is a '*'
      {std::string(64, 'x'), true, std::u16string(64, u'x')},
      {std::string(65, 'x'), false, {}},
      {"中" + std::string(63, 'x'), true, u"中" + std::u16string(63, u'x')},
      {"\xF0\x9F\x98\x80.txt", false, {}},  // beyond the Basic Multilingual Plane
      {"a;b.txt", false, {}},
      {"bad\xC3", false, {}},
      {"\xC0\xAF", false, {}},  // an overlong '/'
      {"", false, {}},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> name(2 * c.utf8.size());
    name.resize(JolietName(c.utf8, name.data()));
    EXPECT_EQ(!name.empty(), c.holds) << c.utf8;
    std::u16string decoded;  // from big-endian
    for (size_t i = 0; i + 1 < name.size(); i += 2) decoded += char16_t(name[i] << 8 | name[i + 1]);
    EXPECT_EQ(decoded, c.expected) << c.utf8;
  }
  const auto label = [](const std::string& given, bool joliet) {
    char16_t out[32];
    return std::u16string(out, VolumeLabel(given, joliet, out));
  };
  EXPECT_EQ(label("Menü CD 中文 and more", true), u"Menü CD 中文 and m");
  EXPECT_EQ(label("Menü CD", false), u"MEN__CD");
  EXPECT_EQ(label("a:b\\\xFF and more than sixteen", true), u"A_B___AND_MORE_T");  // bad UTF-8
}

// In-memory ends of the writer.
struct MemorySink : ByteSink {
  std::vector<uint8_t> bytes;
  size_t fail_after = SIZE_MAX;
  bool Write(const uint8_t* data, size_t size) override {
    if (bytes.size() + size > fail_after) return false;
    bytes.insert(bytes.end(), data, data + size);
    return true;
  }
};

struct MemorySource : FileSource {
  std::string content = "0123456789";  // every file's content, read in pieces of 4
  bool fails = false;
  bool Read(const std::string&, ByteSink& pieces) override {
    const auto* data = reinterpret_cast<const uint8_t*>(content.data());
    for (size_t at = 0; at < content.size(); at += 4) {
      if (!pieces.Write(data + at, std::min<size_t>(4, content.size() - at))) return false;
    }
    return !fails;
  }
};

uint32_t Little(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<size_t>(i)];
  return v;
}

uint32_t Big(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | b[at + static_cast<size_t>(i)];
  return v;
}

std::vector<Entry> Files(const std::vector<std::string>& paths, uint64_t size = 10) {
  std::vector<Entry> entries;
  for (const std::string& p : paths) {
    const bool folder = p.back() == '\\';  // "name\\" is a folder
    entries.push_back({folder ? p.substr(0, p.size() - 1) : p, {folder ? 0 : size, 0, folder}});
  }
  return entries;
}

TEST(DiscImage, PathTablesListFoldersByLevelParentAndName) {
  // Folders given out of order, one only implied by its file.
  const auto entries = Files({"b\\", "a\\z\\", "a\\", "a\\y\\", "c\\x\\f.txt", "b\\w\\"});
  MemorySource source;
  MemorySink sink;
  ASSERT_EQ(WriteImage(entries, {}, source, sink, {}), ImageResult::Written);
  // (identifier, parent number) of each path table record, for each tree and byte order.
  const std::vector<std::pair<std::string, uint32_t>> expected = {{std::string(1, '\0'), 1},
                                                                  {"A", 1},
                                                                  {"B", 1},
                                                                  {"C", 1},
                                                                  {"Y", 2},
                                                                  {"Z", 2},
                                                                  {"W", 3},
                                                                  {"X", 4}};
  for (const size_t descriptor : {16u, 17u}) {
    const size_t d = descriptor * kSectorSize;
    const bool joliet = descriptor == 17;
    const uint32_t size = Little(sink.bytes, d + 132, 4);
    ASSERT_EQ(size, Big(sink.bytes, d + 136, 4));
    for (const bool big : {false, true}) {
      size_t at =
          size_t{big ? Big(sink.bytes, d + 148, 4) : Little(sink.bytes, d + 140, 4)} * kSectorSize;
      const size_t end = at + size;
      std::vector<std::pair<std::string, uint32_t>> found;
      while (at < end) {
        const uint8_t length = sink.bytes[at];
        std::string id;
        for (size_t i = joliet && length > 1 ? 1 : 0; i < length;
             i += joliet && length > 1 ? 2 : 1) {
          id.push_back(static_cast<char>(sink.bytes[at + 8 + i]));
        }
        if (joliet) {
          for (char& c : id) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        found.emplace_back(id, big ? Big(sink.bytes, at + 6, 2) : Little(sink.bytes, at + 6, 2));
        at += 8 + length + length % 2;
      }
      EXPECT_EQ(found, expected) << "joliet " << joliet << " big " << big;
    }
  }
}

// The image of a small awkward folder, fixed to the byte (FNV-1a of all of it): twins of one
// short name, a literal NAME_001, non-Latin names, a folder implied by its file, files across
// sectors, dates on both sides of 1970 and a label Joliet must shorten and clean.
TEST(DiscImage, ImageBytesStayTheSame) {
  auto entries = Files(
      {"Menu picture 1.jpg", "Menu picture 2.jpg", "MENU_PIC.JPG", "MENU_001.JPG", "中文\\",
       "中文\\说明 ä.txt", "a\\b\\c\\deep file", "zz\\", "zz\\ZZ\\", "README", "v1.2.3.tar.gz"},
      5000);
  for (size_t i = 0; i < entries.size(); ++i)
    entries[i].info.modified = int64_t{86400} * 4000 * (int64_t(i) - 3);
  const ImageOptions options{"Menü CD: 中文 \\ and more", 1700000000};
  MemorySource source;
  source.content.assign(5000, 'q');
  MemorySink sink;
  ASSERT_EQ(WriteImage(entries, options, source, sink, {}), ImageResult::Written);
  uint64_t hash = 14695981039346656037u;
  for (const uint8_t b : sink.bytes) hash = (hash ^ b) * 1099511628211u;
  EXPECT_EQ(hash, 18427630491851396507u);
}

TEST(DiscImage, SizeIsSectorsOfHeadAndFiles) {
  struct Case {
    std::vector<Entry> entries;
    uint64_t sectors;
  };
  // An empty folder: 16 system sectors, 3 descriptors, 4 path tables, 2 root directories.
  const Case cases[] = {
      {{}, 25},
      {{{"loop", {0, 0, false, true}}}, 25},  // a link stays off the disc
      {Files({"empty.txt"}, 0), 25},
      {Files({"a.txt"}, 1), 26},
      {Files({"a.txt"}, 2048), 26},
      {Files({"a.txt"}, 2049), 27},
      {Files({"a.txt", "b.txt"}, 2049), 29},
      {Files({"art\\"}), 27},  // a directory in each tree
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ImageSize(c.entries), c.sectors * kSectorSize) << c.sectors;
    MemorySource source;
    source.content.assign(c.entries.empty() ? 0 : c.entries[0].info.size, 'x');
    MemorySink sink;
    EXPECT_EQ(WriteImage(c.entries, {}, source, sink, {}), ImageResult::Written);
    EXPECT_EQ(sink.bytes.size(), c.sectors * kSectorSize);
  }
  // 60 files of 64-character names fill more than one directory sector in the Joliet tree, and
  // no record may cross into the next.
  std::vector<std::string> names;
  for (int i = 0; i < 60; ++i) names.push_back(std::string(62, 'n') + std::to_string(i + 10));
  MemorySource source;
  MemorySink sink;
  ASSERT_EQ(WriteImage(Files(names), {}, source, sink, {}), ImageResult::Written);
  const size_t root = size_t{Little(sink.bytes, 17 * kSectorSize + 156 + 2, 4)} * kSectorSize;
  const uint32_t length = Little(sink.bytes, 17 * kSectorSize + 156 + 10, 4);
  EXPECT_EQ(length, 5 * kSectorSize);  // 14 records, then 12 a sector
  int records = 0;
  for (size_t at = root; at < root + length;) {
    if (sink.bytes[at] == 0) {
      at = (at / kSectorSize + 1) * kSectorSize;
      continue;
    }
    EXPECT_EQ(at / kSectorSize, (at + sink.bytes[at] - 1) / kSectorSize);
    at += sink.bytes[at];
    ++records;
  }
  EXPECT_EQ(records, 62);
}

TEST(DiscImage, FailuresStopTheImage) {
  struct Case {
    const char* what;
    std::vector<Entry> entries;
    std::string content;
    bool source_fails;
    size_t sink_fails_after;
    int cancel_after_calls;
    ImageResult expected;
  };
  const std::string ten = "0123456789";
  const Case cases[] = {
      {"4 GiB file", Files({"big.bin"}, uint64_t{1} << 32), ten, false, SIZE_MAX, -1,
       ImageResult::TooLarge},
      {"65 characters", Files({std::string(65, 'x')}), ten, false, SIZE_MAX, -1,
       ImageResult::TooLarge},
      {"emoji", Files({"\xF0\x9F\x98\x80"}), ten, false, SIZE_MAX, -1, ImageResult::TooLarge},
      {"8 below root", Files({"1\\2\\3\\4\\5\\6\\7\\8\\"}), ten, false, SIZE_MAX, -1,
       ImageResult::TooLarge},
      {"read fails", Files({"a"}), ten, true, SIZE_MAX, -1, ImageResult::ReadFailed},
      {"file shrank", Files({"a"}), "01234", false, SIZE_MAX, -1, ImageResult::Changed},
      {"file grew", Files({"a"}), ten + "+", false, SIZE_MAX, -1, ImageResult::Changed},
      {"disc full in the head", Files({"a"}), ten, false, 1000, -1, ImageResult::WriteFailed},
      {"disc full in a file", Files({"a"}), ten, false, 25 * 2048 + 5, -1,
       ImageResult::WriteFailed},
      {"cancelled", Files({"a"}), ten, false, SIZE_MAX, 2, ImageResult::Cancelled},
  };
  for (const Case& c : cases) {
    MemorySource source;
    source.content = c.content;
    source.fails = c.source_fails;
    MemorySink sink;
    sink.fail_after = c.sink_fails_after;
    int calls = 0;
    uint64_t last_done = 0;
    auto progress = [&](uint64_t done, uint64_t total) {
      EXPECT_EQ(total, ImageSize(c.entries));
      EXPECT_GT(done, last_done);
      last_done = done;
      return ++calls != c.cancel_after_calls;
    };
    const auto report = [](void* context, uint64_t done, uint64_t total) {
      return (*static_cast<decltype(progress)*>(context))(done, total);
    };
    EXPECT_EQ(WriteImage(c.entries, {}, source, sink, report, &progress), c.expected) << c.what;
  }
  // Seven below the root is the deepest the primary tree holds.
  MemorySource source;
  MemorySink sink;
  EXPECT_EQ(WriteImage(Files({"1\\2\\3\\4\\5\\6\\7\\deep.txt"}), {}, source, sink, {}),
            ImageResult::Written);
}

}  // namespace
