#include "platform/picture_fixtures.h"

#include <png.h>
#include <zlib.h>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tavisk::test {

namespace {

void AppendToString(png_structp png, png_bytep data, size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void NoFlush(png_structp) {}

// Write errors in a fixture are test bugs: stop loudly.
void AbortOnPngError(png_structp, png_const_charp message) {
  std::fprintf(stderr, "png fixture: %s\n", message);
  std::abort();
}

png_structp StartPng(std::string& out, png_infop& info) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, AbortOnPngError, nullptr);
  info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendToString, NoFlush);
  return png;
}

}  // namespace

std::string MakePng(int width, int height, QColor colour, bool alpha, bool interlaced) {
  std::string out;
  png_infop info = nullptr;
  png_structp png = StartPng(out, info);
  const int channels = alpha ? 4 : 3;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width * channels));
  for (int x = 0; x < width; ++x) {
    png_byte* pixel = &row[static_cast<size_t>(x * channels)];
    pixel[0] = static_cast<png_byte>(colour.red());
    pixel[1] = static_cast<png_byte>(colour.green());
    pixel[2] = static_cast<png_byte>(colour.blue());
    if (alpha) pixel[3] = static_cast<png_byte>(colour.alpha());
  }
  std::vector<png_bytep> rows(static_cast<size_t>(height), row.data());
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::string MakePngHeaderOnly(unsigned width, unsigned height) {
  std::string out;
  png_infop info = nullptr;
  png_structp png = StartPng(out, info);
  png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::string InsertPngChunk(const std::string& png, const char type[4], unsigned declaredLength,
                           const std::string& data) {
  auto bigEndian = [](unsigned value) {
    const char bytes[] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                          static_cast<char>(value >> 8), static_cast<char>(value)};
    return std::string(bytes, 4);
  };
  const std::string typeAndData = std::string(type, 4) + data;
  const auto crc = ::crc32(0, reinterpret_cast<const Bytef*>(typeAndData.data()),
                           static_cast<uInt>(typeAndData.size()));
  // The signature (8 bytes) and the IHDR chunk (25) come first.
  const size_t afterHeader = 33;
  return png.substr(0, afterHeader) + bigEndian(declaredLength) + typeAndData +
         bigEndian(static_cast<unsigned>(crc)) + png.substr(afterHeader);
}

std::string MakeJpeg(int width, int height, QColor colour) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width * 3));
  for (int x = 0; x < width; ++x) {
    row[static_cast<size_t>(x * 3)] = static_cast<JSAMPLE>(colour.red());
    row[static_cast<size_t>(x * 3 + 1)] = static_cast<JSAMPLE>(colour.green());
    row[static_cast<size_t>(x * 3 + 2)] = static_cast<JSAMPLE>(colour.blue());
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string out(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return out;
}

std::string MakeJpegHeaderOnly(unsigned width, unsigned height) {
  std::string jpeg = MakeJpeg(8, 8, Qt::red);
  // Walk the marker segments after SOI: FF, marker, 16-bit length.
  size_t at = 2;
  while (at + 4 <= jpeg.size()) {
    const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
    const size_t length = static_cast<unsigned char>(jpeg[at + 2]) << 8 |
                          static_cast<unsigned char>(jpeg[at + 3]);
    if (marker == 0xC0) {  // baseline frame: precision, height, width
      jpeg[at + 5] = static_cast<char>(height >> 8);
      jpeg[at + 6] = static_cast<char>(height & 0xFF);
      jpeg[at + 7] = static_cast<char>(width >> 8);
      jpeg[at + 8] = static_cast<char>(width & 0xFF);
    } else if (marker == 0xDA) {  // start of scan: cut the data off
      return jpeg.substr(0, at + 2 + length);
    }
    at += 2 + length;
  }
  std::fprintf(stderr, "jpeg fixture: no scan header\n");
  std::abort();
}

}  // namespace tavisk::test
