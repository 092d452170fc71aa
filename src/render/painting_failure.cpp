#include "render/painting_failure.h"

#include <new>

namespace tavisk {

bool PaintingFailureReport::Run(Requesters* req, const std::function<void()>& paint) {
  try {
    paint();
  } catch (const std::bad_alloc&) {
    if (!told_ && req != nullptr) {
      req->Message("Error",
                   "Not enough memory to draw the scene; the picture is incomplete. Save your "
                   "work, then remove or simplify the largest shapes.",
                   MessageIcon::Error);
    }
    told_ = true;
    return false;
  }
  told_ = false;
  return true;
}

}  // namespace tavisk
