// The class records of the pen, brush and font, so components can publish them as object
// properties ("Font.Size = 10" in a form).
#include "framework/base/registry.h"
#include "framework/graphics/pen_brush_font.h"

namespace fw {

namespace {

void RegisterGraphicsObjects() {
  RegisterClass<TFont>("TFont", "TPersistent")
      .Int(
          "Charset", [](TFont* f) { return int(f->Charset()); },
          [](TFont* f, int v) { f->SetCharset(TFontCharset(v)); }, int(DEFAULT_CHARSET))
      .Range(0, 255)
      .Color("Color", &TFont::Color, &TFont::SetColor, clWindowText)
      .Int("Height", &TFont::Height, &TFont::SetHeight, -11)
      .Range(-1000, 1000)
      .Str("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif")
      .Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"},
            fpDefault)
      .Enum("Quality", &TFont::Quality, &TFont::SetQuality,
            {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased", "fqClearType",
             "fqClearTypeNatural"},
            fqDefault)
      // Size is Height in points: written as Height, read either way.
      .Int("Size", &TFont::Size, &TFont::SetSize, 8)
      .Range(1, 500)
      .NotStored()
      .SetOf("Style", &TFont::Style, &TFont::SetStyle,
             {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, TFontStyles{});
  RegisterClass<TPen>("TPen", "TPersistent")
      .Color("Color", &TPen::Color, &TPen::SetColor, clBlack)
      .Enum("Mode", &TPen::Mode, &TPen::SetMode,
            {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
             "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
             "pmNotMask", "pmXor", "pmNotXor"},
            pmCopy)
      .Enum("Style", &TPen::Style, &TPen::SetStyle,
            {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"},
            psSolid)
      .Int("Width", &TPen::Width, &TPen::SetWidth, 1)
      .Range(1, 100);
  RegisterClass<TBrush>("TBrush", "TPersistent")
      .Color("Color", &TBrush::Color, &TBrush::SetColor, clWhite)
      .Enum("Style", &TBrush::Style, &TBrush::SetStyle,
            {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
             "bsCross", "bsDiagCross"},
            bsSolid);
}

const bool registered = (RegisterGraphicsObjects(), true);

}  // namespace

}  // namespace fw
