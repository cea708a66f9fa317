// TStrings: list operations built on the storage interface, files and streams, update
// nesting and string comparison.
#include "framework/rtl/strings.h"

#include <algorithm>
#include <cctype>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/scope_guard.h"
#include "framework/rtl/streams.h"

namespace fw {

void TStrings::IndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
}

void TStrings::Put(int index, const std::string& s) {
  TObject* object = Objects(index);
  TUpdateHold hold(*this);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::Objects(int index) const {
  CheckIndex(index);
  return nullptr;
}

void TStrings::PutObject(int index, TObject* /*object*/) {
  CheckIndex(index);
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

int TStrings::Add(const std::string& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& other) {
  // Copy first: other may be this list.
  std::vector<std::pair<std::string, TObject*>> items;
  for (int i = 0; i < other.Count(); ++i) items.emplace_back(other.Strings(i), other.Objects(i));
  TUpdateHold hold(*this);
  for (const auto& [text, object] : items) AddObject(text, object);
}

void TStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  TUpdateHold hold(*this);
  Clear();
  AddStrings(other);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Strings(i) != other.Strings(i)) return false;
  return true;
}

void TStrings::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  if (index1 == index2) return;
  const std::string s1 = Strings(index1);
  TObject* o1 = Objects(index1);
  TUpdateHold hold(*this);
  Put(index1, Strings(index2));
  PutObject(index1, Objects(index2));
  Put(index2, s1);
  PutObject(index2, o1);
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  const std::string s = Strings(curIndex);
  TObject* object = Objects(curIndex);
  TUpdateHold hold(*this);
  Delete(curIndex);
  InsertObject(newIndex, s, object);
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string s = Strings(i);
    const size_t separator = s.find(nameValueSeparator_);
    if (separator != std::string::npos &&
        CompareStrings(std::string_view(s).substr(0, separator), name) == 0)
      return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == object) return i;
  return -1;
}

void TStrings::LoadFromStream(TStream& stream) {
  const int64_t size = stream.Size() - stream.Position();
  std::string text(static_cast<size_t>(std::max<int64_t>(size, 0)), '\0');
  stream.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  std::string_view view(text);
  if (view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3);
  SetText(view);
}

void TStrings::SaveToStream(TStream& stream) const {
  const std::string text = Text();
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  --updateCount_;
  if (updateCount_ == 0) SetUpdateState(false);
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int ca = static_cast<unsigned char>(a[i]);
    int cb = static_cast<unsigned char>(b[i]);
    if (!caseSensitive_) {
      ca = ca < 128 ? std::tolower(ca) : ca;
      cb = cb < 128 ? std::tolower(cb) : cb;
    }
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace fw
