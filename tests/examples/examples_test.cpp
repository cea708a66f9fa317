// The example programs run as a user runs them, headless with --out, and their pictures show
// the controls they place, in the state their input asks for. The programs are taken from
// the folder named by PANEKIT_EXAMPLES_DIR: the ones built with panekit, or the ones a
// separate project built against an installed panekit.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "displays/ZEB_NumLab.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/colors.h"
#include "framework/stdctrls/edit.h"
#include "meter/ZEB_Meter.h"
#include "replist/ZEB_replist.h"

namespace {

namespace fs = std::filesystem;
using fw::TColor;

fs::path ExamplesDir() {
  const char* dir = std::getenv("PANEKIT_EXAMPLES_DIR");
  return dir ? fs::path(dir) : fs::path();
}

// A fresh folder for one test's files.
fs::path WorkDir(const std::string& name) {
  const fs::path dir =
      fs::temp_directory_path() / ("panekit_examples_" + name + "_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs the example with the arguments; its exit status (-1 when it did not exit normally).
int RunExample(const std::string& program, const std::vector<std::string>& args) {
  std::string command = Quoted((ExamplesDir() / program).string());
  for (const std::string& arg : args) command += " " + Quoted(arg);
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::unique_ptr<fw::TBitmap> Picture(const fs::path& path) {
  auto picture = std::make_unique<fw::TBitmap>();
  picture->LoadFromFile(path.string());
  return picture;
}

TColor Pixel(fw::TBitmap& picture, int x, int y) {
  return fw::ColorToRGB(picture.Canvas()->Pixels(x, y));
}

// How many pixels of the rectangle have that colour.
int CountColor(fw::TBitmap& picture, const fw::TRect& r, TColor color) {
  const TColor rgb = fw::ColorToRGB(color);
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) count += Pixel(picture, x, y) == rgb;
  return count;
}

// Whether the two pictures differ anywhere inside the rectangle.
bool Differ(fw::TBitmap& a, fw::TBitmap& b, const fw::TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (Pixel(a, x, y) != Pixel(b, x, y)) return true;
  return false;
}

std::string FileText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class Examples : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ExamplesDir().empty()) GTEST_SKIP() << "PANEKIT_EXAMPLES_DIR names no folder";
  }
};

// The panel's controls where the program puts them, after three simulated seconds that
// took the temperature from 20 towards the set point 65 (59.4 by then).
TEST_F(Examples, InstrumentPanelShowsTheSignalAfterThreeSeconds) {
  const fs::path dir = WorkDir("panel");
  ASSERT_EQ(RunExample("instrument_panel", {"--out", (dir / "panel.png").string()}), 0);
  auto picture = Picture(dir / "panel.png");
  ASSERT_EQ(picture->Width(), 480);
  ASSERT_EQ(picture->Height(), 270);

  zeb::TMeter meter(nullptr);
  EXPECT_GT(CountColor(*picture, fw::Rect(10, 10, 270, 210), meter.ColorBakG()), 10000);
  zeb::TNumLab numLab(nullptr);
  for (int top : {15, 60})
    EXPECT_GT(CountColor(*picture, fw::Rect(375, top, 460, top + 36), numLab.ColorLabBakG()), 1000)
        << top;
  EXPECT_GT(CountColor(*picture, fw::Rect(290, 135, 460, 159), fw::clWindow), 1000);

  // The bar (10..270) is filled to about 59 %: the same colour at 20 % and 50 %, another one
  // at 70 % of its width.
  const int y = 239;
  const TColor fill = Pixel(*picture, 10 + 260 * 20 / 100, y);
  EXPECT_EQ(Pixel(*picture, 10 + 260 * 50 / 100, y), fill);
  EXPECT_NE(Pixel(*picture, 10 + 260 * 70 / 100, y), fill);
}

// A set point entered in the field drives the signal: towards 30 it has reached about 29 % of
// the bar after three seconds; a text out of the field's range leaves the set point at 65.
TEST_F(Examples, InstrumentPanelFollowsTheSetPointField) {
  const fs::path dir = WorkDir("setpoint");
  ASSERT_EQ(
      RunExample("instrument_panel", {"--set-point", "30", "--out", (dir / "low.png").string()}),
      0);
  ASSERT_EQ(RunExample("instrument_panel",
                       {"--set-point", "250", "--out", (dir / "refused.png").string()}),
            0);
  auto low = Picture(dir / "low.png");
  const int y = 239;
  const TColor fill = Pixel(*low, 10 + 260 * 20 / 100, y);
  EXPECT_NE(Pixel(*low, 10 + 260 * 40 / 100, y), fill);
  auto refused = Picture(dir / "refused.png");
  EXPECT_EQ(Pixel(*refused, 10 + 260 * 50 / 100, y), Pixel(*refused, 10 + 260 * 20 / 100, y));
  EXPECT_NE(Pixel(*refused, 10 + 260 * 70 / 100, y), Pixel(*refused, 10 + 260 * 20 / 100, y));
}

