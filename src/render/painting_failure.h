// Painting that runs out of memory gives up that picture, not the program:
// the editor keeps running with the work unsaved but safe, and the user is
// told once, not on every redraw that fails after the first.
#pragma once

#include <functional>

#include "platform/requesters.h"

namespace tavisk {

class PaintingFailureReport {
 public:
  // Runs paint; true when it finished. When it runs out of memory, tells
  // req (unless already told since the last paint that finished) and
  // returns false.
  bool Run(Requesters* req, const std::function<void()>& paint);

 private:
  bool told_ = false;
};

}  // namespace tavisk
