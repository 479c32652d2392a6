// The disc image writer: plans where every descriptor, path table, directory and file goes,
// then writes the head of the image (everything before the first file) from memory and
// streams the files behind it.
//
// It goes into the player, so it is written small: nodes, names and lists live in one block
// sized once from the entries (no container grows), identifiers are kept as the bytes they are
// recorded as, and one sort (of node numbers, by one comparator) orders both trees' records.
#include "core/disc_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/iso_names.h"
#include "core/product_names.h"

namespace core::disc {

namespace {

constexpr Tree kBothTrees[] = {kPrimaryTree, kJolietTree};
constexpr uint32_t kFirstDescriptor = 16;
constexpr uint32_t kFirstPathTable = kFirstDescriptor + 3;
constexpr uint8_t kSelf[] = {0};
constexpr uint8_t kParent[] = {1};

struct Node {        // all zeros but for what AddNode sets
  const char* path;  // UTF-8, as in the folder: the path up to and with this name
  uint32_t path_size;
  const Entry* entry;  // null for the root and for folders made on the way
  uint32_t parent;
  int depth;
  bool folder;
  int64_t modified;
  uint32_t id_at[kTrees];  // the identifier as recorded, in Layout::ids
  uint32_t id_size[kTrees];
  uint32_t first_child;  // the children, in Layout::children
  uint32_t child_count;
  uint32_t extent[kTrees];
  uint32_t length[kTrees];
  uint32_t number[kTrees];  // in the path table, from 1
};

struct Layout {
  // One zeroed block, sized for the most nodes the entries can make (every part of every path),
  // holds the nodes, their names for ShortNames, the lists below (each with room for every node)
  // and the identifiers.
  std::unique_ptr<uint8_t[]> memory;
  Node* nodes;  // the root first
  ShortNameSlot* names;
  uint32_t count = 1;
  uint8_t* ids;  // every identifier, as recorded
  uint32_t ids_used = 0;
  uint32_t* folder_index;  // the folders by path
  uint32_t folder_index_size = 0;
  // Each tree's children of all folders, those of one folder together: in entry order for the
  // short names, then in the order of their records.
  uint32_t* children[kTrees];
  uint32_t* folders[kTrees];  // in path-table order
  uint32_t folder_count[kTrees] = {};
  uint32_t* files;  // in the order of their data
  uint32_t file_count = 0;
  uint32_t path_table_bytes[kTrees] = {};
  uint32_t path_table_at[kTrees] = {};  // the little-endian table; the big-endian one follows
  uint32_t data_start = 0;              // the sector after the head
  uint64_t total_sectors = 0;
  bool refused = false;

