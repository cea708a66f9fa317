// panekit-gallery: renders the gallery pages as PNG files (placeholder until the canvas lands).
#include <cstdio>
int main() {
  std::puts("panekit-gallery: no pages yet");
  return 0;
}
