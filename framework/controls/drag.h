// Drag and drop between controls: the drag modes, kinds and events a control publishes, and
// the tracker that input dispatch runs from a left press, through the moves, to the release.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/event.h"
#include "framework/base/object.h"
#include "framework/rtl/types.h"

namespace fw {

class TControl;

enum TDragMode : uint8_t { dmManual, dmAutomatic };
inline const std::vector<std::string> kDragModeNames{"dmManual", "dmAutomatic"};
// Docking is not supported: a control of kind dkDock never starts a drag.
enum TDragKind : uint8_t { dkDrag, dkDock };
inline const std::vector<std::string> kDragKindNames{"dkDrag", "dkDock"};
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

// Pixels the pointer moves with the left button held before an automatic drag starts.
inline constexpr int kDragThreshold = 5;

// What an OnStartDrag handler may hand out as the dragged thing instead of the control
// itself. The handler keeps ownership; it must outlive the drag.
class TDragObject : public TObject {};

// Sender starts a drag; the handler may set DragObject (nullptr: the control is dragged).
using TStartDragEvent = Event<void(TObject* Sender, TDragObject*& DragObject)>;
// The pointer enters, moves over or leaves Sender during a drag of Source; X, Y in Sender's
// client coordinates. Accept tells whether a drop here would be taken.
using TDragOverEvent =
    Event<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
// Source was dropped on Sender at X, Y (Sender's client coordinates).
using TDragDropEvent = Event<void(TObject* Sender, TObject* Source, int X, int Y)>;
// Sender's drag ended: dropped on Target at X, Y (Target's client coordinates), or
// cancelled (Target nullptr, X and Y 0).
using TEndDragEvent = Event<void(TObject* Sender, TObject* Target, int X, int Y)>;

// The application's one drag. Input dispatch reports left presses, moves and releases at
// screen points together with the control under the pointer; while a drag runs it takes the
// moves and the release from the pressed control.
class TDragTracker {
 public:
  TDragTracker();
  ~TDragTracker();
  TDragTracker(const TDragTracker&) = delete;
  TDragTracker& operator=(const TDragTracker&) = delete;

  // A left press on `control`: arms a drag when its DragMode is dmAutomatic.
  void Pressed(TControl* control, TPoint screen);
  // A move over `over` (may be nullptr): starts an armed drag once past its threshold, then
  // reports the move to the control under the pointer. True when a drag took the move.
  bool Moved(TControl* over, TPoint screen);
  // The left button's release over `over`: drops where the last report was accepted and
  // ends the drag. True when a drag took the release.
  bool Released(TControl* over, TPoint screen);

  // Arms a drag of `control`, started at once or after the pointer moved `threshold` pixels.
  void Begin(TControl* control, bool immediate, int threshold);
  // Ends the running drag: dropped on the control under the pointer if `drop` and it
  // accepted, else cancelled.
  void End(bool drop);
  bool Dragging(const TControl* control) const;

  // Drops a drag whose source is `control` or lies inside it, without events.
  void Forget(const TControl* control);
  void Reset();

 private:
  struct State;
  void Start();
  void Over(TControl* over, TPoint screen);
  void Finish(bool drop);
  TObject* Source() const;

  std::unique_ptr<State> s_;
};

}  // namespace fw
