// Gallery pages of the graphics engine: shapes and pens, raster operations, text, images.
#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/text_engine.h"

namespace gallery {
namespace {

using namespace fw;

void ClearPage(TBitmap& page) {
  TCanvas* c = page.Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(Rect(0, 0, page.Width(), page.Height()));
}

// Lines in every direction from a centre, end points excluded by the drawing rule.
void DrawStar(TCanvas* c, int cx, int cy, int radius) {
  for (int i = 0; i < 16; ++i) {
    const double a = i * 3.14159265358979 / 8;
    c->MoveTo(cx, cy);
    c->LineTo(cx + int(std::lround(radius * std::cos(a))),
              cy - int(std::lround(radius * std::sin(a))));
  }
}

void RenderShapes(TBitmap& page) {
  ClearPage(page);
  TCanvas* c = page.Canvas();
  Caption(c, 10, 8, "Lines in 16 directions, pen widths 1 to 6, pen styles");
  c->Pen()->SetColor(clNavy);
  DrawStar(c, 70, 90, 50);
  for (int w = 1; w <= 6; ++w) {
    c->Pen()->SetWidth(w);
    c->Pen()->SetColor(RGB(uint8_t(40 * w), 0, uint8_t(255 - 40 * w)));
    c->MoveTo(140, 30 + w * 18);
    c->LineTo(330, 40 + w * 18);
  }
  c->Pen()->SetWidth(1);
  const std::array<TPenStyle, 5> styles{psSolid, psDash, psDot, psDashDot, psDashDotDot};
  for (size_t i = 0; i < styles.size(); ++i) {
    c->Pen()->SetStyle(styles[i]);
    c->Pen()->SetColor(clBlack);
    c->MoveTo(360, 40 + int(i) * 20);
    c->LineTo(560, 40 + int(i) * 20);
  }
  c->Pen()->SetStyle(psSolid);

  Caption(c, 10, 160, "Rectangle, RoundRect, Ellipse, Pie, Chord, Arc, Polygon (alternate fill)");
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(clYellow);
  c->Rectangle(10, 180, 100, 250);
  c->Brush()->SetColor(clAqua);
  c->RoundRect(110, 180, 200, 250, 20, 20);
  c->Brush()->SetColor(clLime);
  c->Ellipse(210, 180, 300, 250);
  c->Brush()->SetColor(clFuchsia);
  c->Pie(310, 180, 400, 250, 400, 215, 355, 180);
  c->Brush()->SetColor(clSkyBlue);
  c->Chord(410, 180, 500, 250, 500, 240, 410, 190);
  c->Pen()->SetWidth(3);
  c->Pen()->SetColor(clRed);
  c->Arc(510, 180, 600, 250, 600, 215, 510, 215);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(clMoneyGreen);
  const std::array<TPoint, 5> star{Point(660, 180), Point(690, 250), Point(615, 205),
                                   Point(705, 205), Point(630, 250)};
  c->Polygon(star);

  Caption(c, 10, 270, "FloodFill by surface and by border; FrameRect; brush styles");
  c->Brush()->SetColor(clWhite);
  c->Rectangle(10, 290, 150, 400);
  c->Ellipse(30, 310, 130, 380);
  c->Brush()->SetColor(clRed);
  c->FloodFill(80, 345, clWhite, fsSurface);
  c->Brush()->SetColor(clBlue);
  c->FloodFill(15, 295, clBlack, fsBorder);
  c->Brush()->SetColor(clMaroon);
  c->FrameRect(Rect(170, 290, 260, 400));
  const std::array<TBrushStyle, 6> hatches{bsHorizontal, bsVertical, bsFDiagonal,
                                           bsBDiagonal,  bsCross,    bsDiagCross};
  for (size_t i = 0; i < hatches.size(); ++i) {
    c->Brush()->SetColor(clTeal);
    c->Brush()->SetStyle(hatches[i]);
    const int x = 280 + int(i) * 70;
    c->Rectangle(x, 290, x + 60, 400);
  }
  c->Brush()->SetStyle(bsSolid);
}

// A source of four colour quadrants and a destination of stripes, combined by one raster
// operation per tile.
void RenderRasterOps(TBitmap& page) {
  ClearPage(page);
  TCanvas* c = page.Canvas();
  Caption(c, 10, 8, "Copy modes: source (quadrants) onto destination (stripes)");
  TBitmap source(80, 80);
  TCanvas* s = source.Canvas();
  s->Brush()->SetColor(clRed);
  s->FillRect(Rect(0, 0, 40, 40));
  s->Brush()->SetColor(clLime);
  s->FillRect(Rect(40, 0, 80, 40));
  s->Brush()->SetColor(clBlue);
  s->FillRect(Rect(0, 40, 40, 80));
  s->Brush()->SetColor(clWhite);
  s->FillRect(Rect(40, 40, 80, 80));

  struct Mode {
    TCopyMode code;
    const char* name;
  };
  const std::array<Mode, 10> modes{{{cmSrcCopy, "SrcCopy"},
                                    {cmSrcAnd, "SrcAnd"},
                                    {cmSrcPaint, "SrcPaint"},
                                    {cmNotSrcCopy, "NotSrcCopy"},
                                    {cmSrcInvert, "SrcInvert"},
                                    {cmSrcErase, "SrcErase"},
                                    {cmMergePaint, "MergePaint"},
                                    {cmDstInvert, "DstInvert"},
                                    {cmMergeCopy, "MergeCopy"},
                                    {cmPatInvert, "PatInvert"}}};
  for (size_t i = 0; i < modes.size(); ++i) {
    const int x = 10 + int(i % 5) * 150;
    const int y = 40 + int(i / 5) * 130;
    for (int k = 0; k < 80; k += 10) {
      c->Brush()->SetColor(k % 20 == 0 ? clYellow : clNavy);
      c->FillRect(Rect(x, y + k, x + 80, y + k + 10));
    }
    c->Brush()->SetColor(clGray);
    c->SetCopyMode(modes[i].code);
    c->Draw(x, y, &source);
    c->SetCopyMode(cmSrcCopy);
    Caption(c, x, y + 86, modes[i].name);
  }

  Caption(c, 10, 310, "Pen modes over a colour band: Copy, Not, Xor, NotXor, Mask, Merge");
  for (int k = 0; k < 6; ++k) {
    c->Brush()->SetColor(RGB(uint8_t(k * 50), uint8_t(255 - k * 40), uint8_t(128)));
    c->FillRect(Rect(10 + k * 60, 330, 70 + k * 60, 450));
  }
  const std::array<TPenMode, 6> penModes{pmCopy, pmNot, pmXor, pmNotXor, pmMask, pmMerge};
  c->Pen()->SetColor(clRed);
  c->Pen()->SetWidth(8);
  for (size_t i = 0; i < penModes.size(); ++i) {
    c->Pen()->SetMode(penModes[i]);
    c->MoveTo(10, 345 + int(i) * 18);
    c->LineTo(370, 345 + int(i) * 18);
  }
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetWidth(1);
}

void RenderText(TBitmap& page) {
  ClearPage(page);
  TCanvas* c = page.Canvas();
  Caption(c, 10, 8, "Families and sizes (6 to 20 points), styles, anti-aliased and not");
  const std::array<const char*, 5> families{"MS Sans Serif", "Arial", "Times New Roman",
                                            "Courier New", kBuiltinFontName};
  int y = 30;
  for (const char* family : families) {
    c->Font()->SetName(family);
    int x = 10;
    for (int size = 6; size <= 20; size += 2) {
      c->Font()->SetSize(size);
      c->Brush()->SetStyle(bsClear);
      const std::string text = std::to_string(size) + "pt";
      c->TextOut(x, y, text);
      x += c->TextWidth(text) + 12;
    }
    c->Font()->SetSize(9);
    c->TextOut(x + 10, y + 4, family);
    y += 34;
  }
  c->Font()->SetName("Arial");
  c->Font()->SetSize(12);
  const std::array<TFontStyles, 4> styles{TFontStyles{fsBold}, TFontStyles{fsItalic},
                                          TFontStyles{fsUnderline}, TFontStyles{fsStrikeOut}};
  const std::array<const char*, 4> styleNames{"Bold", "Italic", "Underline", "StrikeOut"};
  for (size_t i = 0; i < styles.size(); ++i) {
    c->Font()->SetStyle(styles[i]);
    c->TextOut(10 + int(i) * 110, y, styleNames[i]);
  }
  c->Font()->SetStyle({});
  c->Font()->SetQuality(fqNonAntialiased);
  c->TextOut(460, y, "Not anti-aliased");
  c->Font()->SetQuality(fqDefault);
  y += 34;

  Caption(c, 10, y, "Opaque cell (solid brush), clear brush, TextRect clipping");
  y += 20;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clYellow);
  c->TextOut(10, y, "Solid brush fills the cell");
  c->Brush()->SetStyle(bsClear);
  c->TextOut(250, y, "Clear brush: glyphs only");
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clSkyBlue);
  c->TextRect(Rect(480, y, 600, y + 22), 470, y, "Clipped to its rectangle on both sides");
  y += 40;

