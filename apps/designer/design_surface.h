// The design surface: shows a design document's form (grid, components, grab handles, rubber
// band, the tray of non-visual components) and hands the mouse and the keys to the document.
#pragma once

// Call flow:
//   MouseDown  drop mode: Document()->Drop(class, x, y), back to select mode
//              on the tray: selects the component there
//              else Document()->BeginDrag       MouseMove -> DragTo, MouseUp -> EndDrag
//   KeyDown    Document()->Nudge(key, shift)
//   document   AreaChanged(area) -> that area of the surface is invalidated
//              DocumentChanged   -> the whole surface is invalidated
//   Paint      workspace, form background and grid dots, each control's cached picture
//              (rendered again only when its content revision or size changed), handles,
//              rubber band, tray; all cut to the area being painted

#include <map>
#include <memory>

#include "apps/designer/design_document.h"
#include "framework/controls/customcontrol.h"
#include "framework/graphics/bitmap.h"

namespace designer {

inline constexpr int kTrayCellSize = 28;
// The tray strip: a row of cells with the component names under them.
inline constexpr int kTrayHeight = 48;
// The width of the tray slot of one component: its cell and its name centred under it.
inline constexpr int kTraySlotWidth = 72;

class TDesignSurface : public fw::TCustomControl, private TDesignObserver {
 public:
  explicit TDesignSurface(fw::TComponent* AOwner);
  ~TDesignSurface() override;

  // The document shown (not owned; nullptr shows nothing). It must outlive the surface or be
  // replaced first.
  TDesignDocument* Document() const { return document_; }
  void SetDocument(TDesignDocument* document);

  // The next left click drops a component of `record` where it is, then the surface returns
  // to selecting (nullptr: selecting now).
  void SetDropClass(const fw::ClassRecord* record) { dropClass_ = record; }
  const fw::ClassRecord* DropClass() const { return dropClass_; }

  // Where the form's client area lies on the surface.
  fw::TPoint FormOffset() const { return {0, 0}; }
  // The tray strip at the bottom of the surface, and the cell of the i-th non-visual
  // component in it (surface coordinates).
  fw::TRect TrayRect() const;
  fw::TRect TrayCellRect(int index) const;
  // The non-visual component whose cell (or name below it) is at (x, y), or nullptr.
  fw::TComponent* TrayComponentAt(int x, int y) const;

  // How many control pictures were rendered since the surface was made (for tests and
  // benchmarks: moving a control must not render it again).
  int RenderCount() const { return renderCount_; }

  void WndProc(fw::TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, fw::TShiftState Shift) override;

 private:
  struct Picture {
    std::unique_ptr<fw::TBitmap> bitmap;
    uint64_t revision = 0;
  };

  // TDesignObserver
  void AreaChanged(const fw::TRect& area) override;
  void DocumentChanged() override;
  void NonVisualSelectionChanged() override;

  // Marks `area` (surface coordinates) for repainting on the form the surface lies on.
  void InvalidateArea(const fw::TRect& area);
  const fw::TBitmap& PictureOf(fw::TControl& control);
  fw::TBitmap* TrayIcon(const fw::ClassRecord& record);

  // design_surface_paint.cpp, in drawing order.
  void PaintWorkspace(fw::TCanvas& canvas, const fw::TRect& clip);
  void PaintGrid(fw::TCanvas& canvas, const fw::TRect& clip);
  void PaintControls(fw::TCanvas& canvas, const fw::TRect& clip);
  void PaintHandles(fw::TCanvas& canvas, const fw::TRect& clip);
  void PaintRubberBand(fw::TCanvas& canvas);
  void PaintTray(fw::TCanvas& canvas, const fw::TRect& clip);

  TDesignDocument* document_ = nullptr;
  const fw::ClassRecord* dropClass_ = nullptr;
  std::map<const fw::TControl*, Picture> pictures_;
  // Palette bitmaps by class name; a null entry: the class has none.
  std::map<std::string, std::unique_ptr<fw::TBitmap>> trayIcons_;
  int renderCount_ = 0;
};

}  // namespace designer
