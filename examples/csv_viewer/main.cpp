// A CSV viewer: shows a CSV file (the first line holds the column names) in a report list.
// Typing in the filter field moves the matching rows to the top and greys the others; a
// click on a column header sorts by that column; the buttons export the list as XML and
// HTML beside the CSV file.
//
//   csv_viewer [FILE.csv]             opens the file (a built-in sample without one)
//   csv_viewer [FILE.csv] --filter TEXT --xml FILE.xml --html FILE.html --out FILE.png
//                                     the same without a window: filters, exports and writes
//                                     a picture of the viewer
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "framework/controls/application.h"
#include "framework/controls/control_picture.h"
#include "framework/controls/form.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"
#include "replist/ZEB_replist.h"
#ifdef PANEKIT_HAVE_SDL
#include "framework/backend/sdl/sdl_backend.h"
#endif

namespace {

const char* const kSample =
    "Element,Symbol,Number,Mass,Group\n"
    "Hydrogen,H,1,1.008,Nonmetal\n"
    "Helium,He,2,4.0026,Noble gas\n"
    "Lithium,Li,3,6.94,Alkali metal\n"
    "Beryllium,Be,4,9.0122,Alkaline earth metal\n"
    "Boron,B,5,10.81,Metalloid\n"
    "Carbon,C,6,12.011,Nonmetal\n"
    "Nitrogen,N,7,14.007,Nonmetal\n"
    "Oxygen,O,8,15.999,Nonmetal\n"
    "Fluorine,F,9,18.998,Halogen\n"
    "Neon,Ne,10,20.180,Noble gas\n"
    "Sodium,Na,11,22.990,Alkali metal\n"
    "Magnesium,Mg,12,24.305,Alkaline earth metal\n"
    "Aluminium,Al,13,26.982,Post-transition metal\n"
    "Silicon,Si,14,28.085,Metalloid\n"
    "Phosphorus,P,15,30.974,Nonmetal\n"
    "Sulfur,S,16,32.06,Nonmetal\n"
    "Chlorine,Cl,17,35.45,Halogen\n"
    "Argon,Ar,18,39.948,Noble gas\n";

struct Options {
  std::string csv;  // empty: the built-in sample
  std::string filter;
  std::string xml;
  std::string html;
  std::string out;
};

// The sample as a file the list can import; removed again when it goes out of scope.
class SampleFile {
 public:
  SampleFile() : path_(std::filesystem::temp_directory_path() / "csv_viewer_sample.csv") {
    std::ofstream(path_) << kSample;
  }
  ~SampleFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  SampleFile(const SampleFile&) = delete;
  SampleFile& operator=(const SampleFile&) = delete;
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

class Viewer {
 public:
  // Exports go to `exportBase` with the extension .xml or .html.
  Viewer(const std::string& csvPath, const std::string& title, std::filesystem::path exportBase)
      : form_(std::make_unique<fw::TForm>(nullptr)), exportBase_(std::move(exportBase)) {
    form_->SetCaption("CSV viewer - " + title);
    form_->SetBounds(100, 100, 560, 420);

    auto* caption = new fw::TLabel(form_.get());
    caption->SetParent(form_.get());
    caption->SetBounds(10, 14, 40, 16);
    caption->SetCaption("Filter:");

    filter_ = new fw::TEdit(form_.get());
    filter_->SetParent(form_.get());
    filter_->SetBounds(55, 10, 255, 24);
    filter_->OnChange = [this](fw::TObject*) { ApplyFilter(); };

    AddButton(320, "Export XML", [this] { ExportXml(ExportPath(".xml")); });
    AddButton(435, "Export HTML", [this] { ExportHtml(ExportPath(".html")); });

    list_ = new zeb::TReportListView(form_.get());
    list_->SetParent(form_.get());
    list_->SetBounds(10, 44, 540, 340);
    list_->SetRowSelectMode(1);
    list_->SetSortEnabled(true);  // a click on a column header sorts
    list_->ImportCSV(csvPath, zeb::csvAuto, true);
    list_->SetCommonHeader(title);
    list_->SetCommonHeaderVisible(true);
    list_->FitAllColWidths(list_->NrOfColumns(), true, 4, 200, 8);

    form_->OnClose = [](fw::TObject*, fw::TCloseAction&) { fw::Application->Terminate(); };
  }

