// The disc image writer: plans where every descriptor, path table, directory and file goes,
// then writes the head of the image (everything before the first file) from memory and
// streams the files behind it.
#include "core/disc_image.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/iso_names.h"
#include "core/product_names.h"

namespace core::disc {

namespace {

constexpr int kTrees = 2;  // 0: the primary tree (short names), 1: the Joliet tree
constexpr uint32_t kFirstDescriptor = 16;
constexpr uint32_t kFirstPathTable = kFirstDescriptor + 3;
constexpr std::string_view kSelf("\0", 1);
constexpr std::string_view kParent("\1", 1);

struct Node {
  std::string name;  // UTF-8, as in the folder
  std::u16string id[kTrees];
  const Entry* entry = nullptr;  // null for the root and for folders made on the way
  uint32_t parent = 0;
  int depth = 0;
  bool folder = true;
  int64_t modified = 0;
  uint32_t extent[kTrees] = {};
  uint32_t length[kTrees] = {};
  uint32_t number[kTrees] = {};  // in the path table, from 1
  std::vector<uint32_t> children[kTrees];
};

struct Layout {
  std::vector<Node> nodes;                // the root first
  std::vector<uint32_t> folders[kTrees];  // in path-table order
  uint32_t path_table_bytes[kTrees] = {};
  uint32_t path_table_at[kTrees] = {};  // the little-endian table; the big-endian one follows
  std::vector<uint32_t> files;          // in the order of their data
  uint32_t data_start = 0;              // the sector after the head
  uint64_t total_sectors = 0;
  bool refused = false;
};

uint64_t Sectors(uint64_t bytes) {
  return (bytes + kSectorSize - 1) / kSectorSize;
}

// An identifier as recorded: bytes in the primary tree, big-endian UCS-2 in the Joliet tree.
std::string Recorded(const std::u16string& id, int tree) {
  std::string out;
  for (const char16_t c : id) {
    if (tree == 1) out.push_back(static_cast<char>(c >> 8));
    out.push_back(static_cast<char>(c & 0xFF));
  }
  return out;
}

uint32_t AddNode(Layout& l, uint32_t parent, std::string name, bool folder, int64_t modified) {
  Node node;
  node.name = std::move(name);
  node.parent = parent;
  node.depth = l.nodes[parent].depth + 1;
  node.folder = folder;
  node.modified = modified;
  if (!JolietName(node.name, node.id[1])) {
    l.refused = true;
    node.id[1].assign(node.name.begin(), node.name.end());  // still counts for the size
  }
  if (folder && node.depth > kDeepestFolder) l.refused = true;
  const auto index = static_cast<uint32_t>(l.nodes.size());
  l.nodes.push_back(std::move(node));
  l.nodes[parent].children[0].push_back(index);
  return index;
}

using FolderIndex = std::vector<std::pair<std::string, uint32_t>>;  // sorted by path

uint32_t FolderNode(Layout& l, FolderIndex& index, const std::string& path, int64_t created) {
  if (path.empty()) return 0;
  const auto by_path = [](const auto& item, const std::string& p) { return item.first < p; };
  auto at = std::lower_bound(index.begin(), index.end(), path, by_path);
  if (at != index.end() && at->first == path) return at->second;
  const size_t slash = path.rfind('\\');
  const uint32_t parent = FolderNode(
      l, index, slash == std::string::npos ? std::string() : path.substr(0, slash), created);
  const uint32_t node = AddNode(l, parent, path.substr(slash + 1), true, created);
  index.insert(std::lower_bound(index.begin(), index.end(), path, by_path), {path, node});
  return node;
}

uint32_t RecordLength(std::string_view id) {
  return static_cast<uint32_t>(33 + id.size() + (id.size() % 2 == 0));
}

void PutRecord(uint8_t* r, const Node& n, int tree, std::string_view id) {
  r[0] = static_cast<uint8_t>(RecordLength(id));
  PutBoth(r + 2, n.extent[tree], 4);
  PutBoth(r + 10, n.length[tree], 4);
  PutRecordDate(r + 18, n.modified);
  r[25] = n.folder ? 2 : 0;
  PutBoth(r + 28, 1, 2);  // volume sequence number
  r[32] = static_cast<uint8_t>(id.size());
  std::memcpy(r + 33, id.data(), id.size());
}

// Places the records of one directory (".", "..", then the entries in order), never letting a
// record cross a sector boundary; writes them when `out` is given. Returns the bytes used.
uint32_t PlaceRecords(const Layout& l, const Node& folder, int tree, uint8_t* out) {
  uint32_t at = 0;
  const auto place = [&](const Node& n, std::string_view id) {
    const uint32_t length = RecordLength(id);
    if (at / kSectorSize != (at + length - 1) / kSectorSize) {
      at = (at / kSectorSize + 1) * kSectorSize;
    }
    if (out) PutRecord(out + at, n, tree, id);
    at += length;
  };
  place(folder, kSelf);
  place(l.nodes[folder.parent], kParent);
  for (const uint32_t child : folder.children[tree]) {
    place(l.nodes[child], Recorded(l.nodes[child].id[tree], tree));
  }
  return at;
}

Layout Plan(const std::vector<Entry>& entries, int64_t created) {
  Layout l;
  l.nodes.emplace_back();
  l.nodes[0].modified = created;
  FolderIndex index;
  for (const Entry& e : entries) {
    if (e.path.empty()) continue;
    uint32_t node;
    if (e.folder) {
      node = FolderNode(l, index, e.path, created);
    } else {
      const size_t slash = e.path.rfind('\\');
      const std::string parent =
          slash == std::string::npos ? std::string() : e.path.substr(0, slash);
      node = AddNode(l, FolderNode(l, index, parent, created), e.path.substr(slash + 1), false, 0);
      if (e.size >= (uint64_t{1} << 32)) l.refused = true;
    }
    l.nodes[node].entry = &e;
    l.nodes[node].modified = e.modified;
  }

  // Short names per folder, then each tree's order of records.
  for (Node& folder : l.nodes) {
    if (!folder.folder) continue;
    std::vector<std::pair<std::string, bool>> names;
    for (const uint32_t child : folder.children[0]) {
      names.emplace_back(l.nodes[child].name, l.nodes[child].folder);
    }
    const std::vector<std::string> shorts = ShortNames(names);
    for (size_t i = 0; i < shorts.size(); ++i) {
      Node& child = l.nodes[folder.children[0][i]];
      const std::string recorded = RecordedShortName(shorts[i], child.folder);
      child.id[0].assign(recorded.begin(), recorded.end());
    }
    folder.children[1] = folder.children[0];
    for (int tree = 0; tree < kTrees; ++tree) {
      const char16_t pad = tree == 0 ? u' ' : u'\0';
      std::sort(folder.children[tree].begin(), folder.children[tree].end(),
                [&](uint32_t a, uint32_t b) {
                  const Node& na = l.nodes[a];
                  const Node& nb = l.nodes[b];
                  return RecordBefore(na.id[tree], na.folder, nb.id[tree], nb.folder, pad);
                });
    }
  }

  // Path tables: folders by level, then by their parent's number, then by identifier, which is
  // the order a walk level by level through the sorted records meets them.
  uint64_t sector = kFirstPathTable;
  for (int tree = 0; tree < kTrees; ++tree) {
    std::vector<uint32_t>& folders = l.folders[tree];
    folders.push_back(0);
    uint32_t bytes = 0;
    for (size_t i = 0; i < folders.size(); ++i) {
      Node& folder = l.nodes[folders[i]];
      folder.number[tree] = static_cast<uint32_t>(i + 1);
      const size_t id_bytes = i == 0 ? 1 : folder.id[tree].size() * (tree + 1);
      bytes += static_cast<uint32_t>(8 + id_bytes + id_bytes % 2);
      for (const uint32_t child : folder.children[tree]) {
        if (l.nodes[child].folder) folders.push_back(child);
      }
    }
    if (folders.size() > 0xFFFF) l.refused = true;  // parent numbers have 16 bits
    l.path_table_bytes[tree] = bytes;
    l.path_table_at[tree] = static_cast<uint32_t>(sector);
    sector += 2 * Sectors(bytes);
  }
  for (int tree = 0; tree < kTrees; ++tree) {
    for (const uint32_t f : l.folders[tree]) {
      Node& folder = l.nodes[f];
      const uint64_t sectors = Sectors(PlaceRecords(l, folder, tree, nullptr));
      folder.extent[tree] = static_cast<uint32_t>(sector);
      folder.length[tree] = static_cast<uint32_t>(sectors * kSectorSize);
      sector += sectors;
    }
  }
  l.data_start = static_cast<uint32_t>(sector);
  // Files in the primary tree's order, so that a folder's files lie together on the disc. An
  // empty file has no extent: location 0, length 0.
  for (const uint32_t f : l.folders[0]) {
    for (const uint32_t child : l.nodes[f].children[0]) {
      Node& file = l.nodes[child];
      if (file.folder) continue;
      l.files.push_back(child);
      const uint64_t size = file.entry->size;
      file.extent[0] = file.extent[1] = size == 0 ? 0 : static_cast<uint32_t>(sector);
      file.length[0] = file.length[1] = static_cast<uint32_t>(size);
      sector += Sectors(size);
    }
  }
  l.total_sectors = sector;
  if (sector > 0xFFFFFFFF) l.refused = true;
  return l;
}

// Text fields of a volume descriptor are filled with spaces: (20) in the primary descriptor,
// (00)(20) in the Joliet one.
void PutText(uint8_t* at, size_t field, const std::u16string& text, int tree) {
  for (size_t i = 0; i < field; ++i) at[i] = tree == 0 || i % 2 == 1 ? 0x20 : 0;
  const std::string bytes = Recorded(text, tree);
  std::memcpy(at, bytes.data(), std::min(bytes.size(), field));
}

void PutDescriptor(uint8_t* d, const Layout& l, int tree, const ImageOptions& options) {
  d[0] = tree == 0 ? 1 : 2;
  std::memcpy(d + 1, "CD001", 5);
  d[6] = 1;
  static constexpr std::pair<uint16_t, uint16_t> kTextFields[] = {
      {8, 32}, {190, 128}, {318, 128}, {446, 128}, {702, 37}, {739, 37}, {776, 37}};
  for (const auto& [at, size] : kTextFields) PutText(d + at, size, {}, tree);
  std::u16string label;
  if (tree == 0) {
    const std::string primary = PrimaryVolumeLabel(options.volume_label);
    label.assign(primary.begin(), primary.end());
  } else {
    label = JolietVolumeLabel(options.volume_label);
    std::memcpy(d + 88, "%/E", 3);  // UCS-2 level 3
  }
  PutText(d + 40, 32, label, tree);
  const std::string application = PrimaryVolumeLabel(kProductName);
  PutText(d + 574, 128, std::u16string(application.begin(), application.end()), tree);
  PutBoth(d + 80, static_cast<uint32_t>(l.total_sectors), 4);
  PutBoth(d + 120, 1, 2);  // volume set size
  PutBoth(d + 124, 1, 2);  // volume sequence number
  PutBoth(d + 128, kSectorSize, 2);
  PutBoth(d + 132, l.path_table_bytes[tree], 4);
  PutLittle(d + 140, l.path_table_at[tree], 4);
  PutBig(d + 148, l.path_table_at[tree] + static_cast<uint32_t>(Sectors(l.path_table_bytes[tree])),
         4);
  PutRecord(d + 156, l.nodes[0], tree, kSelf);
  PutVolumeDate(d + 813, options.created);                       // created
  PutVolumeDate(d + 830, options.created);                       // modified
  for (const int at : {847, 864}) std::memset(d + at, '0', 16);  // no expiry, effective at once
  d[881] = 1;                                                    // file structure version
}

void PutPathTable(uint8_t* at, const Layout& l, int tree, bool big) {
  const auto put = big ? PutBig : PutLittle;
  for (const uint32_t f : l.folders[tree]) {
    const Node& folder = l.nodes[f];
    const std::string id = f == 0 ? std::string(kSelf) : Recorded(folder.id[tree], tree);
    at[0] = static_cast<uint8_t>(id.size());
    put(at + 2, folder.extent[tree], 4);
    put(at + 6, l.nodes[folder.parent].number[tree], 2);
    std::memcpy(at + 8, id.data(), id.size());
    at += 8 + id.size() + id.size() % 2;
  }
}

std::vector<uint8_t> Head(const Layout& l, const ImageOptions& options) {
  std::vector<uint8_t> head(size_t{l.data_start} * kSectorSize);
  uint8_t* sector = head.data() + size_t{kFirstDescriptor} * kSectorSize;
  for (int tree = 0; tree < kTrees; ++tree, sector += kSectorSize) {
    PutDescriptor(sector, l, tree, options);
  }
  sector[0] = 255;  // the set terminator
  std::memcpy(sector + 1, "CD001", 5);
  sector[6] = 1;
  for (int tree = 0; tree < kTrees; ++tree) {
    uint8_t* table = head.data() + size_t{l.path_table_at[tree]} * kSectorSize;
    PutPathTable(table, l, tree, false);
    PutPathTable(table + Sectors(l.path_table_bytes[tree]) * kSectorSize, l, tree, true);
    for (const uint32_t f : l.folders[tree]) {
      const Node& folder = l.nodes[f];
      PlaceRecords(l, folder, tree, head.data() + size_t{folder.extent[tree]} * kSectorSize);
    }
  }
  return head;
}

// The sink with the count of bytes written, the progress report and the first failure.
struct Output {
  ByteSink& sink;
  const std::function<bool(uint64_t, uint64_t)>& progress;
  uint64_t total;
  uint64_t done = 0;
  ImageResult result = ImageResult::Written;

