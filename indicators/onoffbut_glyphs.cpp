// TOnOffBut glyphs: the style sheets (embedded resources), their split into the four glyphs,
// the default user glyphs and the user's own sheet.
#include <algorithm>

#include "indicators/ZEB_onoffbut.h"

namespace zeb {

const std::vector<std::string> kOnOffButStyleNames{
    "oobsUser",        "oobsCheckbox",     "oobsRadioBut",       "oobsSlideTB",
    "oobsSlideLR",     "oobsColSlideTB",   "oobsColSlideLR",     "oobsLedRedGreen",
    "oobsArrowTopRgt", "oobsArrowUpDown",  "oobsArrowLeftRight", "oobsTrafficLPed",
    "oobsBeveledLed",  "oobsSmileyYellow", "oobsSmileyRedGrn",   "oobsBulb",
    "oobsButLamp",     "oobsHDLeft",       "oobsHDRight",        "oobsUser1",
    "oobsUser2",       "oobsUser3",        "oobsUser4",          "oobsUser5"};

std::string OnOffButSheetName(TOnOffButStyle style) {
  static const char* const kNames[] = {
      "",           "CHECKBOX",    "RADIOBUT", "SLIDETOPBOT", "SLIDELFTRGT", "COLSLIDETB",
      "COLSLIDELR", "LEDREDGREEN", "ARROWTR",  "ARROWUD",     "ARROWLR",     "TRAFFICLGT",
      "BEVELEDLED", "SMILEYS",     "SMILEYRG", "BULB",        "BUTLAMP",     "HDLEFT",
      "HDRIGHT",    "USER1",       "USER2",    "USER3",       "USER4",       "USER5"};
  return style <= oobsUser5 ? kNames[style] : "";
}

namespace {

// Copies the w x h block at (x, y) of `sheet` into `glyph`, which takes that size.
void CopyBlock(const fw::TBitmap& sheet, int x, int y, int w, int h, fw::TBitmap& glyph) {
  glyph.SetSize(w, h);
  for (int row = 0; row < h; ++row) {
    const fw::TPixel* from = sheet.ScanLine(y + row) + x;
    std::copy(from, from + w, glyph.ScanLine(row));
  }
}

std::unique_ptr<fw::TBitmap> BlankGlyph(int w, int h) {
  auto glyph = std::make_unique<fw::TBitmap>(w, h);
  fw::TCanvas* c = glyph->Canvas();
  c->Brush()->SetColor(kOnOffButKeyColor);
  c->FillRect(fw::Rect(0, 0, w, h));
  c->Pen()->SetColor(fw::clBlack);
  c->Brush()->SetStyle(fw::bsClear);
  return glyph;
}

}  // namespace

// On: a circle; off: a cross; both blank when disabled; on the key colour.
void TOnOffBut::MakeDefaultUserGlyphs() {
  for (int on = 0; on < 2; ++on) {
    for (int enabled = 0; enabled < 2; ++enabled) defaultGlyphs_[on][enabled] = BlankGlyph(20, 20);
  }
  defaultGlyphs_[1][1]->Canvas()->Ellipse(5, 5, 15, 15);
  fw::TCanvas* cross = defaultGlyphs_[0][1]->Canvas();
  cross->MoveTo(0, 0);
  cross->LineTo(20, 20);
  cross->MoveTo(0, 20);
  cross->LineTo(20, 0);
}

void TOnOffBut::LoadGlyphs() {
  if (style_ == oobsUser && userSheet_ && !userSheet_->Empty()) {
    ExtractGlyphs(*userSheet_);
  } else if (style_ == oobsUser) {
    for (int on = 0; on < 2; ++on) {
      for (int enabled = 0; enabled < 2; ++enabled) {
        glyphs_[on][enabled] = std::make_unique<fw::TBitmap>();
        glyphs_[on][enabled]->Assign(defaultGlyphs_[on][enabled].get());
      }
    }
    glyphWidth_ = glyphHeight_ = 20;
  } else {
    fw::TBitmap sheet;
    sheet.LoadFromResourceName(OnOffButSheetName(style_));
    ExtractGlyphs(sheet);
  }
}

// The sheet's quadrants: enabled on the top row, disabled below; on left, off right.
void TOnOffBut::ExtractGlyphs(const fw::TBitmap& sheet) {
  glyphWidth_ = sheet.Width() / 2;
  glyphHeight_ = sheet.Height() / 2;
  for (int on = 0; on < 2; ++on) {
    for (int enabled = 0; enabled < 2; ++enabled) {
      if (!glyphs_[on][enabled]) glyphs_[on][enabled] = std::make_unique<fw::TBitmap>();
      CopyBlock(sheet, on ? 0 : glyphWidth_, enabled ? 0 : glyphHeight_, glyphWidth_, glyphHeight_,
                *glyphs_[on][enabled]);
    }
  }
}

void TOnOffBut::SetUserGlyph(const fw::TBitmap* sheet) {
  if (sheet && !sheet->Empty()) {
    auto copy = std::make_unique<fw::TBitmap>();
    copy->Assign(sheet);
    userSheet_ = std::move(copy);
  } else {
    userSheet_.reset();
  }
  if (style_ != oobsUser) return;
  LoadGlyphs();
  if (autoCenter_) AdjustAutoCenter();
  Invalidate();
}

void TOnOffBut::LoadUserGlyph(const std::string& fileName) {
  fw::TBitmap sheet;
  sheet.LoadFromFile(fileName);
  SetUserGlyph(&sheet);
}

}  // namespace zeb
