// TPaletteBar: pages, buttons, choosing a class, and the painting of tabs, flat buttons with
// their transparent bitmaps, the fallback initials and the hint label.
#include "apps/designer/palette_bar.h"

#include <algorithm>
#include <cctype>

#include "framework/base/registry.h"
#include "framework/controls/messages.h"
#include "framework/graphics/frame3d.h"
#include "framework/graphics/text_engine.h"
#include "framework/image/resources.h"
#include "framework/rtl/utf8.h"

namespace designer {

using namespace fw;

namespace {

constexpr int kTabHeight = 20;
constexpr int kButtonsTop = kTabHeight + 3;
constexpr int kGlyphSize = 24;  // the face inside a button's bevel
constexpr int kArrowGap = 6;    // between the arrow and the first class

// Half way between two colours: the face of a button that stays down.
TColor Mix(TColor a, TColor b) {
  const TColor x = ColorToRGB(a), y = ColorToRGB(b);
  return RGB(uint8_t((GetRValue(x) + GetRValue(y)) / 2), uint8_t((GetGValue(x) + GetGValue(y)) / 2),
             uint8_t((GetBValue(x) + GetBValue(y)) / 2));
}

// "TFolderTree" -> "FT": the capitals after the class prefix, at most three.
std::string Initials(const std::string& className) {
  std::string name = className;
  if (name.size() > 1 && name[0] == 'T' && std::isupper(static_cast<unsigned char>(name[1])))
    name.erase(0, 1);
  std::string initials;
  for (char c : name)
    if (std::isupper(static_cast<unsigned char>(c)) && initials.size() < 3) initials += c;
  if (initials.empty()) initials = UpperCase(name.substr(0, 2));
  return initials;
}

}  // namespace

TPaletteBar::TPaletteBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 480, kButtonsTop + kButtonSize + 3);
  RefreshPages();
}

TPaletteBar::~TPaletteBar() = default;

void TPaletteBar::RefreshPages() {
  const std::string current = PageName(activePage_);
  pages_ = PalettePages();
  glyphs_.clear();
  activePage_ = 0;
  for (int i = 0; i < PageCount(); ++i)
    if (SameText(pages_[static_cast<size_t>(i)].name, current)) activePage_ = i;
  // A chosen class that went away with its package is chosen no longer.
  const bool stillThere = std::any_of(pages_.begin(), pages_.end(), [&](const TPalettePage& p) {
    return std::find(p.classes.begin(), p.classes.end(), selected_) != p.classes.end();
  });
  if (!stillThere) selected_ = nullptr;
  hover_ = pressed_ = kNoButton;
  Invalidate();
}

std::string TPaletteBar::PageName(int index) const {
  if (index < 0 || index >= PageCount()) return {};
  return pages_[static_cast<size_t>(index)].name;
}

void TPaletteBar::SetActivePage(int index) {
  if (index < 0 || index >= PageCount() || index == activePage_) return;
  activePage_ = index;
  hover_ = pressed_ = kNoButton;
  Invalidate();
}

int TPaletteBar::ButtonCount() const {
  if (activePage_ >= PageCount()) return 0;
  return static_cast<int>(pages_[static_cast<size_t>(activePage_)].classes.size());
}

const ClassRecord* TPaletteBar::ButtonClass(int index) const {
  if (index < 0 || index >= ButtonCount()) return nullptr;
  return pages_[static_cast<size_t>(activePage_)].classes[static_cast<size_t>(index)];
}

TRect TPaletteBar::ButtonRect(int index) const {
  if (index == kArrowButton) return Bounds(4, kButtonsTop, kButtonSize, kButtonSize);
  return Bounds(4 + kButtonSize + kArrowGap + index * kButtonSize, kButtonsTop, kButtonSize,
                kButtonSize);
}

// Tabs as wide as their captions (with the built-in measure of the control's font).
TRect TPaletteBar::TabRect(int page) const {
  int left = 4;
  for (int i = 0; i < PageCount(); ++i) {
    const int width = MeasureText(Font()->Spec(), PageName(i)).width + 14;
    if (i == page) return Rect(left, 2, left + width, kTabHeight);
    left += width;
  }
  return Rect(0, 0, 0, 0);
}

void TPaletteBar::ResetSelection() {
  if (selected_ == nullptr) return;
  selected_ = nullptr;
  Invalidate();
}

