// TNumIO2: construction, value and text, the published properties' setters and Assign.
#include <algorithm>
#include <cmath>

#include "framework/base/component.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

constexpr int kMinHeight = 18;
constexpr int kMaxPlaces = 15;

}  // namespace

TNumIO2::TNumIO2(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner), image_(std::make_unique<fw::TBitmap>()) {
  SetControlStyle(ControlStyle() + fw::TControlStyle{fw::csOpaque});
  SetTabStop(true);
  SetBounds(Left(), Top(), 160, 28);
  butHeight_ = Height();
  timerWindow_.reset(fw::AllocateHWnd([this](fw::TMessage& m) {
    if (m.Msg != fw::WM_TIMER) return fw::DefWindowProc(timerWindow_.get(), m);
    TimerTick();
  }));
  UpdateTimer();
}

TNumIO2::~TNumIO2() = default;

// ---- value and text ----------------------------------------------------------------------

double TNumIO2::GetNioValue() const {
  return NioGetValue(editor_.text, format_);
}

void TNumIO2::RequireFinite(double value, const char* what) const {
  if (!std::isfinite(value))
    throw EZEBNumIO2Error("Component \"" + Name() + "\": " + what + " is not a finite number");
}

void TNumIO2::SetNioValue(double value) {
  RequireFinite(value, "Value");
  SetShownValue(value);
}

// The value's text in the current format; caret and selection stay within it.
void TNumIO2::SetShownValue(double value) {
  editor_.text = NioValueText(value, format_);
  editor_.Clamp();
  Invalidate();
}

// Reads the value and writes it back: the text follows a change of its format. An empty text
// (nothing entered yet) stays empty.
void TNumIO2::RewriteValue(double value) {
  if (!editor_.text.empty() && std::isfinite(value)) SetShownValue(value);
  Invalidate();
}

int TNumIO2::GetNioIntValue() const {
  return NioGetIntValue(editor_.text, format_, Name());
}

bool TNumIO2::OutOfRange() const {
  return NioOutOfRange(editor_.text, format_, rangeLow_, rangeHigh_);
}

bool TNumIO2::CheckValidity(const std::string& text) const {
  return NioCheckValidity(text, format_);
}

void TNumIO2::SetText(const std::string& value) {
  if (!NioAcceptableText(value, format_)) return;
  editor_ = TNioEditor{value, 0, 0, 0};
  Invalidate();
}

void TNumIO2::SetInputFormat(TInFormat value) {
  if (value == format_.InputFormat) return;
  const double v = GetNioValue();
  format_.InputFormat = value;
  RewriteValue(v);
}

void TNumIO2::SetDecSep(TDecPSep value) {
  if (value == format_.DecPlaceSep) return;
  editor_.text = NioChangeDecSep(editor_.text, format_.DecPlaceSep, value);
  format_.DecPlaceSep = value;
  Invalidate();
}

void TNumIO2::SetFixPointDecPlaces(int value) {
  if (value <= 0) return;
  const double v = GetNioValue();
  format_.FixPointDecPlaces = std::min(value, kMaxPlaces);
  RewriteValue(v);
}

void TNumIO2::SetSignificantDigits(int value) {
  if (value <= 0) return;
  const double v = GetNioValue();
  format_.SignificantDigits = std::min(value, kMaxPlaces);
  RewriteValue(v);
}

void TNumIO2::SetRangeLow(double value) {
  RequireFinite(value, "RangeLow");
  rangeLow_ = value;
  rangeHigh_ = std::max(rangeHigh_, value);
  Invalidate();
}

void TNumIO2::SetRangeHigh(double value) {
  RequireFinite(value, "RangeHigh");
  rangeHigh_ = value;
  rangeLow_ = std::min(rangeLow_, value);
  Invalidate();
}

void TNumIO2::SetStepValues(std::vector<double> values) {
  std::erase_if(values, [](double v) { return !std::isfinite(v); });
  std::sort(values.begin(), values.end());
  stepValues_ = std::move(values);
}

void TNumIO2::SetSelBegin(int p) {
  p = std::clamp(p, 0, editor_.Length());
  editor_.selBegin = editor_.caret = p;
  editor_.selEnd = std::max(editor_.selEnd, p);
  Invalidate();
}

void TNumIO2::SetSelEnd(int p) {
  p = std::clamp(p, 0, editor_.Length());
  editor_.selEnd = editor_.caret = p;
  editor_.selBegin = std::min(editor_.selBegin, p);
  Invalidate();
}

