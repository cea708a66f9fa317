// The string list dialog.
#include "framework/design/string_list_dialog.h"

#include "framework/stdctrls/dialog_layout.h"
#include "framework/stdctrls/memo.h"

namespace fw {

TStringListDialogForm::TStringListDialogForm(TComponent* AOwner, const std::string& propertyName,
                                             const std::vector<std::string>& lines)
    : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  SetCaption("String List Editor");
  SetBounds(Left(), Top(), 360, 280);
  PlaceLabelOn(this, propertyName + ": one line per entry", 8, 8, 340);
  memo_ = PlaceOn(this, new TMemo(this), 8, 26, 344, 206);
  memo_->SetScrollBars(ssBoth);
  for (const std::string& line : lines) memo_->Lines()->Add(line);
  PlaceResultButton(this, "OK", mrOk, 180, 242, 81, 26);
  PlaceResultButton(this, "Cancel", mrCancel, 271, 242, 81, 26);
}

std::vector<std::string> TStringListDialogForm::Lines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < memo_->Lines()->Count(); ++i) lines.push_back(memo_->Lines()->Strings(i));
  return lines;
}

bool EditStringList(const std::string& propertyName, std::vector<std::string>& lines) {
  TStringListDialogForm form(nullptr, propertyName, lines);
  if (form.ShowModal() != mrOk) return false;
  lines = form.Lines();
  return true;
}

}  // namespace fw
