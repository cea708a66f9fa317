// The class record of TNTabEd: its published properties with their initial values and stored
// defaults, and its events.
#include <limits>

#include "framework/base/registry.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

using V = TNTabEd;
constexpr double kIntMax = std::numeric_limits<int>::max();
const std::vector<std::string> kOrientationNames{"orDown", "orRight"};

void RegisterColors(fw::ClassBuilder<V>& b) {
  b.Color("ColorBackground", &V::ColorBackground, &V::SetColorBackground, fw::clWindow)
      .Color("ColorEmptyMsg", &V::ColorEmptyMsg, &V::SetColorEmptyMsg, fw::clBlack)
      .Color("ColorFixed", &V::ColorFixed, &V::SetColorFixed, fw::clBtnFace)
      .Color("ColorNormal", &V::ColorNormal, &V::SetColorNormal, fw::RGB(0, 32, 0))
      .Color("ColorSelected", &V::ColorSelected, &V::SetColorSelected, fw::RGB(64, 64, 64))
      .Color("ColorMarkedA", &V::ColorMarkedA, &V::SetColorMarkedA, fw::RGB(255, 0, 0))
      .Color("ColorMarkedB", &V::ColorMarkedB, &V::SetColorMarkedB, fw::RGB(0, 0, 255))
      .Color("ColorMarkedBoth", &V::ColorMarkedBoth, &V::SetColorMarkedBoth, fw::RGB(187, 0, 204))
      .Color("ColorRangeSelFG", &V::ColorRangeSelFG, &V::SetColorRangeSelFG, fw::RGB(44, 85, 128))
      .Color("ColorRangeSelBG", &V::ColorRangeSelBG, &V::SetColorRangeSelBG,
             fw::RGB(224, 232, 248));
}

void RegisterLayout(fw::ClassBuilder<V>& b) {
  // Positions first, the size after them. VisibleColCount and VisibleRowCount are read-only
  // measures of the shown size (the grid's functions), with nothing to store.
  b.Int("LeftCol", &V::LeftCol, &V::SetLeftCol, 1)
      .Range(1, 1)
      .NotStored()
      .Int("TopRow", &V::TopRow, &V::SetTopRow, 1)
      .Range(1, 1)
      .NotStored()
      .Int("NrOfColumns", &V::NrOfColumns, &V::SetNrCols, 3)
      .Range(0, kIntMax)
      .AlwaysStored()
      .Int("NrOfRows", &V::NrOfRows, &V::SetNrRows, 4)
      .Range(0, kIntMax)
      .AlwaysStored()
      .Bool("AttribRowVisible", &V::AttribRowVisible, &V::SetAttribRowVisible, true)
      .Bool("AttribColVisible", &V::AttribColVisible, &V::SetAttribColVisible, false)
      .Int("DefaultColWidth", &fw::TCustomGrid::DefaultColWidth, &V::SetDefaultColWidth, 64)
      .Range(0, fw::kMaxControlExtent)
      .Int("DefaultRowHeight", &fw::TCustomGrid::DefaultRowHeight,
           &fw::TCustomGrid::SetDefaultRowHeight, 24)
      .Range(0, fw::kMaxControlExtent)
      .Int("NumWidth", &V::NumWidth, &V::SetNumWidth, 1)
      .Range(1, 20)
      .Int("NomEditDropDownCount", &V::NomEditDropDownCount, &V::SetNomEditDropDownCount, 8)
      .Str("EmptyMessage", &V::EmptyMessage, &V::SetEmptyMessage, "")
      .Str("Comment", &V::Comment, &V::SetComment, "")
      .Bool("BoldMarks", &V::BoldMarks, &V::SetBoldMarks, true)
      .Bool("BoldSelHeads", &V::BoldSelHeads, &V::SetBoldSelHeads, true)
      .Bool("OptimizeRowHeight", &V::OptimizeRowHeight, &V::SetOptimizeRowHeight, false)
      .Bool("ShowCellCursor", &V::ShowCellCursor, &V::SetShowCellCursor, true)
      .Double("VRangeHigh", &V::VRangeHigh, &V::SetVRangeHigh, 0.0)
      .Double("VRangeLow", &V::VRangeLow, &V::SetVRangeLow, 0.0)
      .Enum("ScrollBars", &fw::TCustomGrid::ScrollBars, &fw::TCustomGrid::SetScrollBars,
            fw::kScrollStyleNames, fw::ssBoth)
      .Enum("BorderStyle", &fw::TCustomGrid::BorderStyle, &fw::TCustomGrid::SetBorderStyle,
            fw::kControlBorderStyleNames, fw::bsSingle);
}

void RegisterBehaviour(fw::ClassBuilder<V>& b) {
  b.Bool("AutoAdvance", &V::AutoAdvance, &V::SetAutoAdvance, true)
      .Enum("AutoAdvanceDir", &V::AutoAdvanceDir, &V::SetAutoAdvanceDir, kOrientationNames, orDown)
      .Bool("BlockInternalPopup", &V::BlockInternalPopup, &V::SetBlockInternalPopup, false)
      .Bool("CommentEditingAllowed", &V::CommentEditingAllowed, &V::SetCommentEditingAllowed, true)
      .Bool("ClipboardUseFullPrec", &V::ClipboardUseFullPrec, &V::SetClipboardUseFullPrec, true)
      .Bool("DataReadOnly", &V::DataReadOnly, &V::SetDataReadOnly, false)
      // The editing option is switched per cell by the editor; the stored set leaves it out.
      .SetOf("Options", &fw::TCustomGrid::Options, &fw::TCustomGrid::SetOptions,
             fw::kGridOptionNames,
             fw::TGridOptions{fw::goFixedVertLine, fw::goFixedHorzLine, fw::goVertLine,
                              fw::goHorzLine, fw::goRangeSelect})
      .Default(fw::TGridOptions::FromBits(31));
  for (const char* e : {"OnGetEditText",
                        "OnSetEditText",
                        "OnMouseDown",
                        "OnMouseUp",
                        "OnMouseMove",
                        "OnMouseWheelDown",
                        "OnMouseWheelUp",
                        "OnClick",
                        "OnDblClick",
                        "OnKeyDown",
                        "OnKeyPress",
                        "OnKeyUp",
                        "OnTopLeftChanged",
                        "OnSelectionChanged",
                        "OnBeforePopup",
                        "OnChange",
                        "OnChangeSetup",
                        "OnClear",
                        "OnPaste",
                        "OnPercentDone",
                        "OnHeadingChanged",
                        "OnAttributeChanged",
                        "OnCellStateChanged",
                        "OnEmptyStChanged",
                        "OnLayoutChanged",
                        "OnBeforeRenderCell"})
    b.Event(e);
}

void RegisterNTabEd() {
  auto b = fw::RegisterClass<V>("TNTabEd", "TCustomGrid");
  RegisterLayout(b);
  RegisterColors(b);
  RegisterBehaviour(b);
}

const bool registered = (RegisterNTabEd(), true);

}  // namespace

}  // namespace zeb
