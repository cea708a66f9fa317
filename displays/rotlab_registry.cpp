// The class record of TRotLab: published properties and events.
#include "displays/ZEB_RotLab.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

// AutoCenter comes before the anchor: a form that turns it off sets the anchor after.
void RegisterRotLab() {
  using R = TRotLab;
  fw::RegisterClass<R>("TRotLab", "TCustomLabel")
      .Int("Width", &R::Width, &R::SetWidth, 200)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &R::Height, &R::SetHeight, 200)
      .Range(0, fw::kMaxControlExtent)
      .Str("Caption", &R::Caption, &R::SetCaption, "")
      .Bool("ParentColor", &R::ParentColor, &R::SetParentColor, false)
      .Bool("ParentFont", &R::ParentFont, &R::SetParentFont, false)
      .Color("Color", &R::Color, &R::SetColor, fw::clBtnFace)
      .StoredIf([](R* r) { return !r->ParentColor(); })
      .AlwaysStored()
      .Int("TextAngle", &R::TextAngle, &R::SetTextAngle, 0)
      .Range(0, 359)
      .Bool("AutoCenter", &R::AutoCenter, &R::SetAutoCenter, true)
      // A new label's anchor is its centre.
      .Int("PosX", &R::PosX, &R::SetPosX, 100)
      .NoSample()
      .Int("PosY", &R::PosY, &R::SetPosY, 100)
      .NoSample()
      .Enum("Alignment", &R::Alignment, &R::SetAlignment, fw::kAlignmentNames, fw::taCenter)
      .Bool("AntiAlias", &R::AntiAlias, &R::SetAntiAlias, true)
      .Bool("Transparent", &R::Transparent, &R::SetTransparent, true)
      .Enum("FrameStyle", &R::FrameStyle, &R::SetFrameStyle, kFrameStyleNames, fstSunken);
}

const bool registered = (RegisterRotLab(), true);

}  // namespace

}  // namespace zeb
