// TColorDialog: the colour chooser an application opens with Execute, a drawn modal form with
// a grid of basic colours, sixteen custom colours, red/green/blue and hue/saturation/value
// fields and a preview. In headless runs the test host's modal script answers it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/customcontrol.h"
#include "framework/controls/form.h"
#include "framework/rtl/strings.h"

namespace fw {

class TEdit;
class TColorSwatchGrid;
class TColorPreview;

// Hue 0..359 degrees, saturation and value 0..100 percent; RGB colours only (system colours
// are resolved first).
struct THSV {
  int h = 0, s = 0, v = 0;
  bool operator==(const THSV&) const = default;
};
THSV RGBToHSV(TColor color);
TColor HSVToRGB(const THSV& hsv);

// The 48 colours of the basic grid, row by row (8 a row).
const std::array<TColor, 48>& BasicDialogColors();

// The form Execute shows. A modal script answers it by choosing a colour (SetCurrentColor, a
// click on a swatch, typing into a field) and setting the modal result.
class TColorDialogForm : public TForm {
 public:
  // Custom colours: up to 16, missing ones white.
  TColorDialogForm(TComponent* AOwner, TColor initial, const std::vector<TColor>& custom);

  TColor CurrentColor() const { return current_; }
  // Shows `color` (resolved to RGB) in the preview and every field.
  void SetCurrentColor(TColor color);
  const std::vector<TColor>& CustomColors() const { return custom_; }
  // Stores the current colour in the next custom slot (round the 16 slots).
  void AddToCustomColors();

  TColorSwatchGrid* BasicGrid() const { return basic_; }
  TColorSwatchGrid* CustomGrid() const { return customGrid_; }
  // The fields in the order red, green, blue, hue, saturation, value.
  TEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }
  TColorPreview* Preview() const { return preview_; }

 private:
  void Build();
  void FieldChanged(int index);
  void ShowInFields();

  TColor current_;
  std::vector<TColor> custom_;
  int nextCustom_ = 0;
  bool updating_ = false;
  TColorSwatchGrid* basic_ = nullptr;
  TColorSwatchGrid* customGrid_ = nullptr;
  std::array<TEdit*, 6> fields_{};
  TColorPreview* preview_ = nullptr;
};

// A grid of colour swatches; a click chooses one (OnClick follows).
class TColorSwatchGrid : public TCustomControl {
 public:
  TColorSwatchGrid(TComponent* AOwner, int columns, std::vector<TColor> colors);

  static constexpr int kCellWidth = 22;
  static constexpr int kCellHeight = 20;

  int Columns() const { return columns_; }
  int Count() const { return static_cast<int>(colors_.size()); }
  TColor Colors(int index) const { return colors_[static_cast<size_t>(index)]; }
  void SetColors(int index, TColor value);
  int Selected() const { return selected_; }
  void SetSelected(int index);
  TRect CellRect(int index) const;
  int CellAt(int X, int Y) const;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  int columns_;
  std::vector<TColor> colors_;
  int selected_ = -1;
};

// A sunken box filled with one colour.
class TColorPreview : public TCustomControl {
 public:
  explicit TColorPreview(TComponent* AOwner);

 protected:
  void Paint() override;
};

class TColorDialog : public TComponent {
 public:
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;

  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  // Entries "ColorA=RRGGBB" ... "ColorP=RRGGBB" (hexadecimal $BBGGRR values as the platform's
  // dialog keeps them: blue first); other lines are kept and ignored.
  TStrings* CustomColors() const { return customColors_.get(); }
  void SetCustomColors(const TStrings* value);
  // Shows the dialog modally; true when the user confirmed, Color and CustomColors then hold
  // the choice.
  bool Execute();

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

 private:
  std::vector<TColor> ReadCustomColors() const;
  void WriteCustomColors(const std::vector<TColor>& colors);

  TColor color_ = clBlack;
  std::unique_ptr<TStringList> customColors_;
};

}  // namespace fw
