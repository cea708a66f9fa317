// Test controls that record what happens to them: paints, mouse and key events, focus,
// windows created, and their own deletion.
#pragma once

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/graphiccontrol.h"

namespace fw::test {

using Journal = std::vector<std::string>;

// Adds the control's name and what happened to it to a journal.
template <typename Base>
class TProbeOf : public Base {
 public:
  TProbeOf(TComponent* owner, const std::string& name, Journal* journal = nullptr)
      : Base(owner), journal_(journal) {
    this->SetName(name);
  }
  ~TProbeOf() override {
    if (deleted) *deleted = true;
  }

  int paints = 0;
  TColor fill = clRed;
  // Drawn in Paint besides the fill: a rectangle in client coordinates (may reach outside).
  TRect extra;
  bool* deleted = nullptr;
  LRESULT dialogCode = 0;
  int windowsCreated = 0;

  using Base::Canvas;

 protected:
  void Paint() override {
    ++paints;
    Note("paint");
    this->Canvas()->Brush()->SetColor(fill);
    this->Canvas()->FillRect(this->ClientRect());
    if (!IsRectEmpty(extra)) this->Canvas()->FillRect(extra);
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    Note("down" + Button(b) + At(x, y) + (s.Contains(ssDouble) ? " double" : ""));
    Base::MouseDown(b, s, x, y);
  }
  void MouseMove(TShiftState s, int x, int y) override {
    Note("move" + At(x, y));
    Base::MouseMove(s, x, y);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    Note("up" + Button(b) + At(x, y));
    Base::MouseUp(b, s, x, y);
  }

 public:
  void Click() override {
    Note("click");
    Base::Click();
  }
  void DblClick() override {
    Note("dblclick");
    Base::DblClick();
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER) Note("enter");
    if (m.Msg == CM_MOUSELEAVE) Note("leave");
    if (m.Msg == WM_SETFOCUS) Note("setfocus");
    if (m.Msg == WM_KILLFOCUS) Note("killfocus");
    if (m.Msg == CM_ENTER) Note("cm-enter");
    if (m.Msg == CM_EXIT) Note("cm-exit");
    if (m.Msg == WM_GETDLGCODE) {
      m.Result = dialogCode;
      return;
    }
    Base::WndProc(m);
  }

 protected:
  void Note(const std::string& what) {
    if (journal_) journal_->push_back(this->Name() + " " + what);
  }

 private:
  static std::string Button(TMouseButton b) {
    return b == mbLeft ? "" : b == mbRight ? " right" : " middle";
  }
  static std::string At(int x, int y) { return " " + std::to_string(x) + "," + std::to_string(y); }

  Journal* journal_;
};

using TProbeGraphic = TProbeOf<TGraphicControl>;

// A windowed probe that also records keys and the creation of its window.
class TProbeWin : public TProbeOf<TCustomControl> {
 public:
  using TProbeOf<TCustomControl>::TProbeOf;

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override {
    Note("keydown " + std::to_string(key));
    TProbeOf::KeyDown(key, shift);
  }
  void KeyUp(uint16_t& key, TShiftState shift) override {
    Note("keyup " + std::to_string(key));
    TProbeOf::KeyUp(key, shift);
  }
  void KeyPress(char32_t& key) override {
    Note("char " + std::to_string(static_cast<uint32_t>(key)));
    TProbeOf::KeyPress(key);
  }
  void CreateWnd() override {
    ++windowsCreated;
    TProbeOf::CreateWnd();
  }
};

// A graphic probe placed on `parent` with the given bounds.
inline TProbeGraphic* AddGraphic(TWinControl* parent, const std::string& name, TRect bounds,
                                 Journal* journal = nullptr) {
  auto* c = new TProbeGraphic(parent, name, journal);
  c->SetBoundsRect(bounds);
  c->SetParent(parent);
  return c;
}

inline TProbeWin* AddWin(TWinControl* parent, const std::string& name, TRect bounds,
                         Journal* journal = nullptr) {
  auto* c = new TProbeWin(parent, name, journal);
  c->SetBoundsRect(bounds);
  c->SetParent(parent);
  return c;
}

}  // namespace fw::test
