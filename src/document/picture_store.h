// Pictures loaded for image shapes and icons, named by handles 1, 2, ...
// They stay loaded until the store goes away.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace tavisk {

class PictureStore {
 public:
  int64_t Add(QImage image) {
    pictures_.push_back(std::move(image));
    return static_cast<int64_t>(pictures_.size());
  }
  // Replaces the picture of an existing handle; false when it names none.
  bool Replace(int64_t handle, QImage image) {
    if (Get(handle) == nullptr) return false;
    pictures_[static_cast<size_t>(handle - 1)] = std::move(image);
    return true;
  }
  // nullptr for 0, -1 and every handle that names no picture.
  const QImage* Get(int64_t handle) const {
    if (handle < 1 || handle > static_cast<int64_t>(pictures_.size())) return nullptr;
    return &pictures_[static_cast<size_t>(handle - 1)];
  }

 private:
  std::vector<QImage> pictures_;
};

}  // namespace tavisk