std::string TPaletteBar::HintText() const {
  if (hover_ == kArrowButton) return "Select";
  const ClassRecord* record = ButtonClass(hover_);
  return record ? record->name : std::string();
}

int TPaletteBar::ButtonAt(int X, int Y) const {
  if (PtInRect(ButtonRect(kArrowButton), Point(X, Y))) return kArrowButton;
  for (int i = 0; i < ButtonCount(); ++i)
    if (PtInRect(ButtonRect(i), Point(X, Y))) return i;
  return kNoButton;
}

int TPaletteBar::TabAt(int X, int Y) const {
  for (int i = 0; i < PageCount(); ++i)
    if (PtInRect(TabRect(i), Point(X, Y))) return i;
  return -1;
}

void TPaletteBar::Choose(const ClassRecord* record) {
  selected_ = record;
  Invalidate();
  if (OnClassChosen) OnClassChosen(record);
}

const TBitmap* TPaletteBar::Glyph(const ClassRecord* record) {
  auto [it, added] = glyphs_.try_emplace(record->name);
  if (added) {
    const std::string resource = UpperCase(record->name);
    if (ResourceExists(resource)) {
      try {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromResourceName(resource);
        // The bottom-left pixel's colour is left out when drawn.
        bitmap->SetTransparent(true);
        it->second = std::move(bitmap);
      } catch (const Exception&) {
        // An unreadable bitmap gets the fallback, as a missing one does.
      }
    }
  }
  return it->second.get();
}

// --- Input

void TPaletteBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (const int tab = TabAt(X, Y); tab >= 0) {
    SetActivePage(tab);
    return;
  }
  pressed_ = ButtonAt(X, Y);
  Invalidate();
}

void TPaletteBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int over = ButtonAt(X, Y);
  if (over == hover_) return;
  hover_ = over;
  Invalidate();
}

// A release on the button that was pressed chooses it.
void TPaletteBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || pressed_ == kNoButton) return;
  const int pressed = pressed_;
  pressed_ = kNoButton;
  Invalidate();
  if (ButtonAt(X, Y) != pressed) return;
  Choose(pressed == kArrowButton ? nullptr : ButtonClass(pressed));
}

void TPaletteBar::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  if (message.Msg == CM_MOUSELEAVE && hover_ != kNoButton) {
    hover_ = kNoButton;
    Invalidate();
  }
}

// --- Painting

void TPaletteBar::Paint() {
  TCanvas* canvas = Canvas();
  if (!canvas) return;
  TCanvasStateSaver saver(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  canvas->SetFont(Font());
  PaintTabs(canvas);
  PaintButton(canvas, kArrowButton);
  for (int i = 0; i < ButtonCount(); ++i) PaintButton(canvas, i);
  PaintHint(canvas);
}

// The pages' tabs: the active one raised and two pixels taller, joined to the page's
// highlight line below them.
void TPaletteBar::PaintTabs(TCanvas* canvas) {
  canvas->Pen()->SetColor(clBtnHighlight);
  canvas->MoveTo(0, kTabHeight - 1);
  canvas->LineTo(Width(), kTabHeight - 1);
  // The active tab last: it overlaps its neighbours.
  for (int k = 0; k < PageCount(); ++k) {
    const int i = k == PageCount() - 1 ? activePage_ : (k < activePage_ ? k : k + 1);
    const bool active = i == activePage_;
    TRect r = TabRect(i);
    if (active)
      r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom);
    else
      r.Top += 1;
    const int bottom = r.Bottom - (active ? 0 : 1);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(r.Left, r.Top, r.Right, bottom));
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(r.Left, bottom);
    canvas->LineTo(r.Left, r.Top + 2);
    canvas->LineTo(r.Left + 2, r.Top);
    canvas->LineTo(r.Right - 2, r.Top);
    canvas->Pen()->SetColor(cl3DDkShadow);
    canvas->MoveTo(r.Right - 2, r.Top + 1);
    canvas->LineTo(r.Right - 1, r.Top + 2);
    canvas->LineTo(r.Right - 1, bottom);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(r.Right - 2, r.Top + 2);
    canvas->LineTo(r.Right - 2, bottom);
    const std::string caption = PageName(i);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clBtnText);
    canvas->TextOut((r.Left + r.Right - canvas->TextWidth(caption)) / 2,
                    (r.Top + bottom - canvas->TextHeight(caption)) / 2, caption);
  }
  canvas->Brush()->SetStyle(bsSolid);
}