void TNumIO2::Changed() {
  OnChange(this);
}

// ---- layout and look ----------------------------------------------------------------------

void TNumIO2::SetLeftSpace(int value) {
  if (value < 0) return;
  Store(leftSpace_, std::min(value, Width()));
}

void TNumIO2::SetTextBoxWidth(int value) {
  Store(textBoxWidth_, std::clamp(value, 0, fw::kMaxControlExtent));
}

void TNumIO2::SetLeftText(const std::string& value) {
  Store(leftText_, value);
}

void TNumIO2::SetRightText(const std::string& value) {
  Store(rightText_, value);
}

void TNumIO2::SetAlignment(fw::TAlignment value) {
  Store(alignment_, value);
}

void TNumIO2::SetLeftTextAlignment(fw::TAlignment value) {
  Store(leftTextAlignment_, value);
}

void TNumIO2::SetRightTextAlignment(fw::TAlignment value) {
  Store(rightTextAlignment_, value);
}

void TNumIO2::SetFrameStyle(TFrameStyle value) {
  Store(frameStyle_, value);
}

void TNumIO2::SetColorScheme(TColorScheme value) {
  colorScheme_ = value;
  frameShadow_ = value == schFixed ? fw::TColor{0x808080} : fw::clBtnShadow;
  frameLight_ = value == schFixed ? fw::TColor{0xFFFFFF} : fw::clBtnHighlight;
  Invalidate();
}

void TNumIO2::SetColorBoxBG(fw::TColor value) {
  Store(colorBoxBG_, value);
}

void TNumIO2::SetColorBoxText(fw::TColor value) {
  Store(colorBoxText_, value);
}

void TNumIO2::SetColorOutBG(fw::TColor value) {
  Store(colorOutBG_, value);
}

void TNumIO2::SetColorOutText(fw::TColor value) {
  Store(colorOutText_, value);
}

void TNumIO2::SetColorWarnBG(fw::TColor value) {
  colorWarnBG_ = value;
  Invalidate();
}

void TNumIO2::SetColorWarnText(fw::TColor value) {
  colorWarnText_ = value;
  Invalidate();
}

void TNumIO2::SetAutoSize(bool value) {
  Store(autoSize_, value);
}

// ---- spin buttons -------------------------------------------------------------------------

void TNumIO2::SetButVisible(bool value) {
  Store(butVisible_, value);
}

void TNumIO2::SetButWidth(int value) {
  Store(butWidth_, std::clamp(value, 8, 50));
}

void TNumIO2::SetButHeight(int value) {
  Store(butHeight_, std::clamp(value, kMinHeight, std::max(Height(), kMinHeight)));
}

void TNumIO2::SetButSpace(int value) {
  Store(butSpace_, std::clamp(value, 0, 50));
}

void TNumIO2::SetButIncrem(double value) {
  Store(butIncrem_, value);
}

void TNumIO2::SetBut3D(bool value) {
  Store(but3D_, value);
}

void TNumIO2::SetButColor(fw::TColor value) {
  Store(butColor_, value);
}

// ---- freeze box ---------------------------------------------------------------------------

void TNumIO2::SetFreezeBoxVisible(bool value) {
  Store(freezeBoxVisible_, value);
}

void TNumIO2::SetFreezeBoxChecked(bool value) {
  if (value == freezeBoxChecked_) return;
  Store(freezeBoxChecked_, value);
  SetReadOnly(value);
}

void TNumIO2::SetFreezeBoxSize(int value) {
  value = std::clamp(value, 12, 25);
  freezeBoxTop_ = (Height() - (gaugeHeight_ + gaugeTopMargin_ + value + 1)) / 2;
  freezeBoxSize_ = value;
  Invalidate();
}

void TNumIO2::SetFreezeBoxLeft(int value) {
  Store(freezeBoxLeft_, std::clamp(value, -fw::kMaxControlExtent, fw::kMaxControlExtent));
}

void TNumIO2::SetFreezeBoxTop(int value) {
  Store(freezeBoxTop_, std::clamp(value, -fw::kMaxControlExtent, fw::kMaxControlExtent));
}

void TNumIO2::SetHideInputOnFreeze(bool value) {
  Store(hideInputOnFreeze_, value);
}

void TNumIO2::SetHideInputEditor(bool value) {
  Store(hideInputEditor_, value);
}

