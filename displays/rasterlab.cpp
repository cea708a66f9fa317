// TRasterLab: construction, the properties and their rules, text measuring, automatic height
// and centring, the font-change handler and Assign.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "displays/ZEB_RasterLab.h"
#include "framework/controls/messages.h"
#include "framework/graphics/pen_brush_font.h"
#include "framework/rtl/utf8.h"

namespace zeb {

TRasterLab::TRasterLab(fw::TComponent* AOwner)
    : fw::TGraphicControl(AOwner), matrix_(DefaultCharMatrix()) {
  SetControlStyle(ControlStyle() + fw::TControlStyle{fw::csOpaque});
  SetBounds(Left(), Top(), 400, 68);
  timerWindow_ = fw::AllocateHWnd([this](fw::TMessage& m) { TimerProc(m); });
  OnScrollTimer.SetAssignHook([this] { UpdateTimer(); });
  // Naming the font "default" selects the built-in matrix through the font-change handler.
  Font()->SetName("default");
  Font()->SetSize(8);
}

TRasterLab::~TRasterLab() {
  fw::DeallocateHWnd(timerWindow_);
}

template <typename T>
void TRasterLab::ChangeLook(T& member, const T& value) {
  if (member == value) return;
  member = value;
  Invalidate();
}

void TRasterLab::SetText(const std::string& value) {
  if (value == text_) return;
  text_ = value;
  AdjustAutoCenter();
  Invalidate();
}

void TRasterLab::SetProportional(bool value) {
  ChangeLook(proportional_, value);
}

void TRasterLab::SetDotSize(int value) {
  value = std::clamp(value, kMinDotSize, kMaxDotSize);
  if (value == dotSize_) return;
  dotSize_ = value;
  AdjustAutoHeight();
  AdjustAutoCenter();
  Invalidate();
}

void TRasterLab::SetDotSpacing(int value) {
  value = std::clamp(value, kMinDotSpacing, kMaxDotSpacing);
  if (value == dotSpacing_) return;
  dotSpacing_ = value;
  AdjustAutoHeight();
  AdjustAutoCenter();
  Invalidate();
}

void TRasterLab::SetPosX(int value) {
  ChangeLook(posX_, value);
}
void TRasterLab::SetPosY(int value) {
  ChangeLook(posY_, value);
}

void TRasterLab::SetAutoHeight(bool value) {
  if (value == autoHeight_) return;
  autoHeight_ = value;
  AdjustAutoHeight();
  Invalidate();
}

void TRasterLab::SetAutoCenter(bool value) {
  if (value == autoCenter_) return;
  autoCenter_ = value;
  if (value)
    AdjustAutoCenter();
  else
    posX_ = 1;
  Invalidate();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode value) {
  ChangeLook(charBlockMode_, value);
}
void TRasterLab::SetColorDotOn(fw::TColor value) {
  ChangeLook(colorDotOn_, value);
}
void TRasterLab::SetColorDotOff(fw::TColor value) {
  ChangeLook(colorDotOff_, value);
}
void TRasterLab::SetColorLabBakG(fw::TColor value) {
  ChangeLook(colorLabBakG_, value);
}
void TRasterLab::SetFrameStyle(TFrameStyle value) {
  ChangeLook(frameStyle_, value);
}

void TRasterLab::SetColorScheme(TColorScheme value) {
  if (value == colorScheme_) return;
  colorScheme_ = value;
  FrameColorsOfScheme(value, colorShadow_, colorHighlight_);
  Invalidate();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& matrix) {
  matrix_ = matrix;
  // Sizes beyond the 32 bits of a row would shift past the end of a row's bits.
  matrix_.width = std::clamp(matrix_.width, 0, TRDCharMatrix::kMaxDots);
  matrix_.height = std::clamp(matrix_.height, 0, TRDCharMatrix::kMaxDots);
  AdjustAutoHeight();
  AdjustAutoCenter();
  Invalidate();
}

int TRasterLab::FrameExtent() const {
  switch (frameStyle_) {
    case fstNone:
      return 0;
    case fstEmbossed:
    case fstEngraved:
      return 2;
    default:
      return 1;
  }
}

// Every character takes its columns plus one gap column (the font width plus one when not
// proportional). Summed in 64 bits: a long text at large dots passes the int range.
int TRasterLab::CalcTextBitLength(std::string_view text) const {
  const int64_t pitch = Pitch();
  int64_t length = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const uint8_t code = RasterCharCode(fw::NextCodePoint(text, pos));
    const int columns = proportional_ ? CharColumns(matrix_, code, false) : matrix_.width;
    length += (columns + 1) * pitch;
  }
  return static_cast<int>(std::min<int64_t>(length, INT_MAX));
}

void TRasterLab::AdjustAutoHeight() {
  if (!autoHeight_) return;
  SetBounds(Left(), Top(), Width(), FrameExtent() + Pitch() * matrix_.height);
}

void TRasterLab::AdjustAutoCenter() {
  if (!autoCenter_) return;
  posX_ = (Width() - CalcTextBitLength(text_)) / 2 + FrameExtent() + 1;
}

void TRasterLab::FontChanged() {
  SetCharMatrix(CreateBitFont(*Font()));
}

void TRasterLab::WndProc(fw::TMessage& message) {
  if (message.Msg == fw::CM_FONTCHANGED) FontChanged();
  fw::TGraphicControl::WndProc(message);
}

void TRasterLab::Assign(fw::TPersistent* source) {
  auto* other = dynamic_cast<TRasterLab*>(source);
  if (!other) {
    fw::TGraphicControl::Assign(source);
    return;
  }
  frameStyle_ = other->frameStyle_;
  text_ = other->text_;
  colorLabBakG_ = other->colorLabBakG_;
  colorDotOn_ = other->colorDotOn_;
  colorDark_ = other->colorDark_;
  colorShadow_ = other->colorShadow_;
  colorHighlight_ = other->colorHighlight_;
  colorScheme_ = other->colorScheme_;
  AdjustAutoCenter();
  Invalidate();
}

}  // namespace zeb
