// Folder tree and tree view benchmarks: opening a folder that holds 100,000 subfolders, empty
// or each with a folder inside (with the heap bytes each new node keeps), and a full repaint of a
// 400 x 600 tree view with 100,000 expanded nodes against one with 100, scrolled to the middle,
// through PaintTo.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "browse/ZEB_FolderTree.h"
#include "framework/backend/headless/test_host.h"
#include "framework/comctrls/treeview.h"
#include "framework/graphics/bitmap.h"

namespace {

namespace fs = std::filesystem;

// A folder with `count` subfolders d000000 ..., each empty or holding one folder "inner",
// made once per run (in memory when /dev/shm is there, so the figure is the tree's, not the
// disk's) and removed at exit.
class WideFolder {
 public:
  WideFolder(int count, bool nested) {
    std::error_code ec;
    const fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "foldertree-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    path_ = fs::canonical(pattern).string() + "/";
    char name[16];
    for (int i = 0; i < count; ++i) {
      std::snprintf(name, sizeof name, "d%06d", i);
      fs::create_directory(path_ + name, ec);
      if (nested) fs::create_directory(path_ + name + "/inner", ec);
    }
  }
  ~WideFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Arg 0: empty subfolders (their link counts tell there is nothing below); arg 1: each holds a
// folder, so each is opened to find it.
void BM_FolderTreeExpandWideFolder(benchmark::State& state) {
  static WideFolder empty(100000, false);
  static WideFolder nested(100000, true);
  const WideFolder& folder = state.range(0) == 0 ? empty : nested;
  double bytesPerNode = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto tree = std::make_unique<zeb::TFolderTree>(nullptr);
    tree->SetBounds(0, 0, 400, 600);
    tree->SetRootPath(folder.Path());  // the top node stands for the folder, not yet read
    fw::TTreeNode* node = tree->Items()->GetFirstNode();
    const std::size_t before = mallinfo2().uordblks;
    state.ResumeTiming();
    node->Expand(false);
    state.PauseTiming();
    const std::size_t after = mallinfo2().uordblks;
    // The placeholder children are nodes too.
    bytesPerNode = double(after - before) / double(tree->Items()->Count() - 1);
    const int read = node->Count();
    tree.reset();
    if (read != 100000) {
      state.SkipWithError(("read " + std::to_string(read) + " folders").c_str());
      break;
    }
    state.ResumeTiming();
  }
  state.counters["heap bytes/node"] = bytesPerNode;
}
BENCHMARK(BM_FolderTreeExpandWideFolder)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Names of one length in both trees, so both draw the same text.
std::string Name(const char* kind, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "%s %06d", kind, number);
  return name;
}

// `nodes` nodes: branches of up to 1,000 children each, every branch expanded.
void BM_TreeViewFullRepaint(benchmark::State& state) {
  const int nodes = int(state.range(0));
  auto tree = std::make_unique<fw::TTreeView>(nullptr);
  tree->SetBounds(0, 0, 400, 600);
  fw::TTreeNodes* items = tree->Items();
  items->BeginUpdate();
  for (int made = 0; made < nodes;) {
    fw::TTreeNode* branch = items->AddChild(nullptr, Name("Branch", made));
    ++made;
    for (int i = 0; i < 999 && made < nodes; ++i, ++made)
      items->AddChild(branch, Name("Folder", made));
  }
  items->EndUpdate();
  tree->FullExpand();
  tree->SetSelected(tree->VisibleNodes()[tree->VisibleNodes().size() / 2]);
  fw::TBitmap page;
  page.SetSize(400, 600);
  for (auto _ : state) {
    tree->PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
  state.counters["rows"] = double(tree->VisibleNodes().size());
}
BENCHMARK(BM_TreeViewFullRepaint)->Arg(100000)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