  bool Put(const uint8_t* data, size_t size) {
    if (!sink.Write(data, size)) {
      result = ImageResult::WriteFailed;
      return false;
    }
    done += size;
    if (progress && !progress(done, total)) {
      result = ImageResult::Cancelled;
      return false;
    }
    return true;
  }
};

}  // namespace

ImageResult WriteImage(const std::vector<Entry>& entries, const ImageOptions& options,
                       FileSource& source, ByteSink& sink,
                       const std::function<bool(uint64_t done, uint64_t total)>& progress) {
  const Layout l = Plan(entries, options.created);
  if (l.refused) return ImageResult::TooLarge;
  Output out{sink, progress, l.total_sectors * kSectorSize};
  {
    const std::vector<uint8_t> head = Head(l, options);
    if (!out.Put(head.data(), head.size())) return out.result;
  }
  static uint8_t zeros[kSectorSize];  // in .bss: no bytes in the program file
  for (const uint32_t f : l.files) {
    const Entry& file = *l.nodes[f].entry;
    uint64_t read = 0;
    const bool complete = source.Read(file.path, [&](const uint8_t* data, size_t size) {
      // A file that grew since it was listed would overwrite its neighbour.
      if (file.size - read < size) return false;
      read += size;
      return out.Put(data, size);
    });
    if (out.result != ImageResult::Written) return out.result;
    if (!complete || read != file.size) return ImageResult::ReadFailed;
    const size_t padding = static_cast<size_t>(Sectors(read) * kSectorSize - read);
    if (padding > 0 && !out.Put(zeros, padding)) return out.result;
  }
  return ImageResult::Written;
}

uint64_t ImageSize(const std::vector<Entry>& entries) {
  return Plan(entries, 0).total_sectors * kSectorSize;
}

}  // namespace core::disc
