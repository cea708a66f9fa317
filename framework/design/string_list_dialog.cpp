// The string list dialog.
#include "framework/design/string_list_dialog.h"

#include "framework/stdctrls/label.h"
#include "framework/stdctrls/memo.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {

TStringListDialogForm::TStringListDialogForm(TComponent* AOwner, const std::string& propertyName,
                                             const std::vector<std::string>& lines)
    : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  SetCaption("String List Editor");
  SetBounds(Left(), Top(), 360, 280);
  auto* label = new TLabel(this);
  label->SetParent(this);
  label->SetBounds(8, 8, 340, 14);
  label->SetCaption(propertyName + ": one line per entry");
  memo_ = new TMemo(this);
  memo_->SetParent(this);
  memo_->SetBounds(8, 26, 344, 206);
  memo_->SetScrollBars(ssBoth);
  for (const std::string& line : lines) memo_->Lines()->Add(line);
  auto button = [this](const std::string& caption, int x, TModalResult result) {
    auto* b = new TSpeedButton(this);
    b->SetParent(this);
    b->SetBounds(x, 242, 81, 26);
    b->SetCaption(caption);
    b->OnClick = [this, result](TObject*) { SetModalResult(result); };
  };
  button("OK", 180, mrOk);
  button("Cancel", 271, mrCancel);
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
