// The designer's document: the form being designed, its selection, the mouse and key gestures
// that place, move and resize its components, property and event edits, and its form text.
#pragma once

// Call flow:
//   palette click + surface click  -> Drop(record, x, y)        create, name, place, select
//   surface MouseDown/Move/Up      -> BeginDrag / DragTo / EndDrag
//                                       handle: resize; control: move; empty form: rubber band
//   surface KeyDown                -> Nudge(vk, shift)          arrows move/resize, Delete
//   inspector                      -> PropertiesOf(c) editors, SetPropertyText(c, path, text)
//   file menu                      -> New, SaveToText/File, LoadFromText/File
// Every change tells the observers (the surface) which area of the form to repaint, or that
// the whole document changed; OnChange and OnSelectionChange serve the main window.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/registry.h"
#include "framework/controls/control.h"
#include "framework/controls/form.h"
#include "framework/design/property_editor.h"
#include "framework/rtl/exceptions.h"

namespace designer {

// A design action that cannot be done: an invalid property value, a form text that cannot be
// read (the message starts with "Line N: "), a file that cannot be written.
class EDesignError : public fw::Exception {
 public:
  using fw::Exception::Exception;
};

// The eight grab handles around a selected control, clockwise from the top-left corner.
enum THandleKind : uint8_t {
  hkNone,
  hkTopLeft,
  hkTop,
  hkTopRight,
  hkRight,
  hkBottomRight,
  hkBottom,
  hkBottomLeft,
  hkLeft
};

inline constexpr int kHandleSize = 6;
inline constexpr int kDefaultGridSize = 8;

// The nearest multiple of `grid` to `value` (halves upwards); `value` itself for grid < 2.
int GridSnap(int value, int grid);
// The 6x6 square of handle `kind` of a control with `bounds`, centred on the corner or the
// middle of the edge it stands for (an empty rectangle for hkNone).
fw::TRect HandleRect(const fw::TRect& bounds, THandleKind kind);
// The area `bounds` and its handles cover.
fw::TRect WithHandles(const fw::TRect& bounds);

// Told what to repaint. Areas are in the designed form's client coordinates.
class TDesignObserver {
 public:
  virtual ~TDesignObserver() = default;
  // Controls moved or resized, the selection or the rubber band changed inside `area`.
  virtual void AreaChanged(const fw::TRect& area) = 0;
  // A property, a component, the whole form or the document changed.
  virtual void DocumentChanged() = 0;
  // A component that is not a control joined or left the selection (it has no place on the
  // form; the surface shows it in its tray).
  virtual void NonVisualSelectionChanged() = 0;
};

class TDesignDocument : public fw::TDesigner {
 public:
  TDesignDocument();
  ~TDesignDocument() override;
  TDesignDocument(const TDesignDocument&) = delete;
  TDesignDocument& operator=(const TDesignDocument&) = delete;

  // --- fw::TDesigner
  // The designed form: csDesigning set, never shown.
  fw::TCustomForm* Root() const override { return root_.get(); }
  // A property changed through an editor: the selected components (what an inspector edits)
  // get a new content revision; the document is modified; OnChange.
  void Modified() override;

  // --- The document
  // A fresh form "Form1" (Caption "Form1", 640 x 480), unmodified, nothing selected.
  void New();
  bool IsModified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  // A component's drawing may have changed (a property of it was edited): its revision moves
  // on, observers repaint; modified, OnChange.
  void ComponentModified(fw::TComponent* component);
  // A number that changes whenever `component`'s properties are edited through the document
  // (never the same for two components, so a new component at a freed address differs too).
  uint64_t ContentRevision(const fw::TComponent* component) const;

  // --- Components
  // Creates a component of `record` owned by the form, named after its class (Label1,
  // Label2, ...) and selected. Controls are parented to the form at (x, y) (snapped to the
  // grid when SnapToGrid is on), with their own size where it is not zero, else 100 x 30.
  // Raises EDesignError for a class that cannot be created or is a form.
  fw::TComponent* Drop(const fw::ClassRecord& record, int x, int y);
  // The form's controls in z-order (bottom first); the components that are not controls.
  std::vector<fw::TControl*> VisualComponents() const;
  std::vector<fw::TComponent*> NonVisualComponents() const;
  // The topmost of the form's controls at (x, y), or nullptr.
  fw::TControl* ComponentAt(int x, int y) const;
  // Deletes the selected components (never the form); references to them held by other
  // components are cleared by the framework's free notification. Modified, OnChange.
  void DeleteSelection();

  // --- Selection (the form itself is never part of it)
  void Select(fw::TComponent* component, bool add = false);
  void Toggle(fw::TComponent* component);
  void ClearSelection();
  void SelectAll();
  const std::vector<fw::TComponent*>& Selection() const { return selection_; }
  bool IsSelected(const fw::TComponent* component) const;
  // The selected control whose handles are shown: the only selected component, when it is a
  // control; else nullptr.
  fw::TControl* HandleControl() const;
  THandleKind HandleAt(int x, int y) const;

