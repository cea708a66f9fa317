// DrawMarkOnCanvas: the 52 plot symbols, drawn with the canvas's pen (and, for open shapes,
// its brush) centred on a point.
#include <array>

#include "companion/ZEB_zebbase.h"
#include "framework/graphics/canvas.h"

namespace zeb {
namespace {

constexpr int kLarge = kMarkRadius;
constexpr int kSmall = 3;
constexpr int kLineMarks = 8;    // marks 0..7 are strokes
constexpr int kShapeCount = 11;  // shapes of marks 8.., in four variants

enum Shape {
  shSquare,
  shCircle,
  shDiamond,
  shTriangleUp,
  shTriangleDown,
  shTriangleLeft,
  shTriangleRight,
  shHexagon,
  shHourglass,
  shBowTie,
  shPentagon
};

// A stroke from (x1, y1) to (x2, y2) with both end points painted.
void Stroke(fw::TCanvas* c, int x1, int y1, int x2, int y2) {
  // A single pixel is a one-pixel stroke to the right.
  const int stepX = x2 > x1 ? 1 : (x2 < x1 ? -1 : (y2 == y1 ? 1 : 0));
  const int stepY = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
  c->MoveTo(x1, y1);
  c->LineTo(x2 + stepX, y2 + stepY);
}

void Plus(fw::TCanvas* c, int x, int y, int r) {
  Stroke(c, x - r, y, x + r, y);
  Stroke(c, x, y - r, x, y - 1);
  Stroke(c, x, y + 1, x, y + r);
}

void Cross(fw::TCanvas* c, int x, int y, int r) {
  Stroke(c, x - r, y - r, x + r, y + r);
  Stroke(c, x + r, y - r, x + 1, y - 1);
  Stroke(c, x - 1, y + 1, x - r, y + r);
}

void DrawLineMark(fw::TCanvas* c, int mark, int x, int y) {
  switch (mark) {
    case 0:
      Stroke(c, x, y, x, y);
      break;
    case 1:
      Plus(c, x, y, kLarge);
      break;
    case 2:
      Cross(c, x, y, kLarge);
      break;
    case 3:
      Plus(c, x, y, kLarge);
      // The diagonals without the centre, which the plus painted already.
      Stroke(c, x - kLarge, y - kLarge, x - 1, y - 1);
      Stroke(c, x + 1, y + 1, x + kLarge, y + kLarge);
      Stroke(c, x + kLarge, y - kLarge, x + 1, y - 1);
      Stroke(c, x - 1, y + 1, x - kLarge, y + kLarge);
      break;
    case 4:
      Plus(c, x, y, kSmall);
      break;
    case 5:
      Cross(c, x, y, kSmall);
      break;
    case 6:
      Stroke(c, x - kLarge, y, x + kLarge, y);
      break;
    case 7:
      Stroke(c, x, y - kLarge, x, y + kLarge);
      break;
    default:
      break;
  }
}

void DrawPolygon(fw::TCanvas* c, std::initializer_list<fw::TPoint> points) {
  c->Polygon(std::span<const fw::TPoint>(points.begin(), points.size()));
}

void DrawShape(fw::TCanvas* c, Shape shape, int x, int y, int r) {
  const int h = r / 2;        // half edge of the hexagon's flat sides
  const int k = r / 3 + 1;    // height of the pentagon's shoulders above the centre
  const int f = (r * 3) / 5;  // half width of the pentagon's base
  using fw::Point;
  switch (shape) {
    case shSquare:
      c->Rectangle(x - r, y - r, x + r + 1, y + r + 1);
      break;
    case shCircle:
      c->Ellipse(x - r, y - r, x + r + 1, y + r + 1);
      break;
    case shDiamond:
      DrawPolygon(c, {Point(x, y - r), Point(x + r, y), Point(x, y + r), Point(x - r, y)});
      break;
    case shTriangleUp:
      DrawPolygon(c, {Point(x, y - r), Point(x + r, y + r), Point(x - r, y + r)});
      break;
    case shTriangleDown:
      DrawPolygon(c, {Point(x - r, y - r), Point(x + r, y - r), Point(x, y + r)});
      break;
    case shTriangleLeft:
      DrawPolygon(c, {Point(x - r, y), Point(x + r, y - r), Point(x + r, y + r)});
      break;
    case shTriangleRight:
      DrawPolygon(c, {Point(x - r, y - r), Point(x + r, y), Point(x - r, y + r)});
      break;
    case shHexagon:
      DrawPolygon(c, {Point(x - r, y), Point(x - h, y - r), Point(x + h, y - r), Point(x + r, y),
                      Point(x + h, y + r), Point(x - h, y + r)});
      break;
    case shHourglass:
      DrawPolygon(
          c, {Point(x - r, y - r), Point(x + r, y - r), Point(x - r, y + r), Point(x + r, y + r)});
      break;
    case shBowTie:
      DrawPolygon(
          c, {Point(x - r, y - r), Point(x + r, y + r), Point(x + r, y - r), Point(x - r, y + r)});
      break;
    case shPentagon:
      DrawPolygon(c, {Point(x, y - r), Point(x + r, y - k), Point(x + f, y + r),
                      Point(x - f, y + r), Point(x - r, y - k)});
      break;
  }
}

}  // namespace

void DrawMarkOnCanvas(fw::TCanvas* canvas, int mark, int x, int y) {
  if (canvas == nullptr || mark < 0 || mark >= kMarkCount) return;
  const fw::TPoint savedPos = canvas->PenPos();
  if (mark < kLineMarks) {
    DrawLineMark(canvas, mark, x, y);
  } else {
    const int variant = (mark - kLineMarks) / kShapeCount;  // 0 open, 1 solid, 2, 3 small
    const Shape shape = static_cast<Shape>((mark - kLineMarks) % kShapeCount);
    const int radius = variant < 2 ? kLarge : kSmall;
    fw::TCanvasStateSaver saved(*canvas);
    // Solid marks are filled with the pen colour.
    if (variant % 2 == 1) {
      canvas->Brush()->SetColor(canvas->Pen()->Color());
      canvas->Brush()->SetStyle(fw::bsSolid);
    }
    DrawShape(canvas, shape, x, y, radius);
  }
  canvas->SetPenPos(savedPos);
}

}  // namespace zeb
