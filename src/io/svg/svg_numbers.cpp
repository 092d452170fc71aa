#include "io/svg/svg_numbers.h"

#include <charconv>
#include <cmath>

#include "io/svg/svg_limits.h"

namespace tavisk {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void SvgNumberScanner::SkipSpaces() {
  while (!AtEnd() && IsSvgSpace(text_[pos_])) ++pos_;
}

void SvgNumberScanner::SkipSeparators() {
  SkipSpaces();
  if (Peek() == ',') {
    ++pos_;
    SkipSpaces();
  }
}

bool SvgNumberScanner::Number(double& value) {
  size_t end = pos_;
  if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
  const size_t mantissa = end;
  while (end < text_.size() && IsDigit(text_[end])) ++end;
  bool digits = end > mantissa;
  if (end < text_.size() && text_[end] == '.') {
    const size_t fraction = ++end;
    while (end < text_.size() && IsDigit(text_[end])) ++end;
    digits = digits || end > fraction;
  }
  if (!digits) return false;
  if (end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) ++exponent;
    const size_t exponentDigits = exponent;
    while (exponent < text_.size() && IsDigit(text_[exponent])) ++exponent;
    // "1em" or "2ex" is a number followed by a unit, not an exponent.
    if (exponent > exponentDigits) end = exponent;
  }
  // from_chars takes no leading '+'.
  const size_t from = text_[pos_] == '+' ? pos_ + 1 : pos_;
  double parsed = 0;
  const auto result = std::from_chars(text_.data() + from, text_.data() + end, parsed);
  if (result.ec != std::errc() || result.ptr != text_.data() + end ||
      !(std::abs(parsed) <= kMaxSvgNumber)) {
    return false;
  }
  value = parsed;
  pos_ = end;
  SkipSeparators();
  return true;
}

bool SvgNumberScanner::Flag(bool& value) {
  const char c = Peek();
  if (c != '0' && c != '1') return false;
  value = c == '1';
  ++pos_;
  SkipSeparators();
  return true;
}

bool ParseNumberList(std::string_view text, std::vector<double>& out, size_t max) {
  SvgNumberScanner scanner(text);
  scanner.SkipSpaces();
  double value = 0;
  while (!scanner.AtEnd()) {
    if (out.size() >= max || !scanner.Number(value)) return false;
    out.push_back(value);
  }
  return true;
}

bool IsSvgSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view TrimSvgSpaces(std::string_view text) {
  while (!text.empty() && IsSvgSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSvgSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace tavisk
