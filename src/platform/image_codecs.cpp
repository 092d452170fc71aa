#include "platform/image_codecs.h"

#include <png.h>
// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>

namespace tavisk {

namespace {

bool PngDecoderWorks() {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_destroy_read_struct(&png, nullptr, nullptr);
  return true;
}

bool PngEncoderWorks() {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_destroy_write_struct(&png, nullptr);
  return true;
}

struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorTrap*>(info->err)->jump, 1);
}

bool JpegDecoderWorks() {
  jpeg_decompress_struct info{};
  JpegErrorTrap trap{};
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegFail;
  if (setjmp(trap.jump) != 0) return false;
  jpeg_create_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool JpegEncoderWorks() {
  jpeg_compress_struct info{};
  JpegErrorTrap trap{};
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegFail;
  if (setjmp(trap.jump) != 0) return false;
  jpeg_create_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

bool RegisterImageCodecs() {
  return PngDecoderWorks() && PngEncoderWorks() && JpegDecoderWorks() && JpegEncoderWorks();
}

}  // namespace tavisk
