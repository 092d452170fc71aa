#include "render/lay_ahead.h"

#include <QThreadPool>

#include "render/laid_paint.h"

namespace tavisk {

void LayAhead::Add(const PaintOp& op) {
  if (!tried_) {
    tried_ = true;
    running_ = QThreadPool::globalInstance()->tryStart([this] {
      Work();
      done_.release();
    });
  }
  if (!running_) return;
  {
    const std::lock_guard<std::mutex> hold(lock_);
    queue_.push_back(op);
  }
  wake_.notify_one();
}

void LayAhead::Finish() {
  if (!running_) return;
  {
    const std::lock_guard<std::mutex> hold(lock_);
    finishing_ = true;
    queue_.clear();
  }
  wake_.notify_one();
  done_.acquire();
  running_ = false;
}

void LayAhead::Work() {
  for (;;) {
    PaintOp op;
    {
      std::unique_lock<std::mutex> hold(lock_);
      wake_.wait(hold, [this] { return finishing_ || !queue_.empty(); });
      if (finishing_) return;
      op = std::move(queue_.front());
      queue_.pop_front();
    }
    try {
      LaidOf(op);
    } catch (...) {
      // Left unlaid: the tile that needs it lays it again and reports.
    }
  }
}

}  // namespace tavisk
