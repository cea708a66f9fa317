// TProgBar: construction, the published properties' setters, SetRange and Assign.
#include <algorithm>

#include "framework/base/component.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

TProgBar::TProgBar(fw::TComponent* AOwner)
    : fw::TGraphicControl(AOwner), backGround_(std::make_unique<fw::TBitmap>(10, 10)) {
  SetBounds(Left(), Top(), 300, 28);
  for (int i = 0; i < kBarColorCount; ++i)
    table_[i] = BlendColor(fw::clBlue, fw::clRed, i / double(kBarColorCount - 1));
  timerWindow_ = fw::AllocateHWnd([this](fw::TMessage& m) { TimerWndProc(m); });
  OnAutoInc.SetAssignHook([this] {
    if (!Designing()) UpdateTimer();
  });
}

TProgBar::~TProgBar() {
  fw::DeallocateHWnd(timerWindow_);
}

bool TProgBar::Designing() const {
  return ComponentState().Contains(fw::csDesigning);
}

// ---- value and range --------------------------------------------------------------------

void TProgBar::SetValue(double value) {
  if (value == value_) return;
  value_ = value;
  Repaint();
}

void TProgBar::SetMin(double value) {
  if (value == min_) return;
  min_ = value;
  Repaint();
}

void TProgBar::SetMax(double value) {
  if (value == max_) return;
  max_ = value;
  Repaint();
}

void TProgBar::SetRange(double a, double b) {
  min_ = std::min(a, b);
  max_ = std::max(a, b);
  Repaint();
}

void TProgBar::SetDirection(TDirection value) {
  if (value == direction_) return;
  direction_ = value;
  Repaint();
}

// ---- colours ----------------------------------------------------------------------------

void TProgBar::SetShowColorGradient(bool value) {
  showColorGradient_ = value;
  Repaint();
}

void TProgBar::SetColorMapMode(TColorMapping value) {
  colorMapMode_ = value;
  Repaint();
}

void TProgBar::SetColorBackGnd(fw::TColor value) {
  colorBackGnd_ = value;
  Repaint();
}

void TProgBar::SetColorMargin(fw::TColor value) {
  colorMargin_ = value;
  Repaint();
}

void TProgBar::SetColorGrid(fw::TColor value) {
  colorGrid_ = value;
  Repaint();
}

void TProgBar::SetGridDist(int value) {
  gridDist_ = value;
  Repaint();
}

// ---- margins and frames -----------------------------------------------------------------

namespace {

// A margin never reaches out of the control and never overflows the inner area's sums.
int ClampMargin(int value) {
  return std::clamp(value, 0, fw::kMaxControlExtent);
}

}  // namespace

void TProgBar::SetMarginLeft(int value) {
  marginLeft_ = ClampMargin(value);
  Repaint();
}

void TProgBar::SetMarginRight(int value) {
  marginRight_ = ClampMargin(value);
  Repaint();
}

void TProgBar::SetMarginTop(int value) {
  marginTop_ = ClampMargin(value);
  Repaint();
}

void TProgBar::SetMarginBottom(int value) {
  marginBottom_ = ClampMargin(value);
  Repaint();
}

void TProgBar::SetFrameStyleOuter(TFrameStyle value) {
  frameStyleOuter_ = value;
  Repaint();
}

void TProgBar::SetFrameStyleInner(TFrameStyle value) {
  frameStyleInner_ = value;
  Repaint();
}

void TProgBar::SetColorScheme(TColorScheme value) {
  if (value == colorScheme_) return;
  colorScheme_ = value;
  FrameColorsOfScheme(value, frameShadow_, frameLight_);
  Repaint();
}

// ---- background picture -----------------------------------------------------------------

// The picture is loaded aside and taken only when the whole file was read.
void TProgBar::SetBakGndFile(const std::string& name) {
  if (name.empty()) {
    backGroundImg_.clear();
  } else {
    try {
      auto picture = std::make_unique<fw::TBitmap>();
      picture->LoadFromFile(name);
      backGround_ = std::move(picture);
      backGroundImg_ = name;
    } catch (const std::exception&) {
      // A missing or unreadable file leaves the bar as it was.
    }
  }
  Repaint();
}

// ---- value text -------------------------------------------------------------------------

void TProgBar::SetShowValue(bool value) {
  textVisible_ = value;
  Repaint();
}

void TProgBar::SetTextPosX(int value) {
  textPosX_ = std::clamp(value, 0, std::max(0, Width()));
  Repaint();
}

void TProgBar::SetTextPosY(int value) {
  textPosY_ = std::clamp(value, 0, std::max(0, Height()));
  Repaint();
}

void TProgBar::SetTextAlignment(fw::TAlignment value) {
  if (value == textAlignment_) return;
  textAlignment_ = value;
  Repaint();
}

void TProgBar::SetTextAngle(int value) {
  textAngle_ = std::clamp(value, 0, 360);
  Repaint();
}

void TProgBar::SetTextDecPlaces(int value) {
  textDecPlaces_ = std::clamp(value, -2, 10);
  Repaint();
}

// ---- copying ----------------------------------------------------------------------------

void TProgBar::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TProgBar*>(Source);
  if (other == nullptr) {
    fw::TGraphicControl::Assign(Source);
    return;
  }
  if (other == this) return;
  frameStyleOuter_ = other->frameStyleOuter_;
  frameStyleInner_ = other->frameStyleInner_;
  value_ = other->value_;
  colorMargin_ = other->colorMargin_;
  frameDark_ = other->frameDark_;
  frameShadow_ = other->frameShadow_;
  frameLight_ = other->frameLight_;
  colorScheme_ = other->colorScheme_;
  max_ = other->max_;
  min_ = other->min_;
  direction_ = other->direction_;
  table_ = other->table_;
  backGround_->Assign(other->backGround_.get());
  colorBackGnd_ = other->colorBackGnd_;
  showColorGradient_ = other->showColorGradient_;
  colorGrid_ = other->colorGrid_;
  gridDist_ = other->gridDist_;
  colorMapMode_ = other->colorMapMode_;
  marginLeft_ = other->marginLeft_;
  marginRight_ = other->marginRight_;
  marginTop_ = other->marginTop_;
  marginBottom_ = other->marginBottom_;
  backGroundImg_ = other->backGroundImg_;
  textPosX_ = other->textPosX_;
  textPosY_ = other->textPosY_;
  textDecPlaces_ = other->textDecPlaces_;
  textAngle_ = other->textAngle_;
  textAlignment_ = other->textAlignment_;
  OnShowValue = other->OnShowValue;
  textVisible_ = other->textVisible_;
  Repaint();
}

void TProgBar::AssignTo(fw::TPersistent* Dest) {
  if (auto* bar = dynamic_cast<TProgBar*>(Dest)) {
    bar->Assign(this);
    return;
  }
  fw::TGraphicControl::AssignTo(Dest);
}

}  // namespace zeb