// A flat button: no edge at rest, raised under the pointer, sunken while pressed or while it
// is the choice (then on a lighter face); the bitmap centred, shifted a pixel when sunken.
void TPaletteBar::PaintButton(TCanvas* canvas, int index) {
  const TRect r = ButtonRect(index);
  const ClassRecord* record = index == kArrowButton ? nullptr : ButtonClass(index);
  const bool chosen = record == selected_;
  const bool down = chosen || (pressed_ == index && hover_ == index);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(chosen ? Mix(clBtnFace, clBtnHighlight) : clBtnFace);
  canvas->FillRect(r);
  if (down)
    Frame3D(canvas, r, clBtnShadow, clBtnHighlight);
  else if (hover_ == index)
    Frame3D(canvas, r, clBtnHighlight, clBtnShadow);
  const int shift = down ? 1 : 0;
  const TRect face = Bounds(r.Left + 2 + shift, r.Top + 2 + shift, kGlyphSize, kGlyphSize);
  if (index == kArrowButton) {
    PaintArrow(canvas, face);
    return;
  }
  const TBitmap* glyph = Glyph(record);
  if (!glyph) {
    PaintFallback(canvas, face, record->name);
    return;
  }
  // A bitmap that fits is drawn at its size, centred; a larger one is scaled down to fit.
  int w = glyph->Width(), h = glyph->Height();
  if (w > kGlyphSize || h > kGlyphSize) {
    const double scale = std::min(double(kGlyphSize) / w, double(kGlyphSize) / h);
    w = std::max(1, int(w * scale));
    h = std::max(1, int(h * scale));
  }
  canvas->StretchDraw(
      Bounds(face.Left + (kGlyphSize - w) / 2, face.Top + (kGlyphSize - h) / 2, w, h), glyph);
}

// The pointer arrow of "select": black with a white edge, as a mouse pointer looks.
void TPaletteBar::PaintArrow(TCanvas* canvas, const TRect& face) {
  const int x = face.Left + 8, y = face.Top + 4;
  const TPoint arrow[] = {{x, y},          {x, y + 15},     {x + 4, y + 11}, {x + 7, y + 17},
                          {x + 9, y + 16}, {x + 6, y + 10}, {x + 11, y + 10}};
  canvas->Pen()->SetColor(clWhite);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBlack);
  canvas->Polygon(arrow);
  canvas->Pen()->SetColor(clBlack);
  canvas->MoveTo(x, y);
  canvas->LineTo(x, y + 15);
}

// No bitmap: a framed white box with the class's initials in the built-in font.
void TPaletteBar::PaintFallback(TCanvas* canvas, const TRect& face, const std::string& className) {
  const TRect box = Rect(face.Left + 1, face.Top + 2, face.Right - 1, face.Bottom - 2);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clWindow);
  canvas->FillRect(box);
  Frame3D(canvas, box, clBtnShadow, cl3DDkShadow);
  TCanvasStateSaver saver(*canvas);
  canvas->Font()->SetName(kBuiltinFontName);
  canvas->Font()->SetColor(clNavy);
  canvas->Brush()->SetStyle(bsClear);
  const std::string initials = Initials(className);
  canvas->TextOut((box.Left + box.Right - canvas->TextWidth(initials) + 1) / 2,
                  (box.Top + box.Bottom - canvas->TextHeight(initials) + 1) / 2, initials);
}

// The hovered button's class name in a small label beside the button, as a tooltip shows it.
void TPaletteBar::PaintHint(TCanvas* canvas) {
  const std::string text = HintText();
  if (text.empty()) return;
  const TRect button = ButtonRect(hover_);
  const int w = canvas->TextWidth(text) + 8;
  const int h = canvas->TextHeight(text) + 4;
  int left = button.Right + 2;
  if (left + w > Width()) left = std::max(0, button.Left - 2 - w);
  const TRect label = Bounds(left, button.Top + (button.Height() - h) / 2, w, h);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clInfoBk);
  canvas->FillRect(label);
  canvas->Brush()->SetColor(clBlack);
  canvas->FrameRect(label);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(clInfoText);
  canvas->TextOut(label.Left + 4, label.Top + 2, text);
}

}  // namespace designer
