// The colour dialog's form: basic and custom swatches, the six number fields, the preview and
// the buttons, kept in step with one current colour.
#include <algorithm>

#include "framework/graphics/frame3d.h"
#include "framework/rtl/numtext.h"
#include "framework/stdctrls/color_dialog.h"
#include "framework/stdctrls/dialog_layout.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {

namespace {

constexpr std::array<const char*, 6> kFieldNames{"Red:", "Green:", "Blue:", "Hue:", "Sat:", "Val:"};
constexpr std::array<int, 6> kFieldMax{255, 255, 255, 359, 100, 100};

}  // namespace

TColorDialogForm::TColorDialogForm(TComponent* AOwner, TColor initial,
                                   const std::vector<TColor>& custom)
    : TForm(AOwner), current_(ColorToRGB(initial)), custom_(custom) {
  custom_.resize(16, clWhite);
  SetBorderStyle(bsDialog);
  SetBounds(Left(), Top(), 400, 280);
  Build();
  SetCurrentColor(current_);
}

void TColorDialogForm::Build() {
  PlaceLabelOn(this, "Basic colors:", 8, 6, 60);
  const auto& basic = BasicDialogColors();
  basic_ = PlaceOn(this, new TColorSwatchGrid(this, 8, {basic.begin(), basic.end()}), 8, 22,
                   8 * TColorSwatchGrid::kCellWidth, 6 * TColorSwatchGrid::kCellHeight);
  basic_->OnClick = [this](TObject*) { SetCurrentColor(basic_->Colors(basic_->Selected())); };
  PlaceLabelOn(this, "Custom colors:", 8, 148, 60);
  customGrid_ = PlaceOn(this, new TColorSwatchGrid(this, 8, custom_), 8, 164,
                        8 * TColorSwatchGrid::kCellWidth, 2 * TColorSwatchGrid::kCellHeight);
  customGrid_->OnClick = [this](TObject*) {
    nextCustom_ = customGrid_->Selected();
    SetCurrentColor(customGrid_->Colors(customGrid_->Selected()));
  };
  auto* add = PlaceOn(this, new TSpeedButton(this), 8, 210, 176, 24);
  add->SetCaption("Add to Custom Colors");
  add->OnClick = [this](TObject*) { AddToCustomColors(); };

  preview_ = PlaceOn(this, new TColorPreview(this), 200, 22, 186, 60);
  for (int i = 0; i < 6; ++i) {
    const int x = i < 3 ? 200 : 300;
    const int y = 96 + (i % 3) * 28;
    PlaceLabelOn(this, kFieldNames[static_cast<size_t>(i)], x, y + 3, 60);
    TEdit* field = PlaceOn(this, new TEdit(this), x + 42, y, 44, 21);
    field->SetMaxLength(3);
    field->OnChange = [this, i](TObject*) { FieldChanged(i); };
    fields_[static_cast<size_t>(i)] = field;
  }
  PlaceResultButton(this, "OK", mrOk, 214, 210, 81, 26);
  PlaceResultButton(this, "Cancel", mrCancel, 305, 210, 81, 26);
}

void TColorDialogForm::SetCurrentColor(TColor color) {
  current_ = ColorToRGB(color);
  preview_->SetColor(current_);
  ShowInFields();
}

void TColorDialogForm::AddToCustomColors() {
  custom_[static_cast<size_t>(nextCustom_)] = current_;
  customGrid_->SetColors(nextCustom_, current_);
  nextCustom_ = (nextCustom_ + 1) % 16;
}

void TColorDialogForm::ShowInFields() {
  if (updating_) return;
  updating_ = true;
  const THSV hsv = RGBToHSV(current_);
  const std::array<int, 6> values{
      GetRValue(current_), GetGValue(current_), GetBValue(current_), hsv.h, hsv.s, hsv.v};
  for (size_t i = 0; i < 6; ++i) fields_[i]->SetText(std::to_string(values[i]));
  updating_ = false;
}

// A field typed into: its number (kept in range; an empty or unreadable field counts as 0)
// makes the new colour, and the other model's fields follow.
void TColorDialogForm::FieldChanged(int index) {
  if (updating_) return;
  std::array<int, 6> v{};
  for (size_t i = 0; i < 6; ++i)
    v[i] = std::clamp(StrToIntDef(fields_[i]->Text(), 0), 0, kFieldMax[i]);
  const TColor color = index < 3 ? RGB(static_cast<uint8_t>(v[0]), static_cast<uint8_t>(v[1]),
                                       static_cast<uint8_t>(v[2]))
                                 : HSVToRGB({v[3], v[4], v[5]});
  current_ = color;
  preview_->SetColor(color);
  // The typed field keeps its text; the others show the colour.
  updating_ = true;
  const THSV hsv = RGBToHSV(color);
  const std::array<int, 6> values{
      GetRValue(color), GetGValue(color), GetBValue(color), hsv.h, hsv.s, hsv.v};
  const size_t first = index < 3 ? 3 : 0;
  for (size_t i = first; i < first + 3; ++i) fields_[i]->SetText(std::to_string(values[i]));
  updating_ = false;
}

// --- Swatches and preview

TColorSwatchGrid::TColorSwatchGrid(TComponent* AOwner, int columns, std::vector<TColor> colors)
    : TCustomControl(AOwner), columns_(std::max(columns, 1)), colors_(std::move(colors)) {
  SetControlStyle({csCaptureMouse, csClickEvents, csOpaque});
  SetTabStop(false);
}

void TColorSwatchGrid::SetColors(int index, TColor value) {
  if (index < 0 || index >= Count()) return;
  colors_[static_cast<size_t>(index)] = value;
  Invalidate();
}

void TColorSwatchGrid::SetSelected(int index) {
  selected_ = index >= 0 && index < Count() ? index : -1;
  Invalidate();
}

TRect TColorSwatchGrid::CellRect(int index) const {
  const int x = (index % columns_) * kCellWidth;
  const int y = (index / columns_) * kCellHeight;
  return Rect(x, y, x + kCellWidth, y + kCellHeight);
}

int TColorSwatchGrid::CellAt(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= columns_ * kCellWidth) return -1;
  const int index = (Y / kCellHeight) * columns_ + X / kCellWidth;
  return index < Count() ? index : -1;
}

// Each swatch sunken with a gap around it; the chosen one framed in black.
void TColorSwatchGrid::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  for (int i = 0; i < Count(); ++i) {
    const TRect cell = CellRect(i);
    const TRect swatch = Rect(cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 3);
    if (i == selected_) {
      canvas->Brush()->SetColor(clBlack);
      canvas->FrameRect(Rect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1));
    }
    Frame3D(canvas, swatch, clBtnShadow, clBtnHighlight);
    canvas->Brush()->SetColor(Colors(i));
    canvas->FillRect(Rect(swatch.Left + 1, swatch.Top + 1, swatch.Right - 1, swatch.Bottom - 1));
  }
}

void TColorSwatchGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    const int index = CellAt(X, Y);
    if (index >= 0) SetSelected(index);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

TColorPreview::TColorPreview(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csOpaque});
  SetTabStop(false);
}

void TColorPreview::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  Frame3D(canvas, Rect(0, 0, Width(), Height()), clBtnShadow, clBtnHighlight);
}

}  // namespace fw
