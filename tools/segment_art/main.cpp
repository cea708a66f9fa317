// panekit-segment-art: draws the seven-segment display's segment images and writes them as
// PNG files into the folder given (resources/ of the source tree):
//   panekit-segment-art resources
#include <cstdio>
#include <exception>
#include <string>

#include "tools/segment_art/segment_shapes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  try {
    for (const segment_art::SegmentImage& s : segment_art::DrawSegmentImages()) {
      const std::string path = std::string(argv[1]) + "/" + s.name + ".png";
      s.image->SaveToFile(path);
      std::printf("%s\n", path.c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
