// Pages on forms: captions and pictures as controls, a page built onto a form, and a page
// rendered headless the way its PNG file shows it.
#include <utility>

#include "apps/gallery/gallery.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/canvas.h"

namespace gallery {
namespace {

using namespace fw;

// A caption in the gallery's style, sized to its text.
class TCaptionLabel : public TGraphicControl {
 public:
  TCaptionLabel(TComponent* AOwner, std::string text)
      : TGraphicControl(AOwner), text_(std::move(text)) {}

 protected:
  void Paint() override { gallery::Caption(Canvas(), 0, 0, text_); }

 private:
  std::string text_;
};

// A picture page's bitmap, drawn as it is.
class TPagePicture : public TGraphicControl {
 public:
  TPagePicture(TComponent* AOwner, std::unique_ptr<TBitmap> picture)
      : TGraphicControl(AOwner), picture_(std::move(picture)) {}

 protected:
  void Paint() override { Canvas()->Draw(0, 0, picture_.get()); }

 private:
  std::unique_ptr<TBitmap> picture_;
};

// The size of a caption's text, measured on a scratch canvas in the caption's style.
TPoint CaptionSize(const std::string& text) {
  TBitmap scratch(1, 1);
  TCanvas* c = scratch.Canvas();
  c->Font()->SetName("Arial");
  c->Font()->SetSize(9);
  c->Font()->SetStyle({fsBold});
  return Point(c->TextWidth(text) + 2, c->TextHeight(text));
}

}  // namespace

Page LivePage(std::string name, std::string title, int width, int height,
              std::function<void(TForm& form)> build) {
  Page page{std::move(name), std::move(title), width, height, nullptr, std::move(build)};
  return page;
}

void PlaceCaption(TForm& form, int x, int y, const std::string& text) {
  auto* label = new TCaptionLabel(&form, text);
  const TPoint size = CaptionSize(text);
  label->SetBounds(x, y, size.X, size.Y);
  label->SetParent(&form);
}

void WhenFirstShown(TForm& form, std::function<void()> setup) {
  form.OnShow = [done = false, setup = std::move(setup)](TObject*) mutable {
    if (done) return;
    done = true;
    setup();
  };
}

void BuildPageForm(const Page& page, TForm& form) {
  form.SetBounds(form.Left(), form.Top(), page.width, page.height);
  form.SetCaption(page.title);
  if (page.build) {
    page.build(form);
    return;
  }
  auto picture = std::make_unique<TBitmap>(page.width, page.height);
  if (page.render) page.render(*picture);
  auto* control = new TPagePicture(&form, std::move(picture));
  control->SetBounds(0, 0, page.width, page.height);
  control->SetParent(&form);
}

std::unique_ptr<TBitmap> RenderPage(const Page& page) {
  if (!page.build) {
    auto bitmap = std::make_unique<TBitmap>(page.width, page.height);
    if (page.render) page.render(*bitmap);
    return bitmap;
  }
  TestHost host(page.width, page.height);
  BuildPageForm(page, *host.Form());
  host.Show();
  return host.Snapshot();
}

}  // namespace gallery
