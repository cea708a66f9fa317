// The class record of TFolderTree: the tree view's published properties, its own colour and
// enabling rules, Options, OldTreeStyle and OnDirChanged.
#include "browse/ZEB_FolderTree.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

void RegisterFolderTree() {
  fw::RegisterClass<TFolderTree>("TFolderTree", "TCustomTreeView")
      .Color("Color", &TFolderTree::EnabledColor, &TFolderTree::SetColor, fw::clWindow)
      .StoredIf([](TFolderTree* c) { return !c->ParentColor(); })
      .SetOf("Options", &TFolderTree::Options, &TFolderTree::SetOptions, kFolderOptNames,
             TFolderOptions{})
      .Bool("OldTreeStyle", &TFolderTree::OldTreeStyle, &TFolderTree::SetOldTreeStyle, true)
      .Event("OnChange")
      .Event("OnDirChanged");
}

const bool registered = (RegisterFolderTree(), true);

}  // namespace

}  // namespace zeb
