// What the canvas shows. Most redraws paint at once. A zoom step shows at
// once a scaled copy of the last frame with the overlays sharp on top, while
// the sharp frame is painted on a pool thread from a snapshot of the scene;
// it is swapped in when it lands, and a newer zoom or pan cancels it.
// Redraws asked for meanwhile are served from the scaled copy, and the
// canvas catches up with them once the frame lands.
#pragma once

#include <QImage>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

#include "edit/editor.h"
#include "render/frame_geometry.h"
#include "render/frame_job.h"

namespace tavisk {

class CanvasFrames {
 public:
  // repaint asks for a redraw, which comes back to Paint.
  CanvasFrames(Editor& ctx, std::function<void()> repaint);
  ~CanvasFrames();

  // Fills image with the canvas for the current state.
  void Paint(QImage& image);
  // A sharp frame is being painted; the canvas shows a scaled copy.
  bool FramePending() const { return job_ != nullptr; }

 private:
  bool ZoomStep(const FrameGeometry& now, QSize size) const;
  void StartJob(QSize size);
  // Waits for the job to end, keeps its frame and tells of its failure.
  void TakeJob();
  void Landed(uint64_t serial);
  void ShowScene(QImage& image) const;
  void ShowScaledCopy(QImage& image, const FrameGeometry& now) const;

  Editor& ctx_;
  std::function<void()> repaint_;
  // The last frame of the scene, without overlays, and where it puts it.
  QImage scene_;
  FrameGeometry scene_geometry_;
  std::unique_ptr<FrameJob> job_;
  FrameGeometry job_geometry_;
  uint64_t job_serial_ = 0;
  // The view moved on since the job's snapshot: its frame is not the one
  // wanted.
  bool restart_ = false;
  // A redraw was asked for since the job's snapshot.
  bool stale_ = false;
  // The kept scene is the current state's: the next redraw only shows it.
  bool fresh_ = false;
  // Where the landing of a job runs: the GUI thread, while this lives.
  QObject lander_;
};

}  // namespace tavisk