  Caption(c, 10, y, "Orientation in steps of 45 degrees, counter-clockwise about the cell corner");
  const int cx = 200, cy = y + 130;
  c->Font()->SetSize(11);
  c->Brush()->SetStyle(bsClear);
  for (int angle = 0; angle < 360; angle += 45) {
    c->Font()->SetOrientation(angle * 10);
    c->Font()->SetColor(angle % 90 == 0 ? clNavy : clMaroon);
    c->TextOut(cx, cy, "  angle " + std::to_string(angle));
  }
  c->Font()->SetOrientation(0);
  c->Font()->SetColor(clWindowText);
  c->Pen()->SetColor(clRed);
  c->Ellipse(cx - 3, cy - 3, cx + 4, cy + 4);
  c->Brush()->SetStyle(bsSolid);
}

// A procedurally drawn picture, written to BMP and PNG files, read back, and drawn plain,
// stretched by both stretch modes and with a transparent colour.
void RenderImages(TBitmap& page) {
  ClearPage(page);
  TCanvas* c = page.Canvas();
  TBitmap picture(64, 48);
  for (int y = 0; y < 48; ++y) {
    TPixel* row = picture.ScanLine(y);
    for (int x = 0; x < 64; ++x) {
      row[x] = (TPixel(x * 4) << 16) | (TPixel(y * 5) << 8) | TPixel(((x / 8 + y / 8) % 2) * 255);
    }
  }
  picture.Canvas()->Brush()->SetColor(clFuchsia);
  picture.Canvas()->FillRect(Rect(24, 16, 40, 32));

  const auto dir = std::filesystem::temp_directory_path() / "panekit-gallery";
  std::filesystem::create_directories(dir);
  const auto bmpPath = (dir / "picture.bmp").string();
  const auto pngPath = (dir / "picture.png").string();
  picture.SaveToFile(bmpPath);
  picture.SaveToFile(pngPath);
  TBitmap fromBmp, fromPng;
  fromBmp.LoadFromFile(bmpPath);
  fromPng.LoadFromFile(pngPath);

  Caption(c, 10, 8, "Loaded from BMP and PNG; stretched x4 nearest and halftone; transparent");
  c->Draw(10, 30, &fromBmp);
  c->Draw(90, 30, &fromPng);
  c->StretchDraw(Rect(10, 100, 266, 292), &fromPng);
  SetStretchBltMode(c, HALFTONE);
  c->StretchDraw(Rect(280, 130, 344, 178), &fromPng);  // shrink by halftone averaging
  StretchBlt(c, 360, 100, 256, 192, fromPng.Canvas(), 0, 0, 64, 48, cmSrcCopy);
  SetStretchBltMode(c, COLORONCOLOR);
  fromBmp.SetTransparent(true);
  fromBmp.SetTransparentColor(clFuchsia);
  c->Brush()->SetColor(clYellow);
  c->FillRect(Rect(630, 100, 710, 160));
  c->Draw(638, 106, &fromBmp);
  Caption(c, 630, 165, "fuchsia left out");
}

}  // namespace

