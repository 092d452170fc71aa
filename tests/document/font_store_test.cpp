// Font handles: equal requests share one, and it stays until its last user
// lets it go.
#include <gtest/gtest.h>

#include "document/font_store.h"

namespace tavisk {
namespace {

TEST(FontStore, EqualRequestsShareAHandleUntilTheLastRelease) {
  FontStore fonts;
  const int64_t first = fonts.Load("Liberation Serif", 24, kFontBold);
  const int64_t again = fonts.Load("Liberation Serif", 24, kFontBold);
  EXPECT_EQ(first, again);
  EXPECT_NE(fonts.Load("Liberation Serif", 25, kFontBold), first);
  EXPECT_NE(fonts.Load("Liberation Serif", 24, kFontItalic), first);
  EXPECT_NE(fonts.Load("Liberation Sans", 24, kFontBold), first);

  fonts.Release(first);
  ASSERT_NE(fonts.Get(again), nullptr);
  EXPECT_EQ(fonts.Get(again)->Size, 24);
  fonts.Release(again);
  EXPECT_EQ(fonts.Get(first), nullptr);
  // Released twice more than loaded: nothing to undo, nothing breaks.
  fonts.Release(first);
  EXPECT_EQ(fonts.Get(first), nullptr);

  // Asked for again, the handle comes back to life.
  EXPECT_EQ(fonts.Load("Liberation Serif", 24, kFontBold), first);
  EXPECT_NE(fonts.Get(first), nullptr);
  EXPECT_EQ(fonts.Get(0), nullptr);
  EXPECT_EQ(fonts.Get(1000), nullptr);
}

}  // namespace
}  // namespace tavisk
