#include "app/canvas_frames.h"

#include <QPainter>

#include "document/numeric.h"
#include "render/renderer.h"
#include "render/scene_snapshot.h"

namespace tavisk {

CanvasFrames::CanvasFrames(Editor& ctx, std::function<void()> repaint)
    : ctx_(ctx), repaint_(std::move(repaint)) {}

// The job goes first: its landing may no longer be posted once the lander
// is gone.
CanvasFrames::~CanvasFrames() {
  job_.reset();
}

void CanvasFrames::Paint(QImage& image) {
  if (image.isNull()) return;
  const FrameGeometry now = GeometryOf(ctx_.Options, ctx_.View);
  if (job_ != nullptr) {
    if (now != job_geometry_) {
      job_->Cancel();
      restart_ = true;
    }
    stale_ = true;
    ShowScaledCopy(image, now);
    return;
  }
  if (ZoomStep(now, image.size())) {
    StartJob(image.size());
    ShowScaledCopy(image, now);
    return;
  }
  if (fresh_ && now == scene_geometry_ && scene_.size() == image.size()) {
    fresh_ = false;
    ShowScene(image);
    return;
  }
  fresh_ = false;
  if (scene_.size() != image.size()) scene_ = QImage(image.size(), image.format());
  RedrawCanvasScene(ctx_, ctx_.View, scene_);
  scene_geometry_ = now;
  ShowScene(image);
}

bool CanvasFrames::ZoomStep(const FrameGeometry& now, QSize size) const {
  return !scene_.isNull() && scene_.size() == size && now.zoom != scene_geometry_.zoom;
}

void CanvasFrames::StartJob(QSize size) {
  job_geometry_ = GeometryOf(ctx_.Options, ctx_.View);
  restart_ = false;
  stale_ = false;
  const uint64_t serial = ++job_serial_;
  QObject* lander = &lander_;
  job_ = std::make_unique<FrameJob>(TakeSnapshot(ctx_, ctx_.View), size, [this, lander, serial] {
    QMetaObject::invokeMethod(
        lander, [this, serial] { Landed(serial); }, Qt::QueuedConnection);
  });
}

void CanvasFrames::TakeJob() {
  const std::unique_ptr<FrameJob> job = std::move(job_);
  job->Wait();
  SettlePaintingOutcome(ctx_.Req, job->Failure());
  fresh_ = false;
  if (job->Failure()) {
    // Nothing to scale from: the next redraw paints at once, as before.
    scene_ = QImage();
  } else if (job->Painted()) {
    scene_ = job->Frame();
    scene_geometry_ = job_geometry_;
    fresh_ = !stale_ && !restart_;
  }
  stale_ = false;
  restart_ = false;
}

void CanvasFrames::Landed(uint64_t serial) {
  // A job that was waited for has landed then.
  if (job_ == nullptr || serial != job_serial_) return;
  TakeJob();
  repaint_();
}

void CanvasFrames::ShowScene(QImage& image) const {
  {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, scene_);
  }
  DrawCanvasOverlays(ctx_, ctx_.View, image);
}

void CanvasFrames::ShowScaledCopy(QImage& image, const FrameGeometry& now) const {
  const int64_t c = ctx_.Options.BgColor;
  ComposeScaledCopy(scene_, scene_geometry_, now, QColor(Red(c), Green(c), Blue(c), Alpha(c)),
                    image);
  DrawCanvasOverlays(ctx_, ctx_.View, image);
}

}  // namespace tavisk
