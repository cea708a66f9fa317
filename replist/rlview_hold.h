// Internal helper of the report list view: holds painting back for the length of a bulk
// change and repaints once when the hold that started it ends.
#pragma once

#include <utility>

#include "framework/rtl/scope_guard.h"
#include "replist/ZEB_replist.h"

namespace zeb {

// Sets the view's suppress-paint flag while alive; on destruction (also by exception) the
// previous state returns, repainting when painting was on before.
class TReportListView::PaintHold {
 public:
  explicit PaintHold(TReportListView& view)
      : restore_(Restore{view, std::exchange(view.suppressPaint_, true)}) {}

 private:
  struct Restore {
    TReportListView& view;
    bool saved;
    void operator()() const { view.SetSuppressPaint(saved); }
  };
  fw::TScopeExit<Restore> restore_;
};

}  // namespace zeb
