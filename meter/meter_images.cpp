// TMeter: the background and anchor image files, and the evaluation after loading a form.
#include <utility>

#include "framework/rtl/files.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

// The name is stored only once its picture is in: a file that cannot be read raises the
// load error with name and picture as they were (the bitmap keeps its pixels on failure).
void TMeter::SetBakGndFname(const std::string& fileName) {
  if (fw::FileExists(fileName)) {
    backgroundBitmap_->LoadFromFile(fileName);
    backGroundImg_ = fileName;
  } else {
    backGroundImg_.clear();
  }
  tiles_.reset();
  Redraw();
}

// Picture and mask are built aside and taken over together, so a failure leaves both as they
// were. The mask is white where the picture is black (the face shows through there) and
// black elsewhere.
bool TMeter::LoadAnchorImage(const std::string& fileName) {
  auto picture = std::make_unique<fw::TBitmap>();
  try {
    picture->LoadFromFile(fileName);
  } catch (const fw::Exception&) {
    return false;
  }
  auto mask = std::make_unique<fw::TBitmap>();
  mask->Assign(picture.get());
  for (int y = 0; y < mask->Height(); ++y) {
    fw::TPixel* row = mask->ScanLine(y);
    for (int x = 0; x < mask->Width(); ++x) row[x] = (row[x] & 0xFFFFFF) == 0 ? 0xFFFFFF : 0;
  }
  anchorBitmap_ = std::move(picture);
  anchorMask_ = std::move(mask);
  return true;
}

// A picture that cannot be read is swallowed and leaves name and picture as they were.
void TMeter::SetACoverFname(const std::string& fileName) {
  if (!fw::FileExists(fileName))
    anchorImage_.clear();
  else if (LoadAnchorImage(fileName))
    anchorImage_ = fileName;
  Redraw();
}

// Values were stored raw while reading; the value is brought into the range now. A
// logarithmic flag read beside a range that cannot carry it is dropped, as its setter does.
// The pictures are read again; one that cannot be read now empties its name.
void TMeter::Loaded() {
  TGraphicControl::Loaded();
  value_ = Clamped(value_);
  if (logarithmic_ && (minValue_ <= 1e-100 || maxValue_ <= 1e-100)) logarithmic_ = false;
  if (!backGroundImg_.empty()) {
    try {
      backgroundBitmap_->LoadFromFile(backGroundImg_);
    } catch (const fw::Exception&) {
      backGroundImg_.clear();
    }
    tiles_.reset();
  }
  if (!anchorImage_.empty() && !LoadAnchorImage(anchorImage_)) anchorImage_.clear();
  Redraw();
}

}  // namespace zeb
