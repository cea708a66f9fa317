// TMarkSel: its properties, the symbols' visibility, the layout of the cells and the nearest
// symbol to a point.
#include <algorithm>
#include <cstdint>

#include "indicators/ZEB_marksel.h"

namespace zeb {

TMarkSel::TMarkSel(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner) {
  visible_.fill(true);
  SetBounds(Left(), Top(), 236, 178);
}

void TMarkSel::SetNrOfColumns(int value) {
  if (value == nrColumns_ || value < 1 || value > kMaxCells) return;
  nrColumns_ = value;
  Repaint();
}

void TMarkSel::SetNrOfRows(int value) {
  if (value == nrRows_ || value < 1 || value > kMaxCells) return;
  nrRows_ = value;
  Repaint();
}

void TMarkSel::SetSelected(int value) {
  if (value == selected_ || value < -1 || value >= kMarkCount) return;
  selected_ = value;
  Repaint();
}

void TMarkSel::SetShowZeroAsCross(bool value) {
  showZeroAsCross_ = value;
  Invalidate();
}

// Every colour setter stores a changed value and repaints at once.
void TMarkSel::ChangeColor(fw::TColor& member, fw::TColor value) {
  if (value == member) return;
  member = value;
  Repaint();
}

void TMarkSel::SetColorBackGnd(fw::TColor value) {
  ChangeColor(colorBackGnd_, value);
}
void TMarkSel::SetColorMarks(fw::TColor value) {
  ChangeColor(colorMarks_, value);
}
void TMarkSel::SetColorSelFG(fw::TColor value) {
  ChangeColor(colorSelFG_, value);
}
void TMarkSel::SetColorSelBG(fw::TColor value) {
  ChangeColor(colorSelBG_, value);
}
void TMarkSel::SetColorHiLiteBG(fw::TColor value) {
  ChangeColor(colorHiLiteBG_, value);
}
void TMarkSel::SetColorHiLiteSymbol(fw::TColor value) {
  ChangeColor(colorHiLiteSymbol_, value);
}

void TMarkSel::SetFrameStyle(TFrameStyle value) {
  if (value == frameStyle_) return;
  frameStyle_ = value;
  Repaint();
}

bool TMarkSel::GetVis(int index) const {
  if (index < 0 || index >= kMarkCount) index = 0;
  return visible_[static_cast<size_t>(index)];
}

void TMarkSel::SetVis(int index, bool value) {
  if (index < 1 || index >= kMarkCount) return;
  visible_[static_cast<size_t>(index)] = value;
  Repaint();
}

void TMarkSel::ShowAllMarks() {
  std::fill(visible_.begin() + 1, visible_.end(), true);
  Repaint();
}

void TMarkSel::HideAllMarks() {
  std::fill(visible_.begin() + 1, visible_.end(), false);
  Repaint();
}

int TMarkSel::CellWidth() const {
  return (Width() - 4) / nrColumns_;
}
int TMarkSel::CellHeight() const {
  return (Height() - 4) / nrRows_;
}

// A shown symbol takes the cell after those of the shown symbols before it.
fw::TPoint TMarkSel::MarkCentre(int index) const {
  index = std::clamp(index, 0, kMarkCount - 1);
  const int cell = static_cast<int>(std::count(visible_.begin(), visible_.begin() + index, true));
  const int w = CellWidth(), h = CellHeight();
  return {(cell % nrColumns_) * w + w / 2, (cell / nrColumns_) * h + h / 2};
}

int TMarkSel::NearestMark(int x, int y) const {
  int nearest = 0;
  int64_t best = INT64_MAX;
  for (int i = 0; i < kMarkCount; ++i) {
    if (!visible_[static_cast<size_t>(i)]) continue;
    const fw::TPoint c = MarkCentre(i);
    const int64_t dx = int64_t{x} - c.X, dy = int64_t{y} - c.Y;
    const int64_t distance = dx * dx + dy * dy;
    if (distance < best) {
      best = distance;
      nearest = i;
    }
  }
  return nearest;
}

void TMarkSel::HiLite(int index) {
  hiLite_ = std::clamp(index, 0, kMarkCount - 1);
  hiLiteShown_ = true;
  Invalidate();
}

void TMarkSel::ResetLastHiLite() {
  if (!hiLiteShown_) return;
  hiLiteShown_ = false;
  Invalidate();
}

}  // namespace zeb
