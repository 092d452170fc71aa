#include "io/svg/svg_markup.h"

#include <QString>
#include <charconv>
#include <cmath>

namespace tavisk {

std::string SvgNumber(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string SvgColour(QRgb colour) {
  static const char* const kDigits = "0123456789abcdef";
  std::string text = "#";
  for (const int channel : {qRed(colour), qGreen(colour), qBlue(colour)}) {
    text += kDigits[channel >> 4];
    text += kDigits[channel & 15];
  }
  return text;
}

std::string SvgOpacity(int alpha) {
  return alpha >= 255 ? "" : SvgNumber(std::max(alpha, 0) / 255.0);
}

std::string SvgMatrix(const QTransform& t) {
  return "matrix(" + SvgNumber(t.m11()) + " " + SvgNumber(t.m12()) + " " + SvgNumber(t.m21()) +
         " " + SvgNumber(t.m22()) + " " + SvgNumber(t.dx()) + " " + SvgNumber(t.dy()) + ")";
}

std::string XmlEscaped(const std::string& text) {
  const QString valid = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QString out;
  out.reserve(valid.size());
  for (const QChar c : valid) {
    const char16_t u = c.unicode();
    switch (u) {
      case '&':
        out += u"&amp;";
        break;
      case '<':
        out += u"&lt;";
        break;
      case '>':
        out += u"&gt;";
        break;
      case '"':
        out += u"&quot;";
        break;
      // Kept as references so that attribute values keep them too.
      case '\t':
        out += u"&#9;";
        break;
      case '\n':
        out += u"&#10;";
        break;
      case '\r':
        out += u"&#13;";
        break;
      default:
        if (u >= 0x20 && u != 0xFFFE && u != 0xFFFF) out += c;
        break;
    }
  }
  return out.toStdString();
}

}  // namespace tavisk
