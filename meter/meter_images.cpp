// TMeter: the background and anchor image files, and the evaluation after loading a form.
#include "framework/rtl/files.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

void TMeter::SetBakGndFname(const std::string& fileName) {
  if (fw::FileExists(fileName)) {
    backGroundImg_ = fileName;
    backgroundBitmap_->LoadFromFile(fileName);  // a load error reaches the caller
  } else {
    backGroundImg_.clear();
  }
  tiles_.reset();
  Redraw();
}

// Loads the anchor image and its mask; a file that cannot be read empties the name. The
// mask is white where the image is black (the face shows through there) and black elsewhere.
void TMeter::LoadAnchorImage(const std::string& fileName) {
  try {
    anchorBitmap_->LoadFromFile(fileName);
    anchorMask_->LoadFromFile(fileName);
  } catch (const fw::Exception&) {
    anchorImage_.clear();
    return;
  }
  for (int y = 0; y < anchorMask_->Height(); ++y) {
    fw::TPixel* row = anchorMask_->ScanLine(y);
    for (int x = 0; x < anchorMask_->Width(); ++x) row[x] = (row[x] & 0xFFFFFF) == 0 ? 0xFFFFFF : 0;
  }
}

void TMeter::SetACoverFname(const std::string& fileName) {
  if (fw::FileExists(fileName)) {
    anchorImage_ = fileName;
    LoadAnchorImage(fileName);
  } else {
    anchorImage_.clear();
  }
  Redraw();
}

// Values were stored raw while reading; the value is brought into the range now. A
// logarithmic flag read beside a range that cannot carry it is dropped, as its setter does.
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
  if (!anchorImage_.empty()) LoadAnchorImage(anchorImage_);
  Redraw();
}

}  // namespace zeb
