// JPEG decoding. libjpeg reports a fatal error by calling error_exit, which must not return; it
// jumps back with longjmp to the one function that set the jump point. That function owns no
// object with a destructor (the decoding state lives in its caller), so the jump skips nothing.
#include "ui/win32/jpeg_decoder.h"

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

namespace ui::win32 {
namespace {

// Beyond this the 32-bit process could not hold the picture anyway (256 MB of pixels).
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;
constexpr JDIMENSION kMaxSide = 32767;  // GDI's coordinates are 16-bit on some paths

struct ErrorManager {
  jpeg_error_mgr base;  // first, so libjpeg's pointer to it is a pointer to the whole
  std::jmp_buf jump;
};

[[noreturn]] void OnFatalError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are silent; most (stray bytes, odd markers) leave a usable picture, but running out
// of data means a truncated file whose lower part would be invented grey.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnFatalError(info);
}

void NoOutput(j_common_ptr) {}
void NoFormat(j_common_ptr, char* buffer) {
  buffer[0] = '\0';
}
void NoReset(j_common_ptr info) {
  info->err->num_warnings = 0;
  info->err->msg_code = 0;
}

// What jpeg_std_error sets up, without its table of message texts: the player shows none of
// them, and leaving them out keeps some 6 KB off every disc.
void SetUpErrors(jpeg_error_mgr& errors) {
  errors = jpeg_error_mgr{};
  errors.error_exit = OnFatalError;
  errors.emit_message = OnMessage;
  errors.output_message = NoOutput;
  errors.format_message = NoFormat;
  errors.reset_error_mgr = NoReset;
}

struct Session {
  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  // Safe on a zeroed or half-created object: libjpeg checks its memory manager first.
  ~Session() { jpeg_destroy_decompress(&info); }

  ErrorManager errors{};
  jpeg_decompress_struct info{};
  std::unique_ptr<PixelBitmap> pixels;
  Size natural;
};

J_COLOR_SPACE OutputSpace(J_COLOR_SPACE input) {
  // libjpeg-turbo converts grayscale, YCbCr and RGB straight into GDI's B,G,R,x byte order.
  return input == JCS_CMYK || input == JCS_YCCK ? JCS_CMYK : JCS_EXT_BGRX;
}

uint32_t Channel(unsigned ink, unsigned black, bool inverted) {
  // Stored inverted, the values are already the light let through.
  return inverted ? ink * black / 255 : (255 - ink) * (255 - black) / 255;
}

// Each row holds C,M,Y,K bytes in the 32 bits of every pixel; rewritten in place as 0x00RRGGBB.
void CmykRowToRgb(uint32_t* row, int32_t width, bool inverted) {
  auto* bytes = reinterpret_cast<const uint8_t*>(row);
  for (int32_t x = 0; x < width; ++x, bytes += 4) {
    const uint8_t c = bytes[0], m = bytes[1], y = bytes[2], k = bytes[3];
    row[x] = Channel(c, k, inverted) << 16 | Channel(m, k, inverted) << 8 | Channel(y, k, inverted);
  }
}

// libjpeg-turbo fills the x byte of BGRX with 0xFF; the toolkit's pixels keep it zero.
void ClearUnusedBytes(uint32_t* row, int32_t width) {
  for (int32_t x = 0; x < width; ++x) row[x] &= 0x00FFFFFFu;
}

// The largest power-of-two reduction (up to 8) that keeps both sides at least `shown`.
unsigned ReductionFor(JDIMENSION width, JDIMENSION height, Size shown) {
  if (shown.width <= 0 || shown.height <= 0) return 1;
  unsigned reduction = 1;
  while (reduction < 8 &&
         (width + 2 * reduction - 1) / (2 * reduction) >= JDIMENSION(shown.width) &&
         (height + 2 * reduction - 1) / (2 * reduction) >= JDIMENSION(shown.height)) {
    reduction *= 2;
  }
  return reduction;
}

bool Decode(Session& session, std::span<const uint8_t> data, Size shown) {
  jpeg_decompress_struct& info = session.info;
  SetUpErrors(session.errors.base);
  info.err = &session.errors.base;
  if (setjmp(session.errors.jump) != 0) return false;

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxSide ||
      info.image_height > kMaxSide || uint64_t{info.image_width} * info.image_height > kMaxPixels) {
    return false;
  }
  info.out_color_space = OutputSpace(info.jpeg_color_space);
  session.natural = {static_cast<int32_t>(info.image_width),
                     static_cast<int32_t>(info.image_height)};
  info.scale_num = 1;
  info.scale_denom = ReductionFor(info.image_width, info.image_height, shown);
  jpeg_start_decompress(&info);
  if (info.output_components != 4) return false;

  const auto width = static_cast<int32_t>(info.output_width);
  const auto height = static_cast<int32_t>(info.output_height);
  session.pixels = PixelBitmap::Make(width, height);
  if (!session.pixels) return false;
  while (info.output_scanline < info.output_height) {
    uint32_t* row = session.pixels->Row(static_cast<int32_t>(info.output_scanline));
    JSAMPROW samples = reinterpret_cast<JSAMPROW>(row);
    if (jpeg_read_scanlines(&info, &samples, 1) != 1) return false;
    if (info.out_color_space == JCS_CMYK) {
      CmykRowToRgb(row, width, info.saw_Adobe_marker);
    } else {
      ClearUnusedBytes(row, width);
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::unique_ptr<PixelBitmap> DecodeJpeg(std::span<const uint8_t> data, Size shown, Size* natural) {
  if (data.empty()) return nullptr;
  Session session;
  if (!Decode(session, data, shown)) return nullptr;
  if (natural != nullptr) *natural = session.natural;
  return std::move(session.pixels);
}

}  // namespace ui::win32
