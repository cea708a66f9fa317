// Fuzz target: form text for any registered class, built from the input through the class
// records (which know every published property and its type), read as a form and, for a
// control, painted at a size also taken from the input. Any value a form file can carry must
// either be refused while reading (an fw::Exception, which is a clear error) or give a
// component that takes its size and paints; a crash, a hang, undefined behaviour or an
// exception out of sizing or painting is a fault.
//
// Input: byte 0 picks the class (registered classes with a factory, by name); bytes 1..4 give
// the control's width and height (0..65535 each) and bytes 5..6 the part of it that is painted;
// then each property assignment is one byte that picks a property (nested properties of object
// properties such as Font.Size included) followed by the bytes of its value.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "companion/ZEB_dstruct.h"
#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/controls/control.h"
#include "framework/graphics/bitmap.h"

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  uint64_t Bits(int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | Byte();
    return value;
  }
  std::string Text(size_t length) {
    length = std::min(length, size_ - std::min(pos_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// A property that form text can set: its path ("Font.Size") and its record.
struct Settable {
  std::string path;
  const fw::PropertyRecord* record;
};

bool Writable(const fw::PropertyRecord& p) {
  return p.set && p.kind != fw::TPropertyKind::Object && p.kind != fw::TPropertyKind::Component;
}

// The class's settable properties and those of its object properties, one level deep (the
// nested object's class is learnt from a scratch instance).
std::vector<Settable> SettablesOf(const fw::ClassRecord& cls) {
  std::vector<Settable> out;
  std::unique_ptr<fw::TComponent> scratch(cls.factory(nullptr));
  for (const fw::PropertyRecord* p : fw::AllProperties(cls)) {
    if (Writable(*p)) out.push_back({p->name, p});
    if (p->kind != fw::TPropertyKind::Object || !p->get) continue;
    const fw::PropertyValue value = p->get(scratch.get());
    auto* object = std::get_if<fw::TPersistent*>(&value);
    if (object == nullptr || *object == nullptr) continue;
    if (const fw::ClassRecord* inner = fw::ClassRecordOf(**object))
      for (const fw::PropertyRecord* q : fw::AllProperties(*inner))
        if (Writable(*q)) out.push_back({p->name + "." + q->name, q});
  }
  return out;
}

struct Catalogue {
  std::vector<const fw::ClassRecord*> classes;
  std::map<const fw::ClassRecord*, std::vector<Settable>> settables;
};

const Catalogue& Classes() {
  static const Catalogue catalogue = [] {
    Catalogue c;
    for (const fw::ClassRecord* cls : fw::RegisteredClasses())
      if (cls->factory) c.classes.push_back(cls);
    std::sort(c.classes.begin(), c.classes.end(),
              [](auto* a, auto* b) { return a->name < b->name; });
    for (const fw::ClassRecord* cls : c.classes) c.settables[cls] = SettablesOf(*cls);
    return c;
  }();
  return catalogue;
}

int64_t IntegerOf(Input& in) {
  static const int64_t kEdges[] = {0,
                                   1,
                                   -1,
                                   2,
                                   255,
                                   256,
                                   65535,
                                   65536,
                                   1 << 20,
                                   std::numeric_limits<int32_t>::max(),
                                   std::numeric_limits<int32_t>::min(),
                                   std::numeric_limits<int64_t>::max(),
                                   std::numeric_limits<int64_t>::min()};
  const uint8_t how = in.Byte();
  if (how < 64) return kEdges[how % std::size(kEdges)];
  if (how < 128) return static_cast<int8_t>(in.Byte());
  if (how < 192) return static_cast<int32_t>(in.Bits(4));
  return static_cast<int64_t>(in.Bits(8));
}

double DoubleOf(Input& in) {
  static const double kEdges[] = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  1e-300,
                                  1e300,
                                  -1e308,
                                  1e308,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::lowest(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
  const uint8_t how = in.Byte();
  if (how < 96) return kEdges[how % std::size(kEdges)];
  if (how < 160) return static_cast<int8_t>(in.Byte()) / 4.0;
  const uint64_t bits = in.Bits(8);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string TextOf(Input& in) {
  // Names that a file property may be given on purpose: a device, a folder, a missing file.
  static const char* const kNames[] = {"", "/dev/zero", "/tmp", "/nonexistent/picture.bmp",
                                       "/dev/null"};
  const uint8_t how = in.Byte();
  if (how < 40) return kNames[how % std::size(kNames)];
  return in.Text(how - 40u);
}

fw::PropertyValue ValueOf(const fw::PropertyRecord& p, Input& in) {
  switch (p.kind) {
    case fw::TPropertyKind::Integer:
      return IntegerOf(in);
    case fw::TPropertyKind::Double:
      return DoubleOf(in);
    case fw::TPropertyKind::Boolean:
      return (in.Byte() & 1) != 0;
    case fw::TPropertyKind::String:
      return TextOf(in);
    case fw::TPropertyKind::Color:
      return static_cast<fw::TColor>(in.Bits(4));
    case fw::TPropertyKind::Enum:
      return static_cast<int64_t>(in.Byte() % std::max<size_t>(p.valueNames.size(), 1));
    case fw::TPropertyKind::Set: {
      const size_t n = std::min<size_t>(p.valueNames.size(), 63);
      return in.Bits(8) & ((uint64_t{1} << n) - 1);
    }
    case fw::TPropertyKind::Char:
      return static_cast<char32_t>(in.Bits(3) % 0x110000);
    case fw::TPropertyKind::Strings: {
      std::vector<std::string> lines(in.Byte() % 6);
      for (std::string& line : lines) line = TextOf(in);
      return lines;
    }
    default:
      return int64_t{0};
  }
}

// The form text: the class, then the chosen assignments in the order the input gives them.
std::string FormText(const fw::ClassRecord& cls, const std::vector<Settable>& settables,
                     Input& in) {
  std::string text = "object Fuzzed: " + cls.name + "\n";
  for (int n = 0; n < 24 && !in.Empty() && !settables.empty(); ++n) {
    const Settable& s = settables[in.Byte() % settables.size()];
    std::string value;
    try {
      value = fw::PropertyValueText(*s.record, ValueOf(*s.record, in));
    } catch (const fw::Exception&) {
      continue;  // a value form text has no way to write
    }
    text += "  " + s.path + " = " + value + "\n";
  }
  return text + "end\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Tables as large as half the machine's memory are valid, but slow to build and free under
  // the sanitizers and beyond the fuzzer's memory; 4 MB of tables take the same paths.
  static const bool limited = (zeb::TStringArray::SetDefaultMemoryLimit(size_t{4} << 20), true);
  (void)limited;
  const Catalogue& catalogue = Classes();
  if (size < 7 || catalogue.classes.empty()) return 0;
  Input in(data, size);
  const fw::ClassRecord& cls = *catalogue.classes[in.Byte() % catalogue.classes.size()];
  const int width = static_cast<int>(in.Bits(2));
  const int height = static_cast<int>(in.Bits(2));
  const int fromX = in.Byte() * std::max(width, 1) / 256;
  const int fromY = in.Byte() * std::max(height, 1) / 256;
  const std::string text = FormText(cls, catalogue.settables.at(&cls), in);

  std::unique_ptr<fw::TComponent> component;
  try {
    component = fw::ReadForm(text);
  } catch (const fw::Exception&) {
    return 0;  // refused with a clear error
  }
  auto* control = dynamic_cast<fw::TControl*>(component.get());
  if (control == nullptr) return 0;
  try {
    control->SetBounds(0, 0, width, height);
    fw::TBitmap target(160, 120);
    control->PaintTo(target.Canvas(), -fromX, -fromY);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s raised while sizing or painting: %s\n%s", cls.name.c_str(), e.what(),
                 text.c_str());
    __builtin_trap();
  }
  return 0;
}
