// A control's picture in one call.
#include "framework/controls/control_picture.h"

namespace fw {

std::unique_ptr<TBitmap> RenderControl(TControl& control) {
  auto picture = std::make_unique<TBitmap>(control.Width(), control.Height());
  if (picture->Empty()) return picture;
  TCanvas* canvas = picture->Canvas();
  canvas->Brush()->SetColor(control.Color());
  canvas->FillRect(Rect(0, 0, control.Width(), control.Height()));
  control.PaintTo(canvas, 0, 0);
  return picture;
}

void SaveControlPicture(TControl& control, const std::string& fileName) {
  RenderControl(control)->SaveToFile(fileName);
}

}  // namespace fw
