#include "platform/jpeg_decoder.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <jerror.h>

#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include "platform/picture_decoder.h"

namespace tavisk {

namespace {

// Everything libjpeg touches, in one trivially destructible record that
// outlives the functions that set the jump point.
struct JpegSession {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  std::jmp_buf jump;
  bool created;
};

void OnError(j_common_ptr info) {
  std::longjmp(static_cast<JpegSession*>(info->client_data)->jump, 1);
}

// Warnings are dropped, except one: libjpeg only warns when the data ends
// early, then makes up grey rows for the rest, so a cut file would load as a
// picture and a header claiming a huge size would fill all of it.
void OnEmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnError(info);
}

// libjpeg reports errors by longjmp into the two functions below; their
// frames hold only trivially destructible objects, so nothing is skipped.
bool StartDecoding(JpegSession* s, const unsigned char* data, size_t size) {
  if (setjmp(s->jump)) return false;
  jpeg_create_decompress(&s->info);
  s->created = true;
  jpeg_mem_src(&s->info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&s->info, TRUE) != JPEG_HEADER_OK) return false;
  if (s->info.image_width == 0 || s->info.image_height == 0 ||
      s->info.image_width > kMaxPictureSide || s->info.image_height > kMaxPictureSide) {
    return false;
  }
  s->info.out_color_space =
      std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
  jpeg_start_decompress(&s->info);
  return s->info.output_components == 4;
}

bool ReadRows(JpegSession* s, unsigned char* bits, qsizetype stride) {
  if (setjmp(s->jump)) return false;
  while (s->info.output_scanline < s->info.output_height) {
    JSAMPROW row = bits + static_cast<qsizetype>(s->info.output_scanline) * stride;
    jpeg_read_scanlines(&s->info, &row, 1);
  }
  jpeg_finish_decompress(&s->info);
  return true;
}

}  // namespace

QImage DecodeJpeg(std::string_view bytes) {
  JpegSession session{};
  session.info.err = jpeg_std_error(&session.errors);
  session.errors.error_exit = OnError;
  session.errors.emit_message = OnEmitMessage;
  // Kept by jpeg_create_decompress, so every error finds its jump point.
  session.info.client_data = &session;
  QImage image;
  if (StartDecoding(&session, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())) {
    image = QImage(static_cast<int>(session.info.output_width),
                   static_cast<int>(session.info.output_height), QImage::Format_ARGB32);
    if (image.isNull() || !ReadRows(&session, image.bits(), image.bytesPerLine())) {
      image = QImage();
    }
  }
  if (session.created) jpeg_destroy_decompress(&session.info);
  return image;
}

}  // namespace tavisk