void Caption(TCanvas* canvas, int x, int y, const std::string& text) {
  TFont saved;
  saved.Assign(*canvas->Font());
  const TBrushStyle brushStyle = canvas->Brush()->Style();
  canvas->Font()->SetName("Arial");
  canvas->Font()->SetSize(9);
  canvas->Font()->SetStyle({fsBold});
  canvas->Font()->SetColor(clBlack);
  canvas->Font()->SetOrientation(0);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(x, y, text);
  canvas->Brush()->SetStyle(brushStyle);
  canvas->SetFont(&saved);
}

std::vector<Page> CanvasPages() {
  return {
      {"canvas_shapes", "Canvas: lines, pens and shapes", 760, 420, RenderShapes},
      {"canvas_rasterops", "Canvas: copy modes and pen modes", 760, 470, RenderRasterOps},
      {"canvas_text", "Canvas: text", 760, 600, RenderText},
      {"canvas_images", "Canvas: images and stretching", 760, 310, RenderImages},
  };
}

std::vector<Page> AllPages() {
  std::vector<Page> pages;
  for (auto* area : {
           CanvasPages,
           GridPages,
           StdCtrlsPages,
           LabelPages,
           ReplistPages,
           NTabEdPages,
           NumIOPages,
           MeterPages,
           DisplayPages,
           IndicatorPages,
           ButtonPages,
           MiniCalPages,
           FolderTreePages,
           RowEditPages,
           ColSelPages,
           ThumbnailPages,
           DesignPages,
       }) {
    for (auto& page : area()) pages.push_back(std::move(page));
  }
  return pages;
}

}  // namespace gallery
