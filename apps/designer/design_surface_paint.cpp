// Painting the design surface, in drawing order: workspace, form and grid, components,
// handles, rubber band, tray. Each step draws only what meets the area being painted.
#include <algorithm>

#include "apps/designer/design_surface.h"
#include "framework/graphics/canvas.h"

namespace designer {

namespace {

// The capitals of a class name without its leading T ("TPopupMenu" -> "PM"), at most three;
// the first letter when it has no capitals.
std::string Initials(const std::string& className) {
  std::string name = className.size() > 1 && className[0] == 'T' ? className.substr(1) : className;
  std::string initials;
  for (char c : name)
    if (c >= 'A' && c <= 'Z' && initials.size() < 3) initials += c;
  if (initials.empty() && !name.empty()) initials = name.substr(0, 1);
  return initials;
}

}  // namespace

void TDesignSurface::Paint() {
  fw::TCanvas& canvas = *Canvas();
  const fw::TRect clip = canvas.ClipRect();
  PaintWorkspace(canvas, clip);
  if (document_ == nullptr) return;
  PaintGrid(canvas, clip);
  PaintControls(canvas, clip);
  PaintHandles(canvas, clip);
  PaintRubberBand(canvas);
  PaintTray(canvas, clip);
}

// The area around the form.
void TDesignSurface::PaintWorkspace(fw::TCanvas& canvas, const fw::TRect& clip) {
  canvas.Brush()->SetStyle(fw::bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(clip);
}

// The form's client area in its colour, with a dot at every grid point.
void TDesignSurface::PaintGrid(fw::TCanvas& canvas, const fw::TRect& clip) {
  fw::TCustomForm* root = document_->Root();
  fw::TRect form =
      fw::Bounds(FormOffset().X, FormOffset().Y, root->ClientWidth(), root->ClientHeight());
  fw::TRect area;
  if (!fw::IntersectRect(area, form, clip)) return;
  canvas.Brush()->SetColor(root->Color());
  canvas.FillRect(area);
  int grid = document_->GridSize();
  // The first grid point at or after the area's corner, in form coordinates.
  auto first = [grid](int from) { return (from + grid - 1) / grid * grid; };
  int x0 = first(std::max(0, area.Left - form.Left));
  int y0 = first(std::max(0, area.Top - form.Top));
  for (int y = y0; y + form.Top < area.Bottom; y += grid)
    for (int x = x0; x + form.Left < area.Right; x += grid)
      canvas.SetPixels(form.Left + x, form.Top + y, fw::clBlack);
}

// Each control's picture at its bounds, bottom of the z-order first, cut to the form.
void TDesignSurface::PaintControls(fw::TCanvas& canvas, const fw::TRect& clip) {
  fw::TCustomForm* root = document_->Root();
  fw::TRect form =
      fw::Bounds(FormOffset().X, FormOffset().Y, root->ClientWidth(), root->ClientHeight());
  fw::TCanvasStateSaver saver(canvas);
  if (!canvas.IntersectClipRect(form)) return;
  fw::TRect common;
  for (fw::TControl* control : document_->VisualComponents()) {
    fw::TRect r = control->BoundsRect();
    fw::OffsetRect(r, form.Left, form.Top);
    if (!fw::IntersectRect(common, r, clip)) continue;
    canvas.Draw(r.Left, r.Top, &PictureOf(*control));
  }
}

// Black handles around a single selected control, grey ones around each of several.
void TDesignSurface::PaintHandles(fw::TCanvas& canvas, const fw::TRect& clip) {
  const auto& selection = document_->Selection();
  canvas.Brush()->SetStyle(fw::bsSolid);
  canvas.Brush()->SetColor(selection.size() == 1 ? fw::clBlack : fw::clGray);
  fw::TRect common;
  for (fw::TComponent* c : selection) {
    auto* control = dynamic_cast<fw::TControl*>(c);
    if (control == nullptr) continue;
    fw::TRect bounds = control->BoundsRect();
    fw::OffsetRect(bounds, FormOffset().X, FormOffset().Y);
    if (!fw::IntersectRect(common, WithHandles(bounds), clip)) continue;
    for (int k = hkTopLeft; k <= hkLeft; ++k)
      canvas.FillRect(HandleRect(bounds, static_cast<THandleKind>(k)));
  }
}

// A dotted outline while the user draws a rubber band.
void TDesignSurface::PaintRubberBand(fw::TCanvas& canvas) {
  fw::TRect band = document_->RubberBand();
  if (fw::IsRectEmpty(band)) return;
  fw::OffsetRect(band, FormOffset().X, FormOffset().Y);
  fw::TCanvasStateSaver saver(canvas);
  canvas.Pen()->SetStyle(fw::psDot);
  canvas.Pen()->SetColor(fw::clBlack);
  canvas.Brush()->SetStyle(fw::bsClear);
  canvas.Rectangle(band);
}

// The strip of non-visual components: a cell with the palette bitmap (or a framed box with
// the class's initials) and the name under it; a selected one is framed in the highlight.
void TDesignSurface::PaintTray(fw::TCanvas& canvas, const fw::TRect& clip) {
  fw::TRect tray = TrayRect();
  fw::TRect common;
  if (!fw::IntersectRect(common, tray, clip)) return;
  fw::TCanvasStateSaver saver(canvas);
  canvas.Brush()->SetStyle(fw::bsSolid);
  canvas.Brush()->SetColor(fw::clBtnFace);
  canvas.FillRect(tray);
  canvas.Pen()->SetStyle(fw::psSolid);
  canvas.Pen()->SetColor(fw::clBtnShadow);
  canvas.MoveTo(tray.Left, tray.Top);
  canvas.LineTo(tray.Right, tray.Top);
  canvas.SetFont(Font());
  std::vector<fw::TComponent*> components = document_->NonVisualComponents();
  for (size_t i = 0; i < components.size(); ++i) {
    fw::TComponent* c = components[i];
    fw::TRect cell = TrayCellRect(int(i));
    const fw::ClassRecord* record = fw::ClassRecordOf(*c);
    fw::TBitmap* icon = record ? TrayIcon(*record) : nullptr;
    canvas.Brush()->SetStyle(fw::bsSolid);
    if (icon != nullptr) {
      canvas.Draw(cell.Left + (cell.Width() - icon->Width()) / 2,
                  cell.Top + (cell.Height() - icon->Height()) / 2, icon);
    } else {
      fw::TRect box = cell;
      fw::InflateRect(box, -2, -2);
      canvas.Brush()->SetColor(fw::clWindow);
      canvas.Pen()->SetColor(fw::clBtnShadow);
      canvas.Rectangle(box);
      std::string initials = Initials(record ? record->name : c->ClassName());
      canvas.Brush()->SetStyle(fw::bsClear);
      fw::TSize extent = canvas.TextExtent(initials);
      canvas.TextOut(box.Left + (box.Width() - extent.cx) / 2,
                     box.Top + (box.Height() - extent.cy) / 2, initials);
    }
    if (document_->IsSelected(c)) {
      canvas.Brush()->SetColor(fw::clHighlight);
      canvas.FrameRect(cell);
    }
    // The name, centred under the cell and cut to its slot.
    canvas.Brush()->SetStyle(fw::bsClear);
    int slotLeft = cell.Left - (kTraySlotWidth - kTrayCellSize) / 2;
    fw::TRect slot = fw::Rect(slotLeft, cell.Bottom + 1, slotLeft + kTraySlotWidth, tray.Bottom);
    int width = canvas.TextWidth(c->Name());
    canvas.TextRect(slot, slot.Left + std::max(0, (slot.Width() - width) / 2), slot.Top, c->Name());
  }
}

}  // namespace designer
