// Works out the laid forms of paints (LaidOf) on a pool thread while the
// canvas goes on recording the scene, so that the tiles painted after find
// them ready. Paints not reached when the recording ends are laid by the
// tiles that need them, as before.
#pragma once

#include <QSemaphore>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "render/paint_op.h"

namespace tavisk {

class LayAhead {
 public:
  LayAhead() = default;
  LayAhead(const LayAhead&) = delete;
  LayAhead& operator=(const LayAhead&) = delete;
  ~LayAhead() { Finish(); }

  // Queues a copy of op, whose laid form it shares; starts the worker on
  // the first call, if the pool has a thread free.
  void Add(const PaintOp& op);
  // Drops the paints still queued and waits for the one being laid.
  void Finish();

 private:
  void Work();

  std::mutex lock_;
  std::condition_variable wake_;
  std::deque<PaintOp> queue_;
  bool tried_ = false;
  bool running_ = false;
  bool finishing_ = false;
  QSemaphore done_;
};

}  // namespace tavisk
