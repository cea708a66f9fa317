// Internal helper of the report list data store: holds back the matrix's change notification
// during a bulk change, so a view hears of it once instead of once per cell.
#pragma once

#include "companion/ZEB_dstruct.h"
#include "replist/ZEB_replist.h"

namespace zeb {

// Detaches the matrix's OnChange while alive and reattaches it when destroyed (also when an
// exception leaves the scope). Done() reattaches it and notifies once.
class TRLData::ChangeBatch {
 public:
  explicit ChangeBatch(TStringArray& matrix) : matrix_(matrix), saved_(matrix.OnChange) {
    matrix_.OnChange = nullptr;
  }
  ~ChangeBatch() {
    if (!done_) matrix_.OnChange = saved_;
  }
  ChangeBatch(const ChangeBatch&) = delete;
  ChangeBatch& operator=(const ChangeBatch&) = delete;

  void Done() {
    done_ = true;
    matrix_.OnChange = saved_;
    saved_(&matrix_);
  }

 private:
  TStringArray& matrix_;
  fw::TNotifyEvent saved_;
  bool done_ = false;
};

}  // namespace zeb
