// Heavy painting on threads of Qt's global pool, the caller waiting.
//
// Qt's raster engine cuts every large fill into pieces for the global thread
// pool, unless the painting thread is one of the pool's own threads; on two
// cores the hand-offs cost more than they win (a cold redraw of a 1,000-shape
// scene took twice as long from the GUI thread as from a pool thread).
#pragma once

#include <cstddef>
#include <functional>

namespace tavisk {

// Runs paint on a pool thread and returns when it is done; an exception it
// throws is thrown again here. paint must not touch widgets.
void RunPainting(const std::function<void()>& paint);

// Runs paint(0) .. paint(count - 1) on as many pool threads as the pool
// has, each call on one thread, and returns when all are done; the first
// exception thrown is thrown again here. The calls must not share what they
// write.
void RunPaintingInParallel(size_t count, const std::function<void(size_t)>& paint);

}  // namespace tavisk
