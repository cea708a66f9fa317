// The example panel.
#include "apps/designer/demo_form.h"

#include <utility>
#include <vector>

namespace designer {

namespace {

struct DemoItem {
  const char* className;
  int x, y, width, height;
  std::vector<std::pair<const char*, const char*>> properties;
};

const std::vector<DemoItem>& DemoItems() {
  static const std::vector<DemoItem> items = {
      {"TMeter", 24, 24, 296, 208, {{"MeterMaxValue", "100"}, {"Value", "62"}, {"Caption", "kPa"}}},
      {"TSevenSeg", 344, 24, 200, 64, {{"Caption", "23.5"}, {"NumDigits", "4"}}},
      {"TProgBar", 344, 112, 200, 32, {{"Value", "40"}}},
      {"TNumLab", 344, 168, 200, 24, {{"LeftText", "Flow"}, {"Value", "1.25"}}},
      {"TOnOffBut", 344, 208, 64, 24, {{"OnOff", "True"}}},
      {"TRLData", 0, 0, 0, 0, {}},
  };
  return items;
}

}  // namespace

void BuildDemoForm(TDesignDocument& document) {
  document.New();
  fw::TComponent* first = nullptr;
  for (const DemoItem& item : DemoItems()) {
    const fw::ClassRecord* record = fw::GetClass(item.className);
    if (record == nullptr) continue;
    fw::TComponent* component = document.Drop(*record, item.x, item.y);
    if (item.width > 0) {
      document.SetPropertyText(component, "Width", std::to_string(item.width));
      document.SetPropertyText(component, "Height", std::to_string(item.height));
    }
    for (const auto& [name, value] : item.properties)
      document.SetPropertyText(component, name, value);
    if (first == nullptr) first = component;
  }
  if (first != nullptr) document.Select(first);
  document.SetModified(false);
}

}  // namespace designer
