// Shell tests drive the real widgets on the offscreen platform.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  // Windows open no larger than their screen, and the offscreen screen is
  // 800 x 800 unless configured: the tests open windows up to 1600 x 1000.
  const std::string screens = (std::filesystem::temp_directory_path() /
                               ("tavisk_test_screen_" + std::to_string(::getpid()) + ".json"))
                                  .string();
  std::ofstream(screens) << R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1920,)"
                         << R"( "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96,)"
                         << R"( "dpr": 1}]})";
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).c_str());
  QApplication application(argc, argv);
  std::remove(screens.c_str());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
