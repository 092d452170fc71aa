// The number lists of SVG attributes (path data, points, transforms,
// viewBox, dash arrays): numbers separated by white space and at most one
// comma, where a sign or a second decimal point also starts a new number.
#pragma once

#include <string_view>
#include <vector>

namespace tavisk {

class SvgNumberScanner {
 public:
  explicit SvgNumberScanner(std::string_view text) : text_(text) {}

  // Skips white space and one comma.
  void SkipSeparators();
  void SkipSpaces();
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() { ++pos_; }
  // A number, then the separators after it. False (nothing taken) when
  // none starts here or it is beyond kMaxSvgNumber (infinite ones too).
  bool Number(double& value);
  // An arc flag: a single 0 or 1, which needs no separator after it.
  bool Flag(bool& value);

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// White space of CSS and XML, form feed included.
bool IsSvgSpace(char c);

// The text without the white space around it.
std::string_view TrimSvgSpaces(std::string_view text);

// Every number of a list, up to the first that is not one; false when the
// list holds anything else or more than max numbers.
bool ParseNumberList(std::string_view text, std::vector<double>& out, size_t max);

}  // namespace tavisk
