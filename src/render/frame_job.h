// A sharp frame painted on a pool thread from a snapshot of the scene, with
// the program's renderer, while the editor goes on. A newer frame cancels it.
#pragma once

#include <QImage>
#include <QSize>
#include <exception>
#include <functional>
#include <memory>

#include "render/scene_snapshot.h"

namespace tavisk {

class FrameJob {
 public:
  // Starts painting at once; ended runs on the painting thread when the
  // painting is over, however it ended, just before Wait returns.
  FrameJob(SceneSnapshot snapshot, QSize size, std::function<void()> ended);
  // Cancels and waits: the renderer is free once the job is gone.
  ~FrameJob();
  FrameJob(const FrameJob&) = delete;
  FrameJob& operator=(const FrameJob&) = delete;

  // The painting stops at the next shape.
  void Cancel();
  // Blocks until the job has ended.
  void Wait();

  // After Wait: the frame when it was painted whole, and what the painting
  // threw (null when nothing).
  bool Painted() const;
  const QImage& Frame() const;
  std::exception_ptr Failure() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace tavisk
