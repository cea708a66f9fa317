// TSdlWindow: opening a form's window, uploading dirty areas of its surface to a streaming
// texture, presenting, and following the form's caption and bounds.
#include "framework/backend/sdl/sdl_window.h"

#include <algorithm>

#include "framework/controls/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

TRect BoundsOf(const TCustomForm* form) {
  return Rect(form->Left(), form->Top(), form->Left() + form->Width(),
              form->Top() + form->Height());
}

uint32_t WindowFlags(const TCustomForm* form) {
  uint32_t flags = SDL_WINDOW_SHOWN;
  switch (form->BorderStyle()) {
    case bsNone:
      flags |= SDL_WINDOW_BORDERLESS;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      flags |= SDL_WINDOW_RESIZABLE;
      break;
    default:
      break;
  }
  return flags;
}

}  // namespace

TSdlWindow::TSdlWindow(TCustomForm* form) : form_(form) {
  bounds_ = BoundsOf(form);
  caption_ = form->Caption();
  // A form left at the origin lets the window manager place its window.
  const bool placed = bounds_.Left != 0 || bounds_.Top != 0;
  const int x = placed ? bounds_.Left : SDL_WINDOWPOS_UNDEFINED;
  const int y = placed ? bounds_.Top : SDL_WINDOWPOS_UNDEFINED;
  window_.reset(SDL_CreateWindow(caption_.c_str(), x, y, std::max(form->Width(), 1),
                                 std::max(form->Height(), 1), WindowFlags(form)));
  if (!window_) throw Exception(std::string("Cannot open a window: ") + SDL_GetError());
  renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
  if (!renderer_) throw Exception(std::string("Cannot draw in a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_.get());
}

TSdlWindow::~TSdlWindow() = default;

void TSdlWindow::Sync() {
  if (form_->Caption() != caption_) {
    caption_ = form_->Caption();
    SDL_SetWindowTitle(window_.get(), caption_.c_str());
  }
  const TRect now = BoundsOf(form_);
  if (now.Width() != bounds_.Width() || now.Height() != bounds_.Height())
    SDL_SetWindowSize(window_.get(), std::max(now.Width(), 1), std::max(now.Height(), 1));
  if (now.Left != bounds_.Left || now.Top != bounds_.Top)
    SDL_SetWindowPosition(window_.get(), now.Left, now.Top);
  bounds_ = now;
}

bool TSdlWindow::UserResized(int width, int height) {
  if (width == bounds_.Width() && height == bounds_.Height()) return false;
  bounds_.Right = bounds_.Left + width;
  bounds_.Bottom = bounds_.Top + height;
  return true;
}

bool TSdlWindow::UserMoved(int left, int top) {
  if (left == bounds_.Left && top == bounds_.Top) return false;
  bounds_ = Rect(left, top, left + bounds_.Width(), top + bounds_.Height());
  return true;
}

bool TSdlWindow::EnsureTexture() {
  const TBitmap* surface = form_->Surface();
  if (!surface || surface->Width() <= 0 || surface->Height() <= 0) return false;
  if (texture_ && textureWidth_ == surface->Width() && textureHeight_ == surface->Height())
    return true;
  texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                   SDL_TEXTUREACCESS_STREAMING, surface->Width(),
                                   surface->Height()));
  textureWidth_ = texture_ ? surface->Width() : 0;
  textureHeight_ = texture_ ? surface->Height() : 0;
  return texture_ != nullptr;
}

TRect TSdlWindow::Present(const TRect& area) {
  const int oldWidth = textureWidth_, oldHeight = textureHeight_;
  if (!EnsureTexture()) return TRect{};
  const TBitmap* surface = form_->Surface();
  // A new texture holds nothing yet: all of it is uploaded.
  TRect wanted = area;
  if (oldWidth != textureWidth_ || oldHeight != textureHeight_)
    wanted = Rect(0, 0, textureWidth_, textureHeight_);
  TRect upload;
  if (IntersectRect(upload, wanted, Rect(0, 0, textureWidth_, textureHeight_))) {
    const SDL_Rect r{upload.Left, upload.Top, upload.Width(), upload.Height()};
    const TPixel* first = surface->ScanLine(upload.Top) + upload.Left;
    // Surface rows lie next to each other, one pixel after another.
    const auto pitch = static_cast<int>(surface->Width() * sizeof(TPixel));
    SDL_UpdateTexture(texture_.get(), &r, first, pitch);
  } else {
    upload = TRect{};
  }
  Redraw();
  return upload;
}

void TSdlWindow::Hide() {
  SDL_HideWindow(window_.get());
}

void TSdlWindow::Redraw() {
  if (!texture_) return;
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
  SDL_RenderPresent(renderer_.get());
}

}  // namespace fw
