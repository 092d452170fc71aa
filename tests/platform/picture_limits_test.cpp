// Pictures whose headers claim huge sides: refused without decoding, and
// without memory that grows with the claim.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/picture_decoder.h"
#include "platform/picture_fixtures.h"

namespace tavisk {
namespace {

struct Decoded {
  bool null = false;
  long rssGrowthKb = 0;
  // Address space reserved, touched or not: catches a huge allocation that a
  // failed read leaves unwritten.
  long addressGrowthKb = 0;
};

long PeakRssKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

long PeakAddressSpaceKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmPeak:", 0) == 0) return std::stol(line.substr(7));
  }
  return 0;
}

// Decodes in a fresh child, whose peak resident size grows only by what the
// decoder really touched.
Decoded DecodeInChild(const std::string& bytes) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    const long before = PeakRssKb();
    const long addressBefore = PeakAddressSpaceKb();
    Decoded d;
    d.null = DecodePicture(bytes).isNull();
    d.rssGrowthKb = PeakRssKb() - before;
    d.addressGrowthKb = PeakAddressSpaceKb() - addressBefore;
    ::_exit(::write(pipeEnds[1], &d, sizeof d) == sizeof d ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  Decoded d{false, -1};
  if (::read(pipeEnds[0], &d, sizeof d) != static_cast<ssize_t>(sizeof d)) d.rssGrowthKb = -1;
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return d;
}

struct HugeClaim {
  const char* what;
  std::string bytes;
};

TEST(PictureLimits, HugeOrTruncatedClaimsAreRefusedInLittleMemory) {
  const unsigned side = kMaxPictureSide;
  const HugeClaim claims[] = {
      {"PNG 100000 x 100000", test::MakePngHeaderOnly(100000, 100000)},
      {"PNG 100000 x 1", test::MakePngHeaderOnly(100000, 1)},
      {"PNG 1 x 100000", test::MakePngHeaderOnly(1, 100000)},
      {"JPEG 65535 x 65535, the largest a JPEG can claim", test::MakeJpegHeaderOnly(65535, 65535)},
      {"JPEG one past the limit", test::MakeJpegHeaderOnly(side + 1, 16)},
      {"PNG at the limit, no data", test::MakePngHeaderOnly(side, side)},
      {"JPEG at the limit, no data", test::MakeJpegHeaderOnly(side, side)},
  };
  for (const HugeClaim& c : claims) {
    SCOPED_TRACE(c.what);
    const Decoded d = DecodeInChild(c.bytes);
    ASSERT_GE(d.rssGrowthKb, 0) << "the decoding child died";
    EXPECT_TRUE(d.null);
    // Filled, a 16384 x 16384 picture is a gigabyte. A picture allocated but
    // never written costs nothing, except AddressSanitizer's shadow of it (an
    // eighth, 128 MiB).
    EXPECT_LT(d.rssGrowthKb, 256 * 1024);
  }
}

// Found by fuzzing: a text chunk whose length field claims 1.6 GB made the
// PNG reader allocate that much before finding the file far shorter.
TEST(PictureLimits, ChunksThatDoNotShapeThePixelsAreSkippedUnread) {
  const std::string picture = test::MakePng(2, 2, Qt::green, false);
  const std::string lyingText = test::InsertPngChunk(picture, "tEXt", 0x63630063, "Title");
  const Decoded d = DecodeInChild(lyingText);
  ASSERT_GE(d.rssGrowthKb, 0) << "the decoding child died";
  EXPECT_TRUE(d.null);
  EXPECT_LT(d.addressGrowthKb, 256 * 1024);

  // Honest text and profile chunks change nothing.
  const std::string withText =
      test::InsertPngChunk(picture, "tEXt", 11, std::string("Title\0green", 11));
  const std::string withProfile = test::InsertPngChunk(withText, "iCCP", 4, std::string("x\0\0\x01", 4));
  const QImage image = DecodePicture(withProfile);
  ASSERT_EQ(image.size(), QSize(2, 2));
  EXPECT_EQ(image.pixel(1, 1), QColor(Qt::green).rgba());
}

TEST(PictureLimits, AJpegCutAfterItsHeadersIsNotAPicture) {
  // libjpeg makes up grey rows for missing data; the decoder must not.
  EXPECT_EQ(DecodePicture(test::MakeJpeg(8, 8, Qt::red)).width(), 8);
  EXPECT_TRUE(DecodePicture(test::MakeJpegHeaderOnly(8, 8)).isNull());
  const std::string whole = test::MakeJpeg(64, 64, Qt::blue);
  EXPECT_TRUE(DecodePicture(whole.substr(0, whole.size() - 40)).isNull());
}

}  // namespace
}  // namespace tavisk
