#include "platform/jpeg_writer.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/file_io.h"

namespace tavisk {

namespace {

// Everything libjpeg touches, in one trivially destructible record, so a
// longjmp out of libjpeg skips no destructor.
struct JpegSession {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  std::jmp_buf jump;
  bool created;
  unsigned char* buffer;
  unsigned long size;
};

void OnError(j_common_ptr info) {
  std::longjmp(static_cast<JpegSession*>(info->client_data)->jump, 1);
}

void OnMessage(j_common_ptr) {}

// rgb holds the image as packed RGB888 rows.
bool Encode(JpegSession* s, const QImage& rgb, int quality) {
  if (setjmp(s->jump)) return false;
  jpeg_create_compress(&s->info);
  s->created = true;
  jpeg_mem_dest(&s->info, &s->buffer, &s->size);
  s->info.image_width = static_cast<JDIMENSION>(rgb.width());
  s->info.image_height = static_cast<JDIMENSION>(rgb.height());
  s->info.input_components = 3;
  s->info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&s->info);
  jpeg_set_quality(&s->info, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&s->info, TRUE);
  while (s->info.next_scanline < s->info.image_height) {
    // libjpeg only reads the row, whatever its pointer type says.
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(s->info.next_scanline)));
    jpeg_write_scanlines(&s->info, &row, 1);
  }
  jpeg_finish_compress(&s->info);
  return true;
}

}  // namespace

bool WriteJpeg(const std::string& path, const QImage& image, int quality) {
  if (image.isNull()) return false;
  // JPEG has no alpha: transparent parts come out white rather than black.
  QImage rgb(image.size(), QImage::Format_RGB888);
  rgb.fill(Qt::white);
  QPainter painter(&rgb);
  painter.drawImage(0, 0, image);
  painter.end();
  JpegSession session{};
  session.info.err = jpeg_std_error(&session.errors);
  session.errors.error_exit = OnError;
  session.errors.output_message = OnMessage;
  session.info.client_data = &session;
  const bool encoded = Encode(&session, rgb, quality);
  if (session.created) jpeg_destroy_compress(&session.info);
  bool written = false;
  if (encoded) {
    written = WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(session.buffer), session.size));
  }
  std::free(session.buffer);
  return written;
}

}  // namespace tavisk
