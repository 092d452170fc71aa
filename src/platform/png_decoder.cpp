#include "platform/png_decoder.h"

#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "platform/picture_decoder.h"

namespace tavisk {

namespace {

// Far above any chunk still read whole (a palette, its transparency); the
// rows are read one at a time.
constexpr png_alloc_size_t kMaxPngChunkBytes = 8u << 20;

struct PngSource {
  const unsigned char* data;
  size_t size;
  size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->size - source->offset) png_error(png, "truncated");
  std::memcpy(out, source->data + source->offset, length);
  source->offset += length;
}

void OnError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

// libpng reports errors by longjmp into the two functions below; their
// frames hold only trivially destructible objects, so nothing is skipped.
bool ReadHeader(png_structp png, png_infop info, PngSource* source, png_uint_32* width,
                png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, source, ReadFromMemory);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  // Only IHDR, PLTE, tRNS, IDAT and IEND shape the pixels; every other chunk
  // is skipped unread. A text chunk is otherwise allocated at the length its
  // header claims (gigabytes, in a file of a hundred bytes), and a profile
  // or compressed text inflated to the length it claims.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_set_chunk_malloc_max(png, kMaxPngChunkBytes);
  png_read_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  if (*width == 0 || *height == 0 || *width > kMaxPictureSide || *height > kMaxPictureSide) {
    return false;
  }
  // Every colour type and depth becomes 8-bit samples in the byte order of
  // QImage::Format_ARGB32.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  if constexpr (std::endian::native == std::endian::little) {
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  } else {
    png_set_swap_alpha(png);
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return png_get_rowbytes(png, info) == static_cast<size_t>(*width) * 4;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

QImage DecodePng(std::string_view bytes) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (png == nullptr) return {};
  png_infop info = png_create_info_struct(png);
  PngSource source{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0};
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  QImage image;
  if (info != nullptr && ReadHeader(png, info, &source, &width, &height)) {
    image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (!image.isNull()) {
      std::vector<png_bytep> rows(height);
      for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.scanLine(static_cast<int>(y));
      if (!ReadRows(png, rows.data())) image = QImage();
    }
  }
  png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
  return image;
}

}  // namespace tavisk
