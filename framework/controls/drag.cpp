// Drag and drop: a control's drag members and the application's drag tracker. A drag is
// armed by a left press (dmAutomatic) or BeginDrag, starts past its threshold with
// OnStartDrag, reports every move to the control under the pointer (enter, move, leave),
// and ends at the release with OnDragDrop on an accepting control and OnEndDrag on the
// source. Handlers may delete controls: every control is held by a reference that notices.
#include "framework/controls/drag.h"

#include <cstdlib>

#include "framework/controls/application.h"
#include "framework/controls/control.h"
#include "framework/controls/input.h"
#include "framework/controls/screen.h"
#include "framework/controls/wincontrol.h"

namespace fw {

// --- The control's side

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (Application) Application->Input().Drag().Begin(this, Immediate, Threshold);
}

void TControl::EndDrag(bool Drop) {
  if (Dragging()) Application->Input().Drag().End(Drop);
}

bool TControl::Dragging() const {
  return Application && Application->Input().Drag().Dragging(this);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
  OnStartDrag(this, DragObject);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (Accept) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  OnEndDrag(this, Target, X, Y);
}

// --- The tracker

struct TDragTracker::State {
  TControlRef source;
  bool armed = false;   // waiting for the pointer to pass the threshold
  bool active = false;  // started: moves and the release belong to the drag
  int threshold = kDragThreshold;
  TPoint start;
  TPoint last;
  TControlRef target;  // the control that heard the last enter or move
  bool accepted = false;
  TDragObject* object = nullptr;
  TCursor savedCursor = crDefault;
};

TDragTracker::TDragTracker() : s_(std::make_unique<State>()) {}
TDragTracker::~TDragTracker() = default;

void TDragTracker::Pressed(TControl* control, TPoint screen) {
  s_->last = screen;
  if (control && control->DragMode() == dmAutomatic) Begin(control, false, -1);
}

void TDragTracker::Begin(TControl* control, bool immediate, int threshold) {
  if (!control || s_->active || control->DragKind() != dkDrag) return;
  s_->source = control->Ref();
  s_->armed = true;
  s_->threshold = threshold < 0 ? kDragThreshold : threshold;
  s_->start = s_->last;
  if (immediate) Start();
}

bool TDragTracker::Moved(TControl* over, TPoint screen) {
  s_->last = screen;
  if (s_->armed && !s_->active) {
    if (std::abs(screen.X - s_->start.X) < s_->threshold &&
        std::abs(screen.Y - s_->start.Y) < s_->threshold)
      return false;
    const TControlRef overRef = over ? over->Ref() : TControlRef();
    Start();
    if (!s_->active) return true;
    over = overRef.Get();
  }
  if (!s_->active) return false;
  Over(over, screen);
  return true;
}

bool TDragTracker::Released(TControl* over, TPoint screen) {
  if (!s_->active) {
    s_->armed = false;
    return false;
  }
  Over(over, screen);
  if (s_->active) Finish(true);
  return true;
}

void TDragTracker::End(bool drop) {
  if (s_->active) Finish(drop);
}

bool TDragTracker::Dragging(const TControl* control) const {
  return s_->active && control != nullptr && s_->source.Get() == control;
}

// The drag takes the left button from the source (no Click, no release); OnStartDrag may
// hand out an object to drag instead of the control.
void TDragTracker::Start() {
  TControl* source = s_->source.Get();
  s_->armed = false;
  if (!source) return;
  source->state_.Exclude(csClicked);
  source->state_.Exclude(csLButtonDown);
  s_->active = true;
  s_->object = nullptr;
  s_->target = TControlRef();
  s_->accepted = false;
  s_->savedCursor = Screen ? Screen->Cursor() : crDefault;
  source->DoStartDrag(s_->object);
  if (!s_->source) Reset();
}

TObject* TDragTracker::Source() const {
  if (s_->object) return s_->object;
  return s_->source.Get();
}

// Leave for the control the pointer left, enter or move for the one under it; the cursor
// tells whether a drop here would be taken.
void TDragTracker::Over(TControl* over, TPoint screen) {
  if (!Source()) {  // the dragged control went away: the drag is over, without events
    if (Screen) Screen->SetCursor(s_->savedCursor);
    Reset();
    return;
  }
  const TControlRef overRef = over ? over->Ref() : TControlRef();
  TControl* old = s_->target.Get();
  TDragState state = dsDragMove;
  if (old != over) {
    s_->target = overRef;
    state = dsDragEnter;
    if (old) {
      bool ignored = false;
      const TPoint p = old->ScreenToClient(screen);
      old->DragOver(Source(), p.X, p.Y, dsDragLeave, ignored);
    }
  }
  s_->accepted = false;
  if (TControl* t = overRef.Get(); t && s_->target.Get() == t && Source()) {
    const TPoint p = t->ScreenToClient(screen);
    bool accept = false;
    t->DragOver(Source(), p.X, p.Y, state, accept);
    s_->accepted = accept && s_->target.Get() == t;
  }
  if (!s_->active || !Screen) return;
  const TControl* source = s_->source.Get();
  Screen->SetCursor(s_->accepted && source ? source->DragCursor() : crNoDrop);
}

// A drop goes to the accepting control under the pointer; a cancelled drag lets that
// control hear that the pointer left. The source hears the end either way.
void TDragTracker::Finish(bool drop) {
  TControl* target = s_->target.Get();
  const bool dropped = drop && s_->accepted && target != nullptr;
  TObject* source = Source();
  const TControlRef sourceRef = s_->source;
  const TControlRef targetRef = s_->target;
  const TPoint at = dropped ? target->ScreenToClient(s_->last) : TPoint{0, 0};
  const TPoint last = s_->last;
  if (Screen) Screen->SetCursor(s_->savedCursor);
  Reset();
  s_->last = last;
  if (dropped) {
    target->DragDrop(source, at.X, at.Y);
  } else if (target) {
    bool ignored = false;
    const TPoint p = target->ScreenToClient(last);
    target->DragOver(source, p.X, p.Y, dsDragLeave, ignored);
  }
  if (TControl* s = sourceRef.Get()) s->DoEndDrag(dropped ? targetRef.Get() : nullptr, at.X, at.Y);
}

void TDragTracker::Forget(const TControl* control) {
  for (const TControl* c = s_->source.Get(); c != nullptr; c = c->Parent()) {
    if (c != control) continue;
    if (s_->active && Screen) Screen->SetCursor(s_->savedCursor);
    Reset();
    return;
  }
}

void TDragTracker::Reset() {
  *s_ = State{};
}

}  // namespace fw