  const uint8_t* Id(const Node& n, Tree tree) const { return ids + n.id_at[tree]; }
  uint32_t* Children(const Node& n, Tree tree) const { return children[tree] + n.first_child; }
};

uint64_t Sectors(uint64_t bytes) {
  return (bytes + kSectorSize - 1) / kSectorSize;
}

uint32_t AddNode(Layout& layout, uint32_t parent, const char* path, size_t path_size,
                 size_t name_at, bool folder, int64_t modified) {
  const uint32_t index = layout.count++;
  Node& node = layout.nodes[index];
  ShortNameSlot& name = layout.names[index];
  node.path = path;
  node.path_size = static_cast<uint32_t>(path_size);
  name.name = std::string_view(path + name_at, path_size - name_at);
  node.parent = parent;
  node.depth = layout.nodes[parent].depth + 1;
  node.folder = name.folder = folder;
  node.modified = modified;
  uint8_t* id = layout.ids + layout.ids_used;
  size_t size = JolietName(name.name, id);
  if (size == 0) {
    layout.refused = true;
    for (const char c : name.name) {  // still counts for the size, each byte a character
      id[size++] = c < 0 ? 0xFF : 0;
      id[size++] = static_cast<uint8_t>(c);
    }
  }
  node.id_at[kJolietTree] = layout.ids_used;
  node.id_size[kJolietTree] = static_cast<uint32_t>(size);
  layout.ids_used += static_cast<uint32_t>(size);
  if (folder && node.depth > kDeepestFolder) layout.refused = true;
  ++layout.nodes[parent].child_count;
  return index;
}

// The folder node of `path`, made (with its parents) when it is not there yet. The folder index
// (folder nodes sorted by path) says where it is or would go.
uint32_t FolderNode(Layout& layout, const char* path, size_t size, int64_t created) {
  if (size == 0) return 0;
  const size_t slash = std::string_view(path, size).rfind('\\');
  const uint32_t parent =
      FolderNode(layout, path, slash == std::string_view::npos ? 0 : slash, created);
  uint32_t low = 0, high = layout.folder_index_size;
  while (low < high) {
    const uint32_t mid = (low + high) / 2;
    const Node& n = layout.nodes[layout.folder_index[mid]];
    const int by_bytes = std::memcmp(n.path, path, std::min<size_t>(n.path_size, size));
    if (by_bytes < 0 || (by_bytes == 0 && n.path_size < size)) {
      low = mid + 1;
    } else if (by_bytes == 0 && n.path_size == size) {
      return layout.folder_index[mid];
    } else {
      high = mid;
    }
  }
  const uint32_t node = AddNode(layout, parent, path, size, slash + 1, true, created);
  std::memmove(layout.folder_index + low + 1, layout.folder_index + low,
               (layout.folder_index_size++ - low) * sizeof(uint32_t));
  layout.folder_index[low] = node;
  return node;
}

uint32_t RecordLength(size_t id_size) {
  return static_cast<uint32_t>(33 + id_size + (id_size % 2 == 0));
}

void PutRecord(uint8_t* r, const Node& n, Tree tree, const uint8_t* id, size_t id_size) {
  r[0] = static_cast<uint8_t>(RecordLength(id_size));
  PutBoth(r + 2, n.extent[tree], 4);
  PutBoth(r + 10, n.length[tree], 4);
  PutRecordDate(r + 18, n.modified);
  r[25] = n.folder ? 2 : 0;
  PutBoth(r + 28, 1, 2);  // volume sequence number
  r[32] = static_cast<uint8_t>(id_size);
  std::memcpy(r + 33, id, id_size);
}

// Places the records of one directory (".", "..", then the children in order), never letting a
// record cross a sector boundary; writes them when `out` is given. Returns the bytes used.
uint32_t PlaceRecords(const Layout& layout, const Node& folder, Tree tree, uint8_t* out) {
  uint32_t at = 0;
  const uint32_t* children = layout.Children(folder, tree);
  for (uint32_t i = 0; i < folder.child_count + 2; ++i) {
    const Node& n = i == 0   ? folder
                    : i == 1 ? layout.nodes[folder.parent]
                             : layout.nodes[children[i - 2]];
    const uint8_t* id = i == 0 ? kSelf : i == 1 ? kParent : layout.Id(n, tree);
    const uint32_t id_size = i < 2 ? 1 : n.id_size[tree];
    const uint32_t length = RecordLength(id_size);
    if (at / kSectorSize != (at + length - 1) / kSectorSize) {
      at = (at / kSectorSize + 1) * kSectorSize;
    }
    if (out) PutRecord(out + at, n, tree, id, id_size);
    at += length;
  }
  return at;
}

// The order of records in one tree's directories, for the C library's sort: std::sort would bring
// a sort of its own into the player. That sort takes no context, so the layout and the tree being
// sorted wait here; an image is planned on one thread, start to end.
const Layout* sorted_layout;
Tree sorted_tree;

int RecordOrder(const void* left, const void* right) {
  const uint32_t a = *static_cast<const uint32_t*>(left);
  const uint32_t b = *static_cast<const uint32_t*>(right);
  if (a == b) return 0;  // two records of a folder are never equal
  const Node& na = sorted_layout->nodes[a];
  const Node& nb = sorted_layout->nodes[b];
  const auto id = [](const Node& n) {
    return std::string_view(reinterpret_cast<const char*>(sorted_layout->Id(n, sorted_tree)),
                            n.id_size[sorted_tree]);
  };
  return RecordBefore(id(na), na.folder, id(nb), nb.folder, sorted_tree) ? -1 : 1;
}

void Plan(const std::vector<Entry>& entries, int64_t created, Layout& layout) {
  size_t most_nodes = 1, most_id_bytes = 0;
  for (const Entry& e : entries) {
    const size_t parts = 1 + static_cast<size_t>(std::count(e.path.begin(), e.path.end(), '\\'));
    most_nodes += parts;
    most_id_bytes += 14 * parts + 2 * e.path.size();  // a short name, a Joliet one per part
  }
  const size_t list_bytes = most_nodes * sizeof(uint32_t);
  layout.memory.reset(new uint8_t[most_nodes * (sizeof(Node) + sizeof(ShortNameSlot)) +
                                  6 * list_bytes + most_id_bytes]());
  uint8_t* at = layout.memory.get();
  layout.nodes = reinterpret_cast<Node*>(at);
  layout.names = reinterpret_cast<ShortNameSlot*>(at += most_nodes * sizeof(Node));
  at += most_nodes * sizeof(ShortNameSlot);
  for (uint32_t** list :
       {&layout.folder_index, &layout.children[kPrimaryTree], &layout.children[kJolietTree],
        &layout.folders[kPrimaryTree], &layout.folders[kJolietTree], &layout.files}) {
    *list = reinterpret_cast<uint32_t*>(at);
    at += list_bytes;
  }
  layout.ids = at;
  layout.nodes[0].folder = true;  // the root
  layout.nodes[0].modified = created;
  for (const Entry& e : entries) {
    if (e.path.empty() || e.info.link) continue;  // a link stays off the disc
    uint32_t node;
    if (e.info.folder) {
      node = FolderNode(layout, e.path.data(), e.path.size(), created);
    } else {
      const size_t slash = e.path.rfind('\\');
      const uint32_t parent =
          FolderNode(layout, e.path.data(), slash == std::string::npos ? 0 : slash, created);
      node = AddNode(layout, parent, e.path.data(), e.path.size(), slash + 1, false, 0);
      if (e.info.size >= (uint64_t{1} << 32)) layout.refused = true;
    }
    layout.nodes[node].entry = &e;
    layout.nodes[node].modified = e.info.modified;
  }

  // Each folder's children in entry order (which is node order), for both trees.
  uint32_t children = 0;
  for (uint32_t i = 0; i < layout.count; ++i) {
    layout.nodes[i].first_child = children;
    children += layout.nodes[i].child_count;
    layout.nodes[i].child_count = 0;
  }
  for (uint32_t i = 1; i < layout.count; ++i) {
    Node& parent = layout.nodes[layout.nodes[i].parent];
    layout.children[kPrimaryTree][parent.first_child + parent.child_count] =
        layout.children[kJolietTree][parent.first_child + parent.child_count] = i;
    ++parent.child_count;
  }

  // Short names per folder, then each tree's order of records.
  for (uint32_t f = 0; f < layout.count; ++f) {
    const Node& folder = layout.nodes[f];
    if (!folder.folder) continue;
    const uint32_t* in_entry_order = layout.Children(folder, kPrimaryTree);
    ShortNames(layout.names, in_entry_order, folder.child_count);
    for (uint32_t i = 0; i < folder.child_count; ++i) {
      Node& child = layout.nodes[in_entry_order[i]];
      child.id_at[kPrimaryTree] = layout.ids_used;
      child.id_size[kPrimaryTree] = static_cast<uint32_t>(RecordedShortName(
          layout.names[in_entry_order[i]].short_name, child.folder, layout.ids + layout.ids_used));
      layout.ids_used += child.id_size[kPrimaryTree];
    }
    for (const Tree tree : kBothTrees) {
      uint32_t* order = layout.Children(folder, tree);
      sorted_layout = &layout;
      sorted_tree = tree;
      if (folder.child_count > 1) {
        std::qsort(order, folder.child_count, sizeof(uint32_t), RecordOrder);
      }
    }
  }

  // Path tables: folders by level, then by their parent's number, then by identifier, which is
  // the order a walk level by level through the sorted records meets them.
  uint64_t sector = kFirstPathTable;
  for (const Tree tree : kBothTrees) {
    uint32_t* const folders = layout.folders[tree];
    uint32_t& count = layout.folder_count[tree];
    folders[count++] = 0;
    uint32_t bytes = 0;
    for (uint32_t i = 0; i < count; ++i) {
      Node& folder = layout.nodes[folders[i]];
      folder.number[tree] = static_cast<uint32_t>(i + 1);
      const size_t id_bytes = i == 0 ? 1 : folder.id_size[tree];
      bytes += static_cast<uint32_t>(8 + id_bytes + id_bytes % 2);
      const uint32_t* order = layout.Children(folder, tree);
      for (uint32_t k = 0; k < folder.child_count; ++k) {
        if (layout.nodes[order[k]].folder) folders[count++] = order[k];
      }
    }
    if (count > 0xFFFF) layout.refused = true;  // parent numbers have 16 bits
    layout.path_table_bytes[tree] = bytes;
    layout.path_table_at[tree] = static_cast<uint32_t>(sector);
    sector += 2 * Sectors(bytes);
  }
  for (const Tree tree : kBothTrees) {
    for (uint32_t i = 0; i < layout.folder_count[tree]; ++i) {
      Node& folder = layout.nodes[layout.folders[tree][i]];
      const uint64_t sectors = Sectors(PlaceRecords(layout, folder, tree, nullptr));
      folder.extent[tree] = static_cast<uint32_t>(sector);
      folder.length[tree] = static_cast<uint32_t>(sectors * kSectorSize);
      sector += sectors;
    }
  }
  layout.data_start = static_cast<uint32_t>(sector);
  // Files in the primary tree's order, so that a folder's files lie together on the disc. An
  // empty file has no extent: location 0, length 0.
  for (uint32_t i = 0; i < layout.folder_count[kPrimaryTree]; ++i) {
    const Node& folder = layout.nodes[layout.folders[kPrimaryTree][i]];
    const uint32_t* order = layout.Children(folder, kPrimaryTree);
    for (uint32_t k = 0; k < folder.child_count; ++k) {
      Node& file = layout.nodes[order[k]];
      if (file.folder) continue;
      layout.files[layout.file_count++] = order[k];
      const uint64_t size = file.entry->info.size;
      file.extent[kPrimaryTree] = file.extent[kJolietTree] =
          size == 0 ? 0 : static_cast<uint32_t>(sector);
      file.length[kPrimaryTree] = file.length[kJolietTree] = static_cast<uint32_t>(size);
      sector += Sectors(size);
    }
  }
  layout.total_sectors = sector;
  if (sector > 0xFFFFFFFF) layout.refused = true;
}

// Text fields of a volume descriptor are filled with spaces: (20) in the primary descriptor,
// (00)(20) in the Joliet one.
void PutText(uint8_t* at, size_t field, const char16_t* text, size_t size, Tree tree) {
  for (size_t i = 0; i < field; ++i) at[i] = tree == kPrimaryTree || i % 2 == 1 ? 0x20 : 0;
  for (size_t i = 0; i < size; ++i) {
    if (tree == kPrimaryTree) {
      at[i] = static_cast<uint8_t>(text[i]);
    } else {
      PutBig(at + 2 * i, text[i], 2);
    }
  }
}

void PutDescriptor(uint8_t* d, const Layout& layout, Tree tree, const ImageOptions& options) {
  d[0] = tree == kPrimaryTree ? 1 : 2;
  std::memcpy(d + 1, "CD001", 5);
  d[6] = 1;
  static constexpr uint16_t kTextFields[][2] = {{8, 32},   {190, 128}, {318, 128}, {446, 128},
                                                {702, 37}, {739, 37},  {776, 37}};
  for (const auto& field : kTextFields) PutText(d + field[0], field[1], nullptr, 0, tree);
  char16_t text[32];
  PutText(d + 40, 32, text, VolumeLabel(options.volume_label, tree == kJolietTree, text), tree);
  if (tree == kJolietTree) std::memcpy(d + 88, "%/E", 3);  // UCS-2 level 3
  PutText(d + 574, 128, text, VolumeLabel(kProductName, false, text), tree);
  PutBoth(d + 80, static_cast<uint32_t>(layout.total_sectors), 4);
  PutBoth(d + 120, 1, 2);  // volume set size
  PutBoth(d + 124, 1, 2);  // volume sequence number
  PutBoth(d + 128, kSectorSize, 2);
  PutBoth(d + 132, layout.path_table_bytes[tree], 4);
  PutLittle(d + 140, layout.path_table_at[tree], 4);
  PutBig(d + 148,
         layout.path_table_at[tree] + static_cast<uint32_t>(Sectors(layout.path_table_bytes[tree])),
         4);
  PutRecord(d + 156, layout.nodes[0], tree, kSelf, 1);
  PutVolumeDate(d + 813, options.created);                       // created
  PutVolumeDate(d + 830, options.created);                       // modified
  for (const int at : {847, 864}) std::memset(d + at, '0', 16);  // no expiry, effective at once
  d[881] = 1;                                                    // file structure version
}

void PutPathTable(uint8_t* at, const Layout& layout, Tree tree, bool big) {
  const auto put = big ? PutBig : PutLittle;
  for (uint32_t i = 0; i < layout.folder_count[tree]; ++i) {
    const Node& folder = layout.nodes[layout.folders[tree][i]];
    const uint8_t* id = i == 0 ? kSelf : layout.Id(folder, tree);
    const uint32_t id_size = i == 0 ? 1 : folder.id_size[tree];
    at[0] = static_cast<uint8_t>(id_size);
    put(at + 2, folder.extent[tree], 4);
    put(at + 6, layout.nodes[folder.parent].number[tree], 2);
    std::memcpy(at + 8, id, id_size);
    at += 8 + id_size + id_size % 2;
  }
}

// The head of the image; its first sectors, the system area, stay zeros.
std::unique_ptr<uint8_t[]> Head(const Layout& layout, const ImageOptions& options) {
  std::unique_ptr<uint8_t[]> head(new uint8_t[size_t{layout.data_start} * kSectorSize]());
  uint8_t* sector = head.get() + size_t{kFirstDescriptor} * kSectorSize;
  for (const Tree tree : kBothTrees) {
    PutDescriptor(sector, layout, tree, options);
    sector += kSectorSize;
  }
  sector[0] = 255;  // the set terminator
  std::memcpy(sector + 1, "CD001", 5);
  sector[6] = 1;
  for (const Tree tree : kBothTrees) {
    uint8_t* table = head.get() + size_t{layout.path_table_at[tree]} * kSectorSize;
    PutPathTable(table, layout, tree, false);
    PutPathTable(table + Sectors(layout.path_table_bytes[tree]) * kSectorSize, layout, tree, true);
    for (uint32_t i = 0; i < layout.folder_count[tree]; ++i) {
      const Node& folder = layout.nodes[layout.folders[tree][i]];
      PlaceRecords(layout, folder, tree, head.get() + size_t{folder.extent[tree]} * kSectorSize);
    }
  }
  return head;
}

// The sink with the count of bytes written, the progress report and the first failure. It takes
// at most `allowed` bytes more: a file that grew since it was listed would overwrite its
// neighbour.
struct Output final : ByteSink {
  Output(ByteSink& s, ImageProgress p, void* c, uint64_t t)
      : sink(s), progress(p), context(c), total(t) {}
  ByteSink& sink;
  ImageProgress progress;
  void* context;
  uint64_t total;
  uint64_t done = 0;
  uint64_t allowed = 0;
  ImageResult result = ImageResult::Written;

