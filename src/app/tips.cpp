#include "app/tips.h"

namespace tavisk {

std::vector<std::string> BuildTips() {
  const std::string text =
      std::string(
          "To create a line or a curve,select the line or curve tool, then clic and move the "
          "mouse./To move,rotate,scale a shape, first : select the object which contain this "
          "Shape, then move the mouse./") +
      "To add point to the shape, curve or line, use 'addpoint' tool./To create a new object, "
      "when creating a new shape, set the checkbox 'Create new objet', in object panel./'";
  // The text after the last "/" (a lone apostrophe) is not a tip.
  std::vector<std::string> tips;
  size_t start = 0;
  for (size_t slash = text.find('/'); slash != std::string::npos;
       slash = text.find('/', start)) {
    tips.push_back(text.substr(start, slash - start));
    start = slash + 1;
  }
  return tips;
}

}  // namespace tavisk
