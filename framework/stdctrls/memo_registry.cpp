// The class records of the memo classes: their published properties and events.
#include <limits>
#include <string>
#include <vector>

#include "framework/base/registry.h"
#include "framework/stdctrls/memo.h"

namespace fw {

namespace {

constexpr double kIntMax = std::numeric_limits<int>::max();

std::vector<std::string> GetLines(TCustomMemo* memo) {
  std::vector<std::string> lines;
  for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Strings(i));
  return lines;
}

void SetLines(TCustomMemo* memo, const std::vector<std::string>& lines) {
  TStringList list;
  for (const std::string& line : lines) list.Add(line);
  memo->SetLines(&list);
}

void RegisterMemos() {
  RegisterClass<TCustomMemo>("TCustomMemo", "TCustomEdit")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 185)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 89)
      .Range(0, fw::kMaxControlExtent);
  RegisterClass<TMemo>("TMemo", "TCustomMemo")
      .Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
            kControlBorderStyleNames, bsSingle)
      .Bool("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true)
      .Strings("Lines", &GetLines, &SetLines, {})
      .Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
      .Range(0, kIntMax)
      .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
      .Enum("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, kScrollStyleNames,
            ssNone)
      .Bool("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns, true)
      .Bool("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs, false)
      .Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true)
      .Event("OnChange");
}

const bool registered = (RegisterMemos(), true);

}  // namespace

}  // namespace fw
