#include "render/frame_job.h"

#include <QThreadPool>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "render/renderer.h"

namespace tavisk {

struct FrameJob::State {
  SceneSnapshot snapshot;
  std::function<void()> ended;
  std::atomic<bool> cancelled{false};
  QImage frame;
  bool painted = false;
  std::exception_ptr failure;
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
};

FrameJob::FrameJob(SceneSnapshot snapshot, QSize size, std::function<void()> ended)
    : state_(std::make_shared<State>()) {
  state_->snapshot = std::move(snapshot);
  state_->ended = std::move(ended);
  state_->frame = QImage(size, QImage::Format_ARGB32_Premultiplied);
  // A pool thread: Qt's raster engine paints there without handing its
  // fills to the pool piece by piece (painting_thread.h).
  QThreadPool::globalInstance()->start([state = state_] {
    try {
      state->painted = PaintSceneCopy(state->snapshot.scene, state->snapshot.view, state->frame,
                                      [&state] { return state->cancelled.load(); });
    } catch (...) {
      state->failure = std::current_exception();
    }
    // Before the end is marked: once Wait returns, ended has returned too,
    // so whatever it refers to may go.
    if (state->ended) state->ended();
    {
      std::lock_guard lock(state->mutex);
      state->finished = true;
    }
    state->done.notify_all();
  });
}

FrameJob::~FrameJob() {
  Cancel();
  Wait();
}

void FrameJob::Cancel() {
  state_->cancelled = true;
}

void FrameJob::Wait() {
  std::unique_lock lock(state_->mutex);
  state_->done.wait(lock, [this] { return state_->finished; });
}

bool FrameJob::Painted() const {
  return state_->painted;
}
const QImage& FrameJob::Frame() const {
  return state_->frame;
}
std::exception_ptr FrameJob::Failure() const {
  return state_->failure;
}

}  // namespace tavisk
