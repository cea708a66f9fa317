// TNumIO: construction, the properties and their rules, the value accessors and Assign.

#include <algorithm>
#include <cmath>

#include "companion/ZEB_univconst.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {

TNumIO::TNumIO(fw::TComponent* AOwner) : fw::TCustomEdit(AOwner) {
  SetTextUnfiltered("");
  // In the form designer the whole double range; created in code only 0 until the range is
  // set (a field read from a form gets its stored range).
  if (AOwner != nullptr && AOwner->ComponentState().Contains(fw::csDesigning)) {
    rangeLow_ = -uc_MaxDouble;
    rangeHigh_ = uc_MaxDouble;
  }
}

bool TNumIO::ConvertNumString(const std::string& text, double& value) const {
  return zeb::ConvertNumString(text, inputFormat_, decPlaceSep_, value);
}

double TNumIO::GetLabValue() const {
  if (kept_ && kept_->text == Text()) return kept_->value;
  return LabTextValue(Text(), inputFormat_, decPlaceSep_);
}

void TNumIO::SetLabValue(double value) {
  RequireFinite(value, "value");
  std::string text = LabValueText(value, inputFormat_, fixPointDecPlaces_);
  // A field that takes only "," as its separator must be able to read back what it shows.
  if (nio::EditSepMode(nio::EditTextSep(inputFormat_, decPlaceSep_)) == 2)
    std::replace(text.begin(), text.end(), '.', ',');
  lastAccepted_ = text;
  SetTextUnfiltered(text);
  // The text may round the value (or show only its low 32 bits): the value itself is kept.
  kept_ = KeptValue{value, text};
}

void TNumIO::RequireFinite(double value, const char* what) const {
  if (std::isfinite(value)) return;
  throw EZEBNumIO2Error("Component \"" + Name() + "\": " + what + " is not a finite number");
}

void TNumIO::SetTextUnfiltered(const std::string& text) {
  // Setting the text it already has calls no Change, so the flag is cleared here as well.
  skipNextChange_ = true;
  SetText(text);
  skipNextChange_ = false;
}

void TNumIO::Refilter() {
  lastAccepted_.clear();
  Change();
}

void TNumIO::SetInputFormat(TInFormat value) {
  if (value == inputFormat_ || value > itDynamic) return;
  inputFormat_ = value;
  kept_.reset();  // the text means another number now
  Refilter();
}

void TNumIO::SetDecPlaceSep(TDecPSep value) {
  if (value == decPlaceSep_ || value > dpBoth) return;
  decPlaceSep_ = value;
  kept_.reset();
  Refilter();
}

void TNumIO::SetFixPointDecPlaces(int value) {
  fixPointDecPlaces_ = std::clamp(value, 1, 8);
}

// Each bound keeps RangeLow <= RangeHigh: a bound set past the other one takes its place
// and the other takes the old value. While a form is read both are stored as they come and
// put in order by Loaded, so the reading order cannot change the range. Non-finite ends
// are refused before anything is stored: NaN fails every comparison and would turn the
// range inside out, and no text reads as an infinity (the scanners stop at +-uc_MaxDouble,
// which is the open end).
void TNumIO::SetRangeLow(double value) {
  RequireFinite(value, "RangeLow");
  if (ComponentState().Contains(fw::csLoading)) {
    rangeLow_ = value;
    return;
  }
  if (value < rangeHigh_) {
    rangeLow_ = value;
  } else {
    rangeLow_ = rangeHigh_;
    rangeHigh_ = value;
  }
  Refilter();
}

void TNumIO::SetRangeHigh(double value) {
  RequireFinite(value, "RangeHigh");
  if (ComponentState().Contains(fw::csLoading)) {
    rangeHigh_ = value;
    return;
  }
  if (value > rangeLow_) {
    rangeHigh_ = value;
  } else {
    rangeHigh_ = rangeLow_;
    rangeLow_ = value;
  }
  Refilter();
}

void TNumIO::Loaded() {
  fw::TCustomEdit::Loaded();
  if (rangeLow_ > rangeHigh_) std::swap(rangeLow_, rangeHigh_);
  Refilter();
}

void TNumIO::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TNumIO*>(Source);
  if (other == nullptr) {
    fw::TCustomEdit::Assign(Source);
    return;
  }
  // The source's range is finite: every way into a range checks that.
  if (other->inputFormat_ != inputFormat_ || other->decPlaceSep_ != decPlaceSep_) kept_.reset();
  inputFormat_ = other->inputFormat_;
  beep_ = other->beep_;
  rangeLow_ = other->rangeLow_;
  rangeHigh_ = other->rangeHigh_;
  decPlaceSep_ = other->decPlaceSep_;
  Refilter();
}

void TNumIO::AssignTo(fw::TPersistent* Dest) {
  if (auto* other = dynamic_cast<TNumIO*>(Dest)) {
    other->Assign(this);
    return;
  }
  fw::TCustomEdit::AssignTo(Dest);
}

}  // namespace zeb
