// Internal helper of the report list view: holds painting back for the length of a bulk
// change and repaints once when the hold that started it ends.
#pragma once

#include "replist/ZEB_replist.h"

namespace zeb {

// Sets the view's suppress-paint flag while alive; on destruction (also by exception) the
// previous state returns, repainting when painting was on before.
class TReportListView::PaintHold {
 public:
  explicit PaintHold(TReportListView& view) : view_(view), saved_(view.suppressPaint_) {
    view_.suppressPaint_ = true;
  }
  ~PaintHold() { view_.SetSuppressPaint(saved_); }
  PaintHold(const PaintHold&) = delete;
  PaintHold& operator=(const PaintHold&) = delete;

 private:
  TReportListView& view_;
  bool saved_;
};

}  // namespace zeb
