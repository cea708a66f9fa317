// The dialog of a string-list property: the lines in a memo, OK and Cancel.
#pragma once

#include <string>
#include <vector>

#include "framework/controls/form.h"

namespace fw {

class TMemo;

class TStringListDialogForm : public TForm {
 public:
  TStringListDialogForm(TComponent* AOwner, const std::string& propertyName,
                        const std::vector<std::string>& lines);
  TMemo* Memo() const { return memo_; }
  // The memo's lines.
  std::vector<std::string> Lines() const;

 private:
  TMemo* memo_ = nullptr;
};

// Shows the dialog modally; true and `lines` replaced when the user confirmed.
bool EditStringList(const std::string& propertyName, std::vector<std::string>& lines);

}  // namespace fw
