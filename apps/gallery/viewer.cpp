// Viewer: the pages' forms, switching between them with Page Up and Page Down, and the run of
// the windowed program.
#include "apps/gallery/viewer.h"

#include <cstdio>
#include <exception>

#include "framework/controls/application.h"
#ifdef PANEKIT_HAVE_SDL
#include "framework/backend/sdl/sdl_backend.h"
#endif

namespace gallery {

using namespace fw;

Viewer::Viewer(std::vector<Page> pages) : pages_(std::move(pages)), forms_(pages_.size()) {}

Viewer::~Viewer() {
  for (auto& form : forms_) form.reset();
}

TForm* Viewer::Form(int index) const {
  return index >= 0 && index < PageCount() ? forms_[index].get() : nullptr;
}

void Viewer::Build(int index) {
  auto form = std::make_unique<TForm>(nullptr);
  const Page& page = pages_[index];
  try {
    BuildPageForm(page, *form);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "panekit-gallery: page %s: %s\n", page.name.c_str(), e.what());
  }
  form->SetCaption(page.title + "  (" + std::to_string(index + 1) + "/" +
                   std::to_string(PageCount()) + ", Page Up / Page Down)");
  // The form sees every key first, so the page keys work whatever control has the focus.
  form->SetKeyPreview(true);
  form->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) { KeyDown(key); };
  form->OnClose = [](TObject*, TCloseAction&) { Application->Terminate(); };
  forms_[index] = std::move(form);
}

void Viewer::KeyDown(uint16_t& key) {
  if (key != VK_NEXT && key != VK_PRIOR) return;
  const int next = current_ + (key == VK_NEXT ? 1 : -1);
  key = 0;
  // Switching hides the form whose key handler runs: the loop does it afterwards.
  Application->Post([self = std::weak_ptr<Viewer*>(self_), next] {
    if (auto viewer = self.lock()) (*viewer)->ShowPage(next);
  });
}

void Viewer::ShowPage(int index) {
  if (pages_.empty()) return;
  index = ((index % PageCount()) + PageCount()) % PageCount();
  if (index == current_) return;
  if (!forms_[index]) Build(index);
  TForm* next = forms_[index].get();
  if (TForm* shown = CurrentForm()) {
    next->SetBounds(shown->Left(), shown->Top(), next->Width(), next->Height());
    shown->Hide();
  }
  current_ = index;
  next->Show();
}

int FindPage(const std::vector<Page>& pages, const std::string& name) {
  for (size_t i = 0; i < pages.size(); ++i)
    if (pages[i].name == name) return static_cast<int>(i);
  return -1;
}

#ifdef PANEKIT_HAVE_SDL

int RunWindows(std::vector<Page> pages, int first) {
  std::unique_ptr<TSdlBackend> backend;
  try {
    backend = std::make_unique<TSdlBackend>();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "panekit-gallery: %s\n", e.what());
    return 1;
  }
  SetBackend(backend.get());
  struct Uninstall {
    ~Uninstall() { SetBackend(nullptr); }
  } uninstall;
  Viewer viewer(std::move(pages));
  viewer.ShowPage(first);
  Application->Run();
  return 0;
}

#else

int RunWindows(std::vector<Page>, int) {
  std::fprintf(stderr, "panekit-gallery: built without SDL2, no windows\n");
  return 1;
}

#endif

}  // namespace gallery
