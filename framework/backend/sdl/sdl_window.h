// One form's window in the windowed backend: the SDL window, its renderer and the streaming
// texture the form's surface is uploaded to, kept in line with the form's caption and bounds.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "framework/rtl/types.h"

namespace fw {

class TCustomForm;

class TSdlWindow {
 public:
  // Opens a window of the form's size and caption; raises fw::Exception when SDL refuses.
  explicit TSdlWindow(TCustomForm* form);
  ~TSdlWindow();
  TSdlWindow(const TSdlWindow&) = delete;
  TSdlWindow& operator=(const TSdlWindow&) = delete;

  TCustomForm* Form() const { return form_; }
  SDL_Window* Window() const { return window_.get(); }
  uint32_t Id() const { return id_; }

  // Brings the window's caption, size and position in line with the form where the program
  // changed them since the last time.
  void Sync();
  // Uploads `area` of the form's surface (clipped to it) to the texture and presents the
  // window. Answers the area uploaded (empty when there was nothing to upload).
  TRect Present(const TRect& area);
  // Takes the window off the screen (it stays open until destroyed).
  void Hide();
  // Presents the texture again without uploading (the window was exposed).
  void Redraw();
  // The user resized or moved the window: true when the form's bounds must follow, which
  // are then taken as in line with the window.
  bool UserResized(int width, int height);
  bool UserMoved(int left, int top);

 private:
  struct Destroy {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  };
  // A texture of the surface's size (none for an empty surface).
  bool EnsureTexture();

  TCustomForm* form_;
  std::unique_ptr<SDL_Window, Destroy> window_;
  std::unique_ptr<SDL_Renderer, Destroy> renderer_;
  std::unique_ptr<SDL_Texture, Destroy> texture_;
  uint32_t id_ = 0;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
  std::string caption_;  // the caption and bounds last brought in line
  TRect bounds_;
};

}  // namespace fw