  // --- Mouse gestures, in form client coordinates
  // A press on a handle starts a resize, on a control a move (with Shift: toggles it in the
  // selection instead), on the empty form a rubber band (with Shift: added to the selection).
  void BeginDrag(int x, int y, fw::TShiftState shift);
  void DragTo(int x, int y);
  void EndDrag();
  bool Dragging() const { return drag_.mode != DragMode::None; }
  // The rubber band while one is drawn (normalised), else empty.
  fw::TRect RubberBand() const;

  bool SnapToGrid() const { return snapToGrid_; }
  void SetSnapToGrid(bool value) { snapToGrid_ = value; }
  int GridSize() const { return gridSize_; }
  // At least 2.
  void SetGridSize(int value);

  // Arrows move the selected controls by 1 pixel (Ctrl: by GridSize), Shift+arrows resize
  // them by 1 pixel; Delete deletes the selection. True when the key was used.
  bool Nudge(uint16_t vk, fw::TShiftState shift);

  // --- Properties and events
  std::vector<std::unique_ptr<fw::TPropertyEditor>> PropertiesOf(fw::TComponent* component);
  // Sets the property at `path` ("Caption", "Font.Size") from text through its editor.
  // EDesignError when the path names no property or the editor refuses the text; the old
  // value stays then.
  void SetPropertyText(fw::TComponent* component, const std::string& path, const std::string& text);
  std::string PropertyText(fw::TComponent* component, const std::string& path);

  struct EventHandler {
    std::string event;    // "OnClick"
    std::string handler;  // "Button1Click", or empty
  };
  // Every event of the component's class (and its ancestors) with its handler name.
  std::vector<EventHandler> EventsOf(const fw::TComponent* component) const;
  // Names (or with an empty name clears) the handler; EDesignError for an unknown event or a
  // handler name that is no identifier.
  void SetEventHandler(fw::TComponent* component, const std::string& event,
                       const std::string& handler);

  // --- Form text
  // The form as fw::WriteForm writes it, with the event handler lines added after each
  // object's properties.
  std::string SaveToText();
  // Written through a temporary file: the old file stays whole whatever fails. Clears the
  // modified flag; EDesignError when the file cannot be written.
  void SaveToFile(const std::string& path);
  // Reads into a new designed form and only then replaces the document (selection cleared,
  // unmodified). EDesignError "Line N: reason" for a text that cannot be read, and when its
  // root is not a form; the document is unchanged then.
  void LoadFromText(const std::string& text);
  void LoadFromFile(const std::string& path);

  void AddObserver(TDesignObserver* observer);
  void RemoveObserver(TDesignObserver* observer);

  fw::TNotifyEvent OnChange;           // the form or a component changed
  fw::TNotifyEvent OnSelectionChange;  // the selection changed

 private:
  class TWatcher;
  friend class TWatcher;
  enum class DragMode : uint8_t { None, Move, Resize, Band };
  struct DragState {
    DragMode mode = DragMode::None;
    fw::TPoint start;
    fw::TPoint current;
    THandleKind handle = hkNone;
    fw::TControl* anchor = nullptr;  // the control pressed (moves) or resized
    std::vector<std::pair<fw::TControl*, fw::TRect>> original;
    std::vector<fw::TComponent*> bandBase;  // selected before a Shift rubber band
    bool changed = false;
  };

  void Adopt(std::unique_ptr<fw::TCustomForm> root);
  void Watch(fw::TComponent* component);
  void Forget(fw::TComponent* component);
  std::string UniqueName(const fw::ClassRecord& record) const;
  void SetSelection(std::vector<fw::TComponent*> selection);
  fw::TRect SelectionArea() const;
  void MoveSelectionTo(const fw::TPoint& p);
  void ResizeTo(const fw::TPoint& p);
  void BandTo(const fw::TPoint& p);
  void NotifyArea(const fw::TRect& area);
  void NotifyDocument();
  void Changed();

  // Declared before the form so that they outlive it: deleting the form's components tells
  // the watcher, which updates the selection and the handler map.
  std::vector<fw::TComponent*> selection_;
  std::map<const fw::TComponent*, std::map<std::string, std::string>> handlers_;
  std::map<const fw::TComponent*, uint64_t> revisions_;
  uint64_t nextRevision_ = 1;
  std::vector<TDesignObserver*> observers_;
  std::unique_ptr<TWatcher> watcher_;
  std::unique_ptr<fw::TCustomForm> root_;
  DragState drag_;
  fw::TComponent* editing_ = nullptr;  // the component SetPropertyText is editing
  bool modified_ = false;
  bool snapToGrid_ = true;
  int gridSize_ = kDefaultGridSize;
};

}  // namespace designer
