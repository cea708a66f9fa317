// The palette bar: pages and buttons from the palette registry, choosing a class with a click,
// the arrow clearing the choice, and a palette bitmap drawn without its transparent colour.
#include <gtest/gtest.h>

#include "apps/designer/palette_bar.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/registry.h"
#include "framework/image/codecs.h"
#include "framework/image/resources.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"

namespace designer {
namespace {

using namespace fw;

// Classes with palette bitmaps of their own: a green square on a magenta ground, 24x24 as
// most palette bitmaps and 28x28 as a few.
class TPaletteProbe : public TComponent {
 public:
  using TComponent::TComponent;
};
class TPaletteLargeProbe : public TComponent {
 public:
  using TComponent::TComponent;
};

constexpr TColor kGround = 0xFF00FF;  // magenta: the bottom-left pixel, left out
constexpr TColor kSquare = 0x00A000;

void RegisterTestPages() {
  static const bool registered = [] {
    RegisterClass<TPaletteProbe>("TPaletteProbe", "TComponent");
    RegisterClass<TPaletteLargeProbe>("TPaletteLargeProbe", "TComponent");
    for (int size : {24, 28}) {
      TBitmap glyph(size, size);
      glyph.Canvas()->Brush()->SetColor(kGround);
      glyph.Canvas()->FillRect(Rect(0, 0, size, size));
      glyph.Canvas()->Brush()->SetColor(kSquare);
      glyph.Canvas()->FillRect(Rect(6, 6, size - 6, size - 6));
      RegisterResource(size == 24 ? "TPALETTEPROBE" : "TPALETTELARGEPROBE",
                       glyph.SaveToBytes(ImageFormat::Bmp));
    }
    RegisterComponents("Bar Test", {typeid(TLabel), typeid(TEdit), typeid(TPaletteProbe),
                                    typeid(TPaletteLargeProbe)});
    RegisterComponents("Bar Test 2", {typeid(TComboBox)});
    return true;
  }();
  (void)registered;
}

struct BarFixture {
  BarFixture() : host(600, 80) {
    RegisterTestPages();
    bar = new TPaletteBar(host.Form());
    bar->SetParent(host.Form());
    bar->SetBounds(0, 0, 600, 60);
    bar->OnClassChosen = [this](const ClassRecord* record) { chosen.push_back(record); };
    for (int i = 0; i < bar->PageCount(); ++i)
      if (bar->PageName(i) == "Bar Test") page = i;
    host.Show();
    const TRect tab = bar->TabRect(page);
    host.Click(tab.Left + 6, tab.Top + 6);
  }
  TPoint Centre(int button) const {
    const TRect r = bar->ButtonRect(button);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void ClickButton(int button) {
    const TPoint p = Centre(button);
    host.Click(p.X, p.Y);
  }

  TestHost host;
  TPaletteBar* bar = nullptr;
  int page = -1;
  std::vector<const ClassRecord*> chosen;
};

TEST(PaletteBar, ShowsThePagesAndTheActivePagesClasses) {
  BarFixture f;
  ASSERT_GE(f.page, 0);
  EXPECT_EQ(f.bar->ActivePage(), f.page);
  ASSERT_EQ(f.bar->ButtonCount(), 4);
  EXPECT_EQ(f.bar->ButtonClass(0)->name, "TLabel");
  EXPECT_EQ(f.bar->ButtonClass(1)->name, "TEdit");
  EXPECT_EQ(f.bar->ButtonClass(2)->name, "TPaletteProbe");
  EXPECT_EQ(f.bar->PageName(f.page + 1), "Bar Test 2");
  const TRect tab = f.bar->TabRect(f.page + 1);
  f.host.Click(tab.Left + 6, tab.Top + 6);
  ASSERT_EQ(f.bar->ButtonCount(), 1);
  EXPECT_EQ(f.bar->ButtonClass(0)->name, "TComboBox");
}

TEST(PaletteBar, AClickChoosesAClassAndTheArrowClearsIt) {
  BarFixture f;
  EXPECT_EQ(f.bar->SelectedClass(), nullptr);
  f.ClickButton(1);
  ASSERT_NE(f.bar->SelectedClass(), nullptr);
  EXPECT_EQ(f.bar->SelectedClass()->name, "TEdit");
  ASSERT_EQ(f.chosen.size(), 1u);
  EXPECT_EQ(f.chosen[0], f.bar->SelectedClass());
  // A press released off the button chooses nothing.
  const TPoint p = f.Centre(0);
  f.host.MouseDown(p.X, p.Y);
  f.host.MouseUp(p.X, 75);
  EXPECT_EQ(f.bar->SelectedClass()->name, "TEdit");
  f.ClickButton(TPaletteBar::kArrowButton);
  EXPECT_EQ(f.bar->SelectedClass(), nullptr);
  ASSERT_EQ(f.chosen.size(), 2u);
  EXPECT_EQ(f.chosen[1], nullptr);
  // After a drop the designer resets the choice without an event.
  f.ClickButton(0);
  f.bar->ResetSelection();
  EXPECT_EQ(f.bar->SelectedClass(), nullptr);
  EXPECT_EQ(f.chosen.size(), 3u);
}

TEST(PaletteBar, ABitmapIsDrawnWithoutItsTransparentColourInsideTheBevel) {
  BarFixture f;
  for (int button : {2, 3}) {
    const TRect r = f.bar->ButtonRect(button);
    const TPoint c = f.Centre(button);
    EXPECT_EQ(f.host.Pixel(c.X, c.Y), kSquare) << button;
    // Nothing of the ground shows; the 28x28 bitmap is scaled into the face, so the bevel's
    // ring stays the button's face.
    int ground = 0, face = 0, square = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const TColor pixel = f.host.Pixel(x, y);
        ground += pixel == kGround;
        face += pixel == ColorToRGB(clBtnFace);
        square += pixel == kSquare;
        const bool ring = x < r.Left + 2 || x >= r.Right - 2 || y < r.Top + 2 || y >= r.Bottom - 2;
        if (ring) {
          EXPECT_NE(pixel, kSquare) << button << " at " << x << "," << y;
        }
      }
    EXPECT_EQ(ground, 0) << button;
    EXPECT_EQ(face + square, 28 * 28) << button;
    EXPECT_GE(square, 12 * 12) << button;
  }
  // Without a bitmap: a white box with the class's initials.
  const TPoint l = f.Centre(0);
  EXPECT_EQ(f.host.Pixel(l.X - 8, l.Y - 7), ColorToRGB(clWindow));
}

TEST(PaletteBar, TheHoveredButtonNamesItsClass) {
  BarFixture f;
  const TPoint p = f.Centre(2);
  f.host.MouseMove(p.X, p.Y);
  EXPECT_EQ(f.bar->HintText(), "TPaletteProbe");
  // The label stands beside the button, in the hint colour.
  const TRect r = f.bar->ButtonRect(2);
  EXPECT_EQ(f.host.Pixel(r.Right + 6, p.Y), ColorToRGB(clInfoBk));
  f.host.MouseMove(p.X, 75);
  EXPECT_EQ(f.bar->HintText(), "");
}

}  // namespace
}  // namespace designer
