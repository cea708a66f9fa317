// Drawing the six segment images (see segment_shapes.h). Coordinates are pixels of each image;
// polygons and ellipses are drawn without smoothing, so every pixel is black or white.
#include "tools/segment_art/segment_shapes.h"

#include <initializer_list>

#include "framework/graphics/canvas.h"

namespace segment_art {

namespace {

using fw::TPoint;

std::unique_ptr<fw::TBitmap> WhiteImage(int w, int h) {
  auto image = std::make_unique<fw::TBitmap>(w, h);
  fw::TCanvas* c = image->Canvas();
  c->Brush()->SetColor(fw::clWhite);
  c->FillRect(fw::Rect(0, 0, w, h));
  c->Pen()->SetColor(fw::clBlack);
  c->Brush()->SetColor(fw::clBlack);
  return image;
}

void Shape(fw::TCanvas* c, std::initializer_list<TPoint> points) {
  c->Polygon(std::span<const TPoint>(points.begin(), points.size()));
}

// A bar with pointed ends, its top edge four pixels right of its bottom edge (the slant).
std::unique_ptr<fw::TBitmap> HorizontalBar() {
  auto image = WhiteImage(200, 38);
  Shape(image->Canvas(), {{3, 19}, {22, 2}, {182, 2}, {197, 19}, {178, 36}, {18, 36}});
  return image;
}

// A bar leaning right: its pointed top end 36 pixels right of its pointed bottom end.
std::unique_ptr<fw::TBitmap> VerticalBar() {
  auto image = WhiteImage(68, 190);
  Shape(image->Canvas(), {{52, 2}, {65, 17}, {35, 173}, {16, 188}, {3, 173}, {33, 17}});
  return image;
}

std::unique_ptr<fw::TBitmap> Dot() {
  auto image = WhiteImage(38, 38);
  image->Canvas()->Ellipse(3, 3, 36, 36);
  return image;
}

// Two dots: one at the top right, one at the bottom left, on the digits' slant.
std::unique_ptr<fw::TBitmap> Colon() {
  auto image = WhiteImage(68, 190);
  image->Canvas()->Ellipse(33, 2, 66, 35);
  image->Canvas()->Ellipse(2, 155, 35, 188);
  return image;
}

// A bar across and a leaning bar down, crossing in the middle.
std::unique_ptr<fw::TBitmap> Plus() {
  auto image = WhiteImage(200, 190);
  fw::TCanvas* c = image->Canvas();
  Shape(c, {{14, 95}, {32, 77}, {172, 77}, {186, 95}, {168, 113}, {28, 113}});
  Shape(c, {{119, 12}, {132, 28}, {96, 162}, {80, 178}, {67, 162}, {101, 28}});
  return image;
}

// A thick ring, open at its lower right so that its inside is joined to the background.
std::unique_ptr<fw::TBitmap> DegreeRing() {
  auto image = WhiteImage(160, 138);
  fw::TCanvas* c = image->Canvas();
  c->Ellipse(8, 10, 128, 128);
  c->Pen()->SetColor(fw::clWhite);
  c->Brush()->SetColor(fw::clWhite);
  c->Ellipse(38, 40, 98, 98);
  Shape(c, {{68, 69}, {122, 115}, {112, 125}, {68, 75}});
  return image;
}

}  // namespace

std::vector<SegmentImage> DrawSegmentImages() {
  std::vector<SegmentImage> images;
  images.push_back({"SEGHORZ", HorizontalBar()});
  images.push_back({"SEGVERT", VerticalBar()});
  images.push_back({"SEGDOT", Dot()});
  images.push_back({"SEGPLUS", Plus()});
  images.push_back({"SEGCOLON", Colon()});
  images.push_back({"SEGDEG", DegreeRing()});
  return images;
}

}  // namespace segment_art
