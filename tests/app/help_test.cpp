#include "app/help.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/menu_table.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

TEST(About, FourLinesWithVersionAndBuildDate) {
  const QStringList lines = QString::fromStdString(AboutText()).split('\n');
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].contains("Tavisk"));
  EXPECT_TRUE(lines[0].contains("vector shapes"));
  EXPECT_TRUE(lines[0].contains("animation"));
  EXPECT_FALSE(lines[1].isEmpty());
  EXPECT_EQ(lines[2], "Version : 0.13");
  EXPECT_TRUE(QRegularExpression("^Date : \\d\\d/\\d\\d/\\d{4}$").match(lines[3]).hasMatch())
      << lines[3].toStdString();
  EXPECT_FALSE(AboutText().find('\r') != std::string::npos);
}

TEST(Help, DocumentsLieUnderTheCurrentDirectory) {
  test::ScopedWorkDir dir;
  EXPECT_EQ(HelpDocumentPath(0), CurrentDirectory() + "/data/help/help.rtf");
  EXPECT_EQ(HelpDocumentPath(1), CurrentDirectory() + "/data/help/html/index.html");
  EXPECT_EQ(HelpDocumentPath(2), "");
  EXPECT_EQ(HelpDocumentPath(-1), "");
}

// The documents the menu and F1 open ship with the program.
TEST(Help, BothDocumentsExistInTheSourceTree) {
  std::string rtf;
  ASSERT_TRUE(ReadWholeFile(std::string(TAVISK_SOURCE_DATA) + "/help/help.rtf", rtf));
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // an escaped brace does not count
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      --depth;
      ASSERT_GE(depth, 0) << "at byte " << i;
    }
  }
  EXPECT_EQ(depth, 0);
  std::string html;
  ASSERT_TRUE(ReadWholeFile(std::string(TAVISK_SOURCE_DATA) + "/help/html/index.html", html));
  EXPECT_NE(html.find("<title>"), std::string::npos);
  for (const char* topic : {"Ctrl+E", "Preferences.ini", "F1", "Export", ".sfx"}) {
    EXPECT_NE(rtf.find(topic), std::string::npos) << topic;
    EXPECT_NE(html.find(topic), std::string::npos) << topic;
  }
}

// Every item of the point menu, the boolean operations, the canvas's
// context menu, nudging, locking and deleting a layer are described in both
// documents, under the names the menus show.
TEST(Help, BothDocumentsDescribeThePointAndShapeOperations) {
  std::string rtf;
  std::string html;
  ASSERT_TRUE(ReadWholeFile(std::string(TAVISK_SOURCE_DATA) + "/help/help.rtf", rtf));
  ASSERT_TRUE(ReadWholeFile(std::string(TAVISK_SOURCE_DATA) + "/help/html/index.html", html));
  std::vector<std::string> topics = {"Context menu", "right press", "Arrow keys", "Nudging",
                                     "one step of Undo"};
  for (const MenuEntry& entry : PointMenuEntries()) {
    if (entry.kind == MenuEntry::kItem) topics.push_back(MenuItemName(entry.id));
  }
  for (const int id : {kMenuUnion, kMenuDifference, kMenuIntersection, kMenuExclusion,
                       kMenuLockSelection, kMenuDeleteObject}) {
    topics.push_back(MenuItemName(id));
  }
  for (const std::string& topic : topics) {
    EXPECT_NE(rtf.find(topic), std::string::npos) << topic;
    EXPECT_NE(html.find(topic), std::string::npos) << topic;
  }
}

}  // namespace
}  // namespace tavisk