void TNumIO2::SetHideSelection(bool value) {
  Store(hideSelection_, value);
}

// ---- gauge --------------------------------------------------------------------------------
// Each limit is applied upper first, then lower, so a control too small for the upper limit
// still gets the lower one.

void TNumIO2::SetGaugeVisible(bool value) {
  Store(gaugeVisible_, value);
}

void TNumIO2::SetGaugeHeight(int value) {
  Store(gaugeHeight_, std::max(std::min(value, Height() - gaugeTopMargin_ - kMinHeight), 3));
}

void TNumIO2::SetGaugeWidth(int value) {
  Store(gaugeWidth_, std::max(std::min(value, Width() - gaugeLeftMargin_), 10));
}

void TNumIO2::SetGaugeLeftMargin(int value) {
  Store(gaugeLeftMargin_, std::max(std::min(value, Width() - gaugeWidth_), 0));
}

void TNumIO2::SetGaugeTopMargin(int value) {
  Store(gaugeTopMargin_, std::max(std::min(value, Height() - gaugeHeight_ - kMinHeight), 0));
}

void TNumIO2::SetGaugeColor(fw::TColor value) {
  Store(gaugeColor_, value);
}

void TNumIO2::SetGaugeColorBg(fw::TColor value) {
  Store(gaugeColorBg_, value);
}

void TNumIO2::SetGaugeColorFrame(fw::TColor value) {
  Store(gaugeColorFrame_, value);
}

void TNumIO2::SetGaugeFrameStyle(TFrameStyle value) {
  Store(gaugeFrameStyle_, value);
}

// ---- input and control --------------------------------------------------------------------

void TNumIO2::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  readOnly_ = value;
  if (CanEdit() && Focused())
    UpdateTimer();
  else
    StopTimer();
  Invalidate();
}

void TNumIO2::SetBlockKbdInput(bool value) {
  if (value == blockKbdInput_) return;
  blockKbdInput_ = value;
  if (CanEdit() && Focused())
    UpdateTimer();
  else
    StopTimer();
  Invalidate();
}

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AHeight = std::max(AHeight, kMinHeight);
  butHeight_ = std::min(butHeight_, AHeight);
  fw::TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TNumIO2::SetEnabled(bool value) {
  fw::TCustomControl::SetEnabled(value);
  if (!value) StopTimer();
  Invalidate();
}

void TNumIO2::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TNumIO2*>(Source);
  if (!source) return fw::TCustomControl::Assign(Source);
  leftSpace_ = source->leftSpace_;
  textBoxWidth_ = source->textBoxWidth_;
  format_ = source->format_;
  leftText_ = source->leftText_;
  rightText_ = source->rightText_;
  frameStyle_ = source->frameStyle_;
  freezeBoxVisible_ = source->freezeBoxVisible_;
  freezeBoxSize_ = source->freezeBoxSize_;
  freezeBoxLeft_ = source->freezeBoxLeft_;
  freezeBoxTop_ = source->freezeBoxTop_;
  freezeBoxChecked_ = source->freezeBoxChecked_;
  hideInputOnFreeze_ = source->hideInputOnFreeze_;
  alignment_ = source->alignment_;
  leftTextAlignment_ = source->leftTextAlignment_;
  rightTextAlignment_ = source->rightTextAlignment_;
  colorBoxBG_ = source->colorBoxBG_;
  colorBoxText_ = source->colorBoxText_;
  colorOutBG_ = source->colorOutBG_;
  colorOutText_ = source->colorOutText_;
  bevelDark_ = source->bevelDark_;
  frameShadow_ = source->frameShadow_;
  frameLight_ = source->frameLight_;
  colorScheme_ = source->colorScheme_;
  editor_ = source->editor_;
  caretOn_ = source->caretOn_;
  mouseArea_ = source->mouseArea_;
  colorWarnBG_ = source->colorWarnBG_;
  colorWarnText_ = source->colorWarnText_;
  shiftDown_ = source->shiftDown_;
  ctrlDown_ = source->ctrlDown_;
  hideSelection_ = source->hideSelection_;
  hideInputEditor_ = source->hideInputEditor_;
  rangeHigh_ = source->rangeHigh_;
  rangeLow_ = source->rangeLow_;
  beep_ = source->beep_;
  autoSize_ = source->autoSize_;
  SetReadOnly(source->readOnly_);
  Invalidate();
}

}  // namespace zeb
