// Where the user guide is found, and that its pages hold together: every link and picture
// points at a file and anchor that exist, and the contents page reaches every page.
#include "app/model/help_guide.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ravlo {
namespace {

namespace fs = std::filesystem;

const fs::path kGuide = RAVLO_HELP_SOURCE_DIR;

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> attributeValues(const std::string& html, const std::string& attribute) {
  const std::regex re("\\b" + attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
  std::vector<std::string> values;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), re); it != std::sregex_iterator(); ++it)
    values.push_back((*it)[1]);
  return values;
}

std::vector<fs::path> guidePages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(kGuide))
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  return pages;
}

TEST(HelpGuide, FoundInTheFirstFolderThatHasItsFirstPage) {
  const fs::path root = fs::path(::testing::TempDir()) / "ravlo-help-guide-test";
  fs::remove_all(root);
  const fs::path empty = root / "empty", other = root / "other", guide = root / "guide";
  fs::create_directories(empty);
  fs::create_directories(other);
  fs::create_directories(guide);
  std::ofstream(other / "notes.html") << "<html></html>";
  std::ofstream(guide / "index.html") << "<html></html>";
  const std::vector<fs::path> folders{root / "missing", empty, other, guide};
  EXPECT_EQ(findHelpGuide(folders), guide / "index.html");
  EXPECT_EQ(findHelpGuide(std::vector<fs::path>{empty, other}), std::nullopt);
  fs::remove_all(root);
}

TEST(HelpGuide, LookedForBesideTheProgramWhereInstalledThenInTheSourceTree) {
  const auto folders = helpGuideFolders("/opt/ravlo/bin");
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(folders[0], fs::path("/opt/ravlo/bin/help"));
  EXPECT_EQ(folders[1], fs::path("/opt/ravlo/share/ravlo/help"));
  EXPECT_EQ(folders[2], kGuide);
  EXPECT_EQ(findHelpGuide(helpGuideFolders({})), kGuide / "index.html");
}

TEST(HelpGuide, EveryLinkAndPictureResolves) {
  std::map<fs::path, std::set<std::string>> anchors;
  for (const fs::path& page : guidePages()) {
    const std::string html = slurp(page);
    for (const char* attribute : {"id", "name"})
      for (const std::string& a : attributeValues(html, attribute)) anchors[page.filename()].insert(a);
  }
  ASSERT_FALSE(anchors.empty());
  int links = 0;
  for (const fs::path& page : guidePages()) {
    const std::string html = slurp(page);
    std::vector<std::string> targets = attributeValues(html, "href");
    for (const std::string& src : attributeValues(html, "src")) targets.push_back(src);
    for (const std::string& target : targets) {
      SCOPED_TRACE(page.filename().string() + " -> " + target);
      ++links;
      // The help window opens no other program: no addresses outside the guide.
      EXPECT_EQ(target.find(':'), std::string::npos);
      const std::size_t hash = target.find('#');
      const std::string file = target.substr(0, hash);
      const fs::path resolved = file.empty() ? page : page.parent_path() / file;
      ASSERT_TRUE(fs::is_regular_file(resolved));
      if (hash != std::string::npos) {
        EXPECT_TRUE(anchors[resolved.filename()].count(target.substr(hash + 1)));
      }
    }
  }
  EXPECT_GT(links, 20);
}

TEST(HelpGuide, TheContentsPageReachesEveryPage) {
  const std::vector<std::string> links = attributeValues(slurp(kGuide / "index.html"), "href");
  const std::set<std::string> linked(links.begin(), links.end());
  for (const fs::path& page : guidePages()) {
    if (page.filename() == "index.html") continue;
    EXPECT_TRUE(linked.count(page.filename().string())) << page.filename();
  }
}

}  // namespace
}  // namespace ravlo
