// Heavy painting on a thread of Qt's global pool, the caller waiting.
//
// Qt's raster engine cuts every large fill into pieces for the global thread
// pool, unless the painting thread is one of the pool's own threads; on two
// cores the hand-offs cost more than they win (a cold redraw of a 1,000-shape
// scene took twice as long from the GUI thread as from a pool thread).
#pragma once

#include <functional>

namespace tavisk {

// Runs paint on a pool thread and returns when it is done; an exception it
// throws is thrown again here. paint must not touch widgets.
void RunPainting(const std::function<void()>& paint);

}  // namespace tavisk
