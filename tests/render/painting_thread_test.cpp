// Heavy painting hops to a pool thread and back: the caller sees its effects
// and its exceptions as if it had run in place.
#include <gtest/gtest.h>

#include <QThread>
#include <QThreadPool>
#include <stdexcept>

#include "render/painting_thread.h"

namespace tavisk {
namespace {

TEST(PaintingThread, RunsOnAPoolThreadAndReturnsWhatHappened) {
  bool onPoolThread = false;
  bool nestedInPlace = false;
  int painted = 0;
  RunPainting([&] {
    onPoolThread = QThreadPool::globalInstance()->contains(QThread::currentThread());
    // Called again from a pool thread, it runs in place instead of waiting
    // for a second pool thread.
    const QThread* outer = QThread::currentThread();
    RunPainting([&] { nestedInPlace = QThread::currentThread() == outer; });
    ++painted;
  });
  EXPECT_TRUE(onPoolThread);
  EXPECT_TRUE(nestedInPlace);
  EXPECT_EQ(painted, 1);

  EXPECT_THROW(RunPainting([] { throw std::runtime_error("out of memory"); }),
               std::runtime_error);
  // The pool is still usable after a failure.
  RunPainting([&] { ++painted; });
  EXPECT_EQ(painted, 2);
}

}  // namespace
}  // namespace tavisk
