// The palette registry.
#include "framework/design/palette.h"

#include <algorithm>

#include "framework/base/registry.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

std::vector<TPalettePage>& Pages() {
  static std::vector<TPalettePage> pages;
  return pages;
}

const ClassRecord& CheckedRecord(const std::string& page, TComponentClass type) {
  const ClassRecord* record = ClassRecordOfType(type);
  if (record == nullptr)
    throw EInvalidOperation("Palette page " + page + ": the class " + type.name() +
                            " has no class record");
  if (!IsA(*record, "TComponent") || !record->factory)
    throw EInvalidOperation("Palette page " + page + ": " + record->name +
                            " is not a component that can be created");
  return *record;
}

}  // namespace

void RegisterComponents(const std::string& page, const std::vector<TComponentClass>& classes) {
  if (page.empty()) throw EInvalidOperation("A palette page needs a name");
  std::vector<const ClassRecord*> records;
  for (TComponentClass type : classes) records.push_back(&CheckedRecord(page, type));

  auto& pages = Pages();
  auto it = std::find_if(pages.begin(), pages.end(),
                         [&](const TPalettePage& p) { return SameText(p.name, page); });
  if (it == pages.end()) it = pages.insert(pages.end(), TPalettePage{page, {}});
  for (const ClassRecord* record : records)
    if (std::find(it->classes.begin(), it->classes.end(), record) == it->classes.end())
      it->classes.push_back(record);
}

void RegisterComponents(const std::string& page, std::initializer_list<TComponentClass> classes) {
  RegisterComponents(page, std::vector<TComponentClass>(classes));
}

const std::vector<TPalettePage>& PalettePages() {
  return Pages();
}

const TPalettePage* FindPalettePage(const std::string& page) {
  for (const TPalettePage& p : Pages())
    if (SameText(p.name, page)) return &p;
  return nullptr;
}

void UnregisterPalettePage(const std::string& page) {
  std::erase_if(Pages(), [&](const TPalettePage& p) { return SameText(p.name, page); });
}

}  // namespace fw
