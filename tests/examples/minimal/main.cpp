// The smallest program on an installed panekit, as the README shows it: a meter on a form,
// painted into meter.png.
#include "framework/controls/control_picture.h"
#include "framework/controls/form.h"
#include "meter/ZEB_Meter.h"

int main() {
  fw::TForm form(nullptr);
  form.SetBounds(0, 0, 260, 200);
  auto* meter = new zeb::TMeter(&form);  // owned by the form
  meter->SetParent(&form);
  meter->SetBounds(10, 10, 240, 180);
  meter->SetValue(0.7);
  fw::SaveControlPicture(form, "meter.png");  // any control, shown or not
}