// The sample filtered for "noble": the three noble gases first, the other rows greyed below
// them; the exports hold every row in the list's order.
TEST_F(Examples, CsvViewerFiltersAndExports) {
  const fs::path dir = WorkDir("csv");
  ASSERT_EQ(RunExample("csv_viewer",
                       {"--filter", "noble", "--xml", (dir / "list.xml").string(), "--html",
                        (dir / "list.html").string(), "--out", (dir / "list.png").string()}),
            0);
  auto picture = Picture(dir / "list.png");
  ASSERT_EQ(picture->Width(), 560);
  ASSERT_EQ(picture->Height(), 420);

  // Down the left margin of the rows (below the two header rows): three enabled rows, then
  // disabled ones.
  zeb::TReportListView list(nullptr);
  const TColor disabled = fw::ColorToRGB(list.ColorDisabledBkgd());
  const TColor normal = fw::ColorToRGB(list.ColorBkgdNormal());
  const TColor shaded = fw::ColorToRGB(list.ColorBkgdShaded());
  std::vector<TColor> rows;
  for (int y = 90; y < 380; ++y) {
    const TColor c = Pixel(*picture, 13, y);
    if ((c == disabled || c == normal || c == shaded) && (rows.empty() || rows.back() != c))
      rows.push_back(c);
  }
  ASSERT_GE(rows.size(), 4u);
  EXPECT_NE(rows[0], disabled);
  EXPECT_NE(rows[1], disabled);
  EXPECT_NE(rows[2], disabled);
  EXPECT_EQ(rows.back(), disabled);
  EXPECT_GT(CountColor(*picture, fw::Rect(55, 10, 310, 34), fw::clWindow), 1000);

  const std::string html = FileText(dir / "list.html");
  EXPECT_NE(html.find("<th>Element</th>"), std::string::npos);
  ASSERT_NE(html.find("Argon"), std::string::npos);
  EXPECT_LT(html.find("Argon"), html.find("Hydrogen"));
  const std::string xml = FileText(dir / "list.xml");
  EXPECT_NE(xml.find("<numrows>18</numrows>"), std::string::npos);
  EXPECT_NE(xml.find("Phosphorus"), std::string::npos);
}

// A CSV file named on the command line replaces the sample.
TEST_F(Examples, CsvViewerShowsTheNamedFile) {
  const fs::path dir = WorkDir("csvfile");
  std::ofstream(dir / "few.csv") << "Name;Value\nalpha;1\nbeta;2\n";
  ASSERT_EQ(
      RunExample("csv_viewer", {(dir / "few.csv").string(), "--html", (dir / "few.html").string(),
                                "--out", (dir / "few.png").string()}),
      0);
  const std::string html = FileText(dir / "few.html");
  EXPECT_NE(html.find("<th>Value</th>"), std::string::npos);
  EXPECT_NE(html.find("beta"), std::string::npos);
  EXPECT_EQ(html.find("Hydrogen"), std::string::npos);
  EXPECT_NE(RunExample("csv_viewer",
                       {(dir / "missing.csv").string(), "--out", (dir / "missing.png").string()}),
            0);
}

// The form comes from the text file: its size and controls, and clicks reach the handlers
// the text names.
TEST_F(Examples, FormFromTextConnectsItsEventsByName) {
  const fs::path dir = WorkDir("form");
  ASSERT_EQ(RunExample("form_from_text", {"--out", (dir / "start.png").string()}), 0);
  ASSERT_EQ(RunExample("form_from_text", {"--click", "FillButton", "--click", "FillButton", "--out",
                                          (dir / "filled.png").string()}),
            0);
  auto start = Picture(dir / "start.png");
  auto filled = Picture(dir / "filled.png");
  ASSERT_EQ(start->Width(), 430);
  ASSERT_EQ(start->Height(), 240);
  zeb::TMeter meter(nullptr);
  EXPECT_GT(CountColor(*start, fw::Rect(10, 10, 250, 200), meter.ColorBakG()), 10000);
  EXPECT_TRUE(Differ(*start, *filled, fw::Rect(10, 10, 250, 200)));   // the needle
  EXPECT_TRUE(Differ(*start, *filled, fw::Rect(265, 10, 415, 46)));   // the level
  EXPECT_FALSE(Differ(*start, *filled, fw::Rect(265, 60, 415, 86)));  // the buttons

  // Filling twice and draining twice ends where it started.
  ASSERT_EQ(RunExample("form_from_text",
                       {"--click", "FillButton", "--click", "FillButton", "--click", "DrainButton",
                        "--click", "DrainButton", "--out", (dir / "back.png").string()}),
            0);
  EXPECT_FALSE(Differ(*start, *Picture(dir / "back.png"), fw::Rect(0, 0, 430, 240)));
  EXPECT_NE(RunExample("form_from_text",
                       {"--click", "NoSuchButton", "--out", (dir / "none.png").string()}),
            0);
}

// Another form text gives another form; a handler name the program does not know is an
// error, not a silently dead button.
TEST_F(Examples, FormFromTextReadsTheNamedFile) {
  const fs::path dir = WorkDir("formfile");
  std::string text = FileText(ExamplesDir() / "tank.form");
  ASSERT_NE(text.find("Width = 430"), std::string::npos);
  text.replace(text.find("Width = 430"), 11, "Width = 300");
  std::ofstream(dir / "narrow.form") << text;
  ASSERT_EQ(RunExample("form_from_text", {"--form", (dir / "narrow.form").string(), "--out",
                                          (dir / "narrow.png").string()}),
            0);
  EXPECT_EQ(Picture(dir / "narrow.png")->Width(), 300);

  text.replace(text.find("FillClick"), 9, "OverflowClick");
  std::ofstream(dir / "unknown.form") << text;
  EXPECT_NE(RunExample("form_from_text", {"--form", (dir / "unknown.form").string(), "--out",
                                          (dir / "unknown.png").string()}),
            0);
}

}  // namespace