  bool Write(const uint8_t* data, size_t size) override {
    if (allowed < size) {
      result = ImageResult::Changed;
      return false;
    }
    allowed -= size;
    if (!sink.Write(data, size)) {
      result = ImageResult::WriteFailed;
      return false;
    }
    done += size;
    if (progress && !progress(context, done, total)) {
      result = ImageResult::Cancelled;
      return false;
    }
    return true;
  }
  bool Put(const uint8_t* data, size_t size) {
    allowed = size;
    return Write(data, size);
  }
};

}  // namespace

ImageResult WriteImage(const std::vector<Entry>& entries, const ImageOptions& options,
                       FileSource& source, ByteSink& sink, ImageProgress progress, void* context) {
  Layout layout;
  Plan(entries, options.created, layout);
  if (layout.refused) return ImageResult::TooLarge;
  Output out(sink, progress, context, layout.total_sectors * kSectorSize);
  const std::unique_ptr<uint8_t[]> head = Head(layout, options);
  if (!out.Put(head.get(), size_t{layout.data_start} * kSectorSize)) return out.result;
  const uint8_t* zeros = head.get();  // the system area: 16 sectors of zeros
  for (uint32_t i = 0; i < layout.file_count; ++i) {
    const Entry& file = *layout.nodes[layout.files[i]].entry;
    out.allowed = file.info.size;
    const bool complete = source.Read(file.path, out);
    if (out.result != ImageResult::Written) return out.result;
    if (!complete) return ImageResult::ReadFailed;
    if (out.allowed != 0) return ImageResult::Changed;
    const size_t padding =
        static_cast<size_t>(Sectors(file.info.size) * kSectorSize - file.info.size);
    if (padding > 0 && !out.Put(zeros, padding)) return out.result;
  }
  return ImageResult::Written;
}

uint64_t ImageSize(const std::vector<Entry>& entries) {
  Layout layout;
  Plan(entries, 0, layout);
  return layout.total_sectors * kSectorSize;
}

}  // namespace core::disc
