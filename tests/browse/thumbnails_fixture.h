// A thumbnail strip filling a shown test form, with a log of its image requests, and the client
// point at the middle of a slide's cover.
#pragma once

#include <string>
#include <vector>

#include "browse/ZEB_Thumbnails.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"

namespace zeb::test {

// Any exception that reaches the application's handler (a paint that threw) is collected.
struct ExceptionLog {
  ExceptionLog() {
    fw::Application->OnException = [this](fw::TObject*, const std::exception& e) {
      messages.push_back(e.what());
    };
  }
  ~ExceptionLog() { fw::Application->OnException = nullptr; }
  std::vector<std::string> messages;
};

struct ShownStrip {
  explicit ShownStrip(int w = 300, int h = 400, bool scrollBar = false) : host(w, h) {
    strip = new TThumbnails(host.Form());
    strip->SetName("Strip");
    strip->SetParent(host.Form());
    strip->SetBounds(0, 0, w, h);
    strip->SetShowScrollBar(scrollBar);
    strip->OnImageRequest = [this](fw::TObject*, int id, TImageRequestProcessing&, int&,
                                   std::shared_ptr<fw::TBitmap>&) { requested.push_back(id); };
    host.Show();
  }
  // The middle of slide `id`'s cover as the strip places it now.
  fw::TPoint Middle(int id) const {
    int x = 0, y = 0;
    strip->CalcSlidePos(id, x, y);
    const int half = (strip->SlideSize() + 2 * strip->SlideMargin()) / 2;
    return fw::Point(x + half, y + half);
  }
  void Click(int id, fw::TShiftState shift = {}) {
    const fw::TPoint p = Middle(id);
    host.Click(p.X, p.Y, fw::mbLeft, shift);
  }
  // The requests of one full paint.
  std::vector<int> RequestsOfAPaint() {
    host.ProcessMessages();
    requested.clear();
    strip->Repaint();
    return requested;
  }
  std::vector<int> SelectedIds() const {
    std::vector<int> ids;
    for (int id = strip->Min(); id <= strip->Max(); ++id)
      if (strip->GetSelectedSlide(id)) ids.push_back(id);
    return ids;
  }

  fw::TestHost host;
  TThumbnails* strip;
  std::vector<int> requested;
};

}  // namespace zeb::test
