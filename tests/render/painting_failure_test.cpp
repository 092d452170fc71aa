#include "render/painting_failure.h"

#include <gtest/gtest.h>

#include <new>

#include "platform/scripted_requesters.h"

namespace tavisk {
namespace {

TEST(PaintingFailureReport, RunningOutOfMemoryIsToldOnceAndPaintingGoesOn) {
  ScriptedRequesters req;
  PaintingFailureReport failures;
  const auto exhausted = [] { throw std::bad_alloc(); };
  EXPECT_FALSE(failures.Run(&req, exhausted));
  EXPECT_FALSE(failures.Run(&req, exhausted));
  ASSERT_EQ(req.Messages.size(), 1u) << "every redraw fails; one message";
  EXPECT_EQ(req.Messages[0].Title, "Error");
  EXPECT_EQ(req.Messages[0].Icon, MessageIcon::Error);

  int painted = 0;
  EXPECT_TRUE(failures.Run(&req, [&] { ++painted; }));
  EXPECT_EQ(painted, 1);
  EXPECT_FALSE(failures.Run(&req, exhausted));
  EXPECT_EQ(req.Messages.size(), 2u) << "a new failure after a good paint is told again";
  EXPECT_FALSE(failures.Run(nullptr, exhausted)) << "no requesters: still caught";
}

}  // namespace
}  // namespace tavisk
