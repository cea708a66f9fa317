// Test-only component classes registered with the class registry: a gauge with one property
// of every kind, a dial derived from it, and the nested font object they carry.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/component.h"
#include "framework/base/event.h"
#include "framework/base/registry.h"
#include "framework/rtl/colors.h"

namespace fw::test {

// What the test components saw: Loaded calls by name, and whether csLoading was set when a
// setter ran.
struct TestLog {
  std::vector<std::string> loaded;
  std::vector<bool> maxSetWhileLoading;
  int liveGauges = 0;
  static TestLog& Get() {
    static TestLog log;
    return log;
  }
  void Clear() {
    loaded.clear();
    maxSetWhileLoading.clear();
  }
};

class TTestFont : public TPersistent {
 public:
  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }
  void Assign(TPersistent* source) override {
    if (auto* f = dynamic_cast<TTestFont*>(source)) {
      name_ = f->name_;
      size_ = f->size_;
      return;
    }
    TPersistent::Assign(source);
  }

 private:
  std::string name_ = "MS Sans Serif";
  int size_ = 8;
};

enum TGaugeKind : uint8_t { gkBar, gkPie, gkNeedle };
enum TGaugeOption : uint8_t { goTicks, goLabels, goFrame };
using TGaugeOptions = Set<TGaugeOption>;

class TTestGauge : public TComponent {
 public:
  explicit TTestGauge(TComponent* AOwner) : TComponent(AOwner) { ++TestLog::Get().liveGauges; }
  ~TTestGauge() override { --TestLog::Get().liveGauges; }

  int Max() const { return max_; }
  // Clamped to 1..1000, except while loading, when the raw value is kept for Loaded.
  void SetMax(int v) {
    TestLog::Get().maxSetWhileLoading.push_back(ComponentState().Contains(csLoading));
    max_ = ComponentState().Contains(csLoading) ? v : std::clamp(v, 1, 1000);
  }
  double Value() const { return value_; }
  void SetValue(double v) { value_ = v; }
  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind v) { kind_ = v; }
  TGaugeOptions Options() const { return options_; }
  void SetOptions(const TGaugeOptions& v) { options_ = v; }
  char32_t Marker() const { return marker_; }
  void SetMarker(char32_t v) { marker_ = v; }
  uint8_t Small() const { return small_; }
  void SetSmall(uint8_t v) { small_ = v; }
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& v) { items_ = v; }
  TTestFont* Font() const { return font_.get(); }
  TNotifyEvent OnChange;

  void Loaded() override {
    TComponent::Loaded();
    max_ = std::clamp(max_, 1, 1000);
    TestLog::Get().loaded.push_back(Name());
  }
  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  TComponent* GetParentComponent() const override { return parent_; }

 private:
  int max_ = 100;
  double value_ = 0.5;
  bool active_ = true;
  std::string caption_ = "Gauge";
  TColor color_ = clBtnFace;
  TGaugeKind kind_ = gkBar;
  TGaugeOptions options_ = {goTicks};
  char32_t marker_ = U'*';
  uint8_t small_ = 3;
  int count_ = 0;
  std::vector<std::string> items_;
  std::unique_ptr<TTestFont> font_ = std::make_unique<TTestFont>();
  TComponent* parent_ = nullptr;
};

// A gauge that starts with another Max and adds a property.
class TTestDial : public TTestGauge {
 public:
  explicit TTestDial(TComponent* AOwner) : TTestGauge(AOwner) { SetMax(10); }
  int Needle() const { return needle_; }
  void SetNeedle(int v) { needle_ = v; }

 private:
  int needle_ = 2;
};

inline void RegisterTestComponents() {
  RegisterClass<TTestFont>("TTestFont", "TPersistent")
      .Str("Name", &TTestFont::Name, &TTestFont::SetName, "MS Sans Serif")
      .Int("Size", &TTestFont::Size, &TTestFont::SetSize, 8);
  RegisterClass<TTestGauge>("TTestGauge", "TComponent")
      .Int("Max", &TTestGauge::Max, &TTestGauge::SetMax, 100)
      .Range(1, 1000)
      .Double("Value", &TTestGauge::Value, &TTestGauge::SetValue, 0.5)
      .Bool("Active", &TTestGauge::Active, &TTestGauge::SetActive, true)
      .Str("Caption", &TTestGauge::Caption, &TTestGauge::SetCaption, "Gauge")
      .Color("Color", &TTestGauge::Color, &TTestGauge::SetColor, clBtnFace)
      .Enum("Kind", &TTestGauge::Kind, &TTestGauge::SetKind, {"gkBar", "gkPie", "gkNeedle"}, gkBar)
      .SetOf("Options", &TTestGauge::Options, &TTestGauge::SetOptions,
             {"goTicks", "goLabels", "goFrame"}, TGaugeOptions{goTicks})
      .Char("Marker", &TTestGauge::Marker, &TTestGauge::SetMarker, U'*')
      .Int("Small", &TTestGauge::Small, &TTestGauge::SetSmall, 3)
      .Int("Count", &TTestGauge::Count, &TTestGauge::SetCount, 0)
      .AlwaysStored()
      .Strings("Items", &TTestGauge::Items, &TTestGauge::SetItems, {})
      .Object("Font", &TTestGauge::Font)
      .Event("OnChange");
  RegisterClass<TTestDial>("TTestDial", "TTestGauge")
      .Int("Max", &TTestDial::Max, &TTestDial::SetMax, 10)
      .Range(1, 1000)
      .Int("Needle", &TTestDial::Needle, &TTestDial::SetNeedle, 2);
}

}  // namespace fw::test
