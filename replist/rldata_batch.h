// Internal helper of the report list data store: holds back the matrix's change notification
// during a bulk change, so a view hears of it once instead of once per cell.
#pragma once

#include "companion/ZEB_dstruct.h"
#include "framework/rtl/scope_guard.h"
#include "replist/ZEB_replist.h"

namespace zeb {

// Detaches the matrix's OnChange while alive and reattaches it when destroyed (also when an
// exception leaves the scope). Done() reattaches it and notifies once.
class TRLData::ChangeBatch {
 public:
  explicit ChangeBatch(TStringArray& matrix)
      : matrix_(matrix), detached_(matrix.OnChange, nullptr) {}

  void Done() {
    matrix_.OnChange = detached_.Saved();
    if (matrix_.OnChange) matrix_.OnChange(&matrix_);
  }

 private:
  TStringArray& matrix_;
  fw::TValueRestorer<fw::TNotifyEvent> detached_;
};

}  // namespace zeb
