// TPaletteBar: the designer's component palette: the palette pages as tabs and the current
// page's classes as flat buttons showing their palette bitmaps, behind an arrow button that
// chooses no class (selecting instead of dropping).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/customcontrol.h"
#include "framework/design/palette.h"
#include "framework/graphics/bitmap.h"

namespace designer {

class TPaletteBar : public fw::TCustomControl {
 public:
  // The index of the arrow button in ButtonRect and friends.
  static constexpr int kArrowButton = -1;
  static constexpr int kButtonSize = 28;

  explicit TPaletteBar(fw::TComponent* AOwner);
  ~TPaletteBar() override;

  // Reads fw::PalettePages() again (after packages loaded or went away), keeping the current
  // page and the chosen class where they still exist.
  void RefreshPages();

  int PageCount() const { return static_cast<int>(pages_.size()); }
  std::string PageName(int index) const;
  int ActivePage() const { return activePage_; }
  void SetActivePage(int index);

  // The classes of the active page, in the order they were registered.
  int ButtonCount() const;
  const fw::ClassRecord* ButtonClass(int index) const;
  // Client rectangles of a button (kArrowButton: the arrow) and of a page's tab.
  fw::TRect ButtonRect(int index) const;
  fw::TRect TabRect(int page) const;

  // The class the next drop on the form creates; nullptr: none (the arrow is down).
  const fw::ClassRecord* SelectedClass() const { return selected_; }
  // Back to the arrow (after a drop), without OnClassChosen.
  void ResetSelection();
  // The name of the class under the pointer, shown in a label beside its button ("" for none).
  std::string HintText() const;

  // A click on a class button (its class) or on the arrow (nullptr).
  std::function<void(const fw::ClassRecord*)> OnClassChosen;

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void WndProc(fw::TMessage& message) override;

 private:
  static constexpr int kNoButton = -2;

  // The button under a client point (kNoButton for none).
  int ButtonAt(int X, int Y) const;
  int TabAt(int X, int Y) const;
  void Choose(const fw::ClassRecord* record);
  // The class's palette bitmap (the resource named after it in upper case), or nullptr.
  const fw::TBitmap* Glyph(const fw::ClassRecord* record);

  // Painting (palette_bar.cpp, in drawing order).
  void PaintTabs(fw::TCanvas* canvas);
  void PaintButton(fw::TCanvas* canvas, int index);
  void PaintArrow(fw::TCanvas* canvas, const fw::TRect& face);
  void PaintFallback(fw::TCanvas* canvas, const fw::TRect& face, const std::string& className);
  void PaintHint(fw::TCanvas* canvas);

  std::vector<fw::TPalettePage> pages_;
  int activePage_ = 0;
  const fw::ClassRecord* selected_ = nullptr;
  int hover_ = kNoButton;
  int pressed_ = kNoButton;
  // Loaded bitmaps by class name; nullptr remembers a class without one.
  std::map<std::string, std::unique_ptr<fw::TBitmap>> glyphs_;
};

}  // namespace designer