  fw::TForm& Form() { return *form_; }
  zeb::TReportListView& List() { return *list_; }
  void SetFilter(const std::string& text) { filter_->SetText(text); }

  void ExportXml(const std::filesystem::path& path) { list_->SaveAsXMLFile(path.string(), ""); }
  void ExportHtml(const std::filesystem::path& path) {
    list_->ExportHTMLTable(path.string(), 1, 1, list_->NrOfColumns(), list_->NrOfRows(), {}, 1, 4,
                           0, true, "", "#d0d8e8", "");
  }

 private:
  template <typename Action>
  void AddButton(int x, const std::string& text, Action action) {
    auto* button = new fw::TSpeedButton(form_.get());
    button->SetParent(form_.get());
    button->SetBounds(x, 10, 110, 24);
    button->SetCaption(text);
    button->OnClick = [action](fw::TObject*) { action(); };
  }

  std::filesystem::path ExportPath(const char* extension) const {
    return std::filesystem::path(exportBase_).replace_extension(extension);
  }

  // Matching rows first, the others greyed below them; the header's sort order is kept.
  void ApplyFilter() {
    const zeb::TRLData& data = *list_->Data();
    list_->FilterAndSort(filter_->Text(), {}, false, zeb::fmSimple, data.SortColumn(),
                         data.HeaderClickAscending());
  }

  std::unique_ptr<fw::TForm> form_;
  std::filesystem::path exportBase_;
  fw::TEdit* filter_ = nullptr;
  zeb::TReportListView* list_ = nullptr;
};

int Run(const Options& options) {
  const bool headless = !options.out.empty();
#ifdef PANEKIT_HAVE_SDL
  std::unique_ptr<fw::TSdlBackend> window;
  if (!headless) {
    window = std::make_unique<fw::TSdlBackend>();
    fw::SetBackend(window.get());
  }
  struct Uninstall {
    ~Uninstall() { fw::SetBackend(nullptr); }
  } uninstall;
#else
  if (!headless) {
    std::fprintf(stderr, "csv_viewer: built without windows; use --out FILE.png\n");
    return 2;
  }
#endif
  std::unique_ptr<SampleFile> sample;
  if (options.csv.empty()) sample = std::make_unique<SampleFile>();
  const std::string path = sample ? sample->Path() : options.csv;
  const std::string title =
      sample ? "The first elements" : std::filesystem::path(options.csv).filename().string();
  // The sample's exports go to the current folder, a file's beside it.
  Viewer viewer(path, title, sample ? "csv_viewer_sample" : options.csv);
  if (!options.filter.empty()) viewer.SetFilter(options.filter);
  if (!options.xml.empty()) viewer.ExportXml(options.xml);
  if (!options.html.empty()) viewer.ExportHtml(options.html);

  if (headless) {
    // Shown once, with what the form does when it appears, then pictured.
    viewer.Form().Show();
    fw::Application->ProcessMessages();
    fw::SaveControlPicture(viewer.Form(), options.out);
    return 0;
  }
  fw::Application->SetMainForm(&viewer.Form());
  fw::Application->Run();
  return 0;
}

bool ReadOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
      options.out = argv[++i];
    } else if (std::strcmp(argv[i], "--filter") == 0 && hasValue) {
      options.filter = argv[++i];
    } else if (std::strcmp(argv[i], "--xml") == 0 && hasValue) {
      options.xml = argv[++i];
    } else if (std::strcmp(argv[i], "--html") == 0 && hasValue) {
      options.html = argv[++i];
    } else if (argv[i][0] != '-' && options.csv.empty()) {
      options.csv = argv[i];
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ReadOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: csv_viewer [FILE.csv] [--filter TEXT] [--xml FILE] [--html FILE] "
                 "[--out FILE.png]\n");
    return 2;
  }
  try {
    return Run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "csv_viewer: %s\n", e.what());
    return 1;
  }
}
