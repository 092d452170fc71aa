#include "render/painting_thread.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>

namespace tavisk {

void RunPainting(const std::function<void()>& paint) {
  RunPaintingInParallel(1, [&](size_t) { paint(); });
}

void RunPaintingInParallel(size_t count, const std::function<void(size_t)>& paint) {
  if (count == 0) return;
  QThreadPool* pool = QThreadPool::globalInstance();
  std::atomic<size_t> next{0};
  std::mutex failureLock;
  std::exception_ptr failure;
  // Each worker takes the next call until none is left, so a busy pool
  // still finishes the work with the workers it could start.
  auto work = [&] {
    for (size_t i = next++; i < count; i = next++) {
      try {
        paint(i);
      } catch (...) {
        const std::lock_guard<std::mutex> hold(failureLock);
        if (!failure) failure = std::current_exception();
      }
    }
  };
  const bool onPool = pool->contains(QThread::currentThread());
  const size_t threads = std::max<size_t>(1, static_cast<size_t>(pool->maxThreadCount()));
  const size_t helpers = std::min(count, threads) - (onPool ? 1 : 0);
  QSemaphore done;
  size_t started = 0;
  for (size_t h = 0; h < helpers; ++h) {
    // A pool thread waiting for queued work could wait for itself: it only
    // takes helpers that start at once, and works itself.
    const auto helper = [&] {
      work();
      done.release();
    };
    if (onPool ? pool->tryStart(helper) : (pool->start(helper), true)) ++started;
  }
  if (onPool) work();
  done.acquire(static_cast<int>(started));
  if (failure) std::rethrow_exception(failure);
}

}  // namespace tavisk
