// panekit-check-images: draws the table editor's two menu check images and writes them as PNG
// files into the folder given (resources/ of the source tree):
//   panekit-check-images resources
#include <cstdio>
#include <exception>
#include <string>

#include "ntabed/ntabed_checkimages.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  try {
    for (const bool checked : {true, false}) {
      const std::string path =
          std::string(argv[1]) + "/" + (checked ? "CHECKEDBOX" : "EMPTYBOX") + ".png";
      zeb::DrawMenuCheckImage(checked)->SaveToFile(path);
      std::printf("%s\n", path.c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
