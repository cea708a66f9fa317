// Report list exchange at one million rows by eight columns of 8-character texts: XML written
// to and read from memory, CSV written to and read from a file, and clipboard copies of
// 100,000 rows. Throughput counts the bytes of the text produced or read.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "framework/controls/clipboard.h"
#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 8;
constexpr int kClipRows = 100000;

std::unique_ptr<zeb::TRLData> MakeList() {
  auto store = std::make_unique<zeb::TRLData>(nullptr);
  store->SetNrCols(kCols);
  store->SetNrRows(kRows);
  std::mt19937 random(4711);
  std::string text(8, ' ');
  for (int c = 1; c <= kCols; ++c) {
    store->SetColName(c, "Column " + std::to_string(c));
    for (int r = 1; r <= kRows; ++r) {
      for (char& ch : text) {
        const int k = static_cast<int>(random() % 52);
        ch = static_cast<char>(k < 26 ? 'a' + k : 'A' + k - 26);
      }
      // Now and then a character that needs escaping or quoting.
      if (r % 16 == 0) text[3] = c % 2 == 0 ? '&' : ',';
      store->SetElem(c, r, text);
    }
  }
  store->SetColCheckMode(2, zeb::cmBox);
  return store;
}

zeb::TRLData& List() {
  static const std::unique_ptr<zeb::TRLData> store = MakeList();
  return *store;
}

const std::string& Xml() {
  static const std::string xml = [] {
    fw::TStringStream stream;
    List().WriteToXMLStream(stream, true, "bench");
    return stream.DataString();
  }();
  return xml;
}

// On disk (saving syncs the file), or in the memory file system, where the sync costs
// nothing and the figure is that of producing and writing the text.
std::string CsvName(const char* folder = "/tmp") {
  return std::string(folder) + "/bench_replist_io_" + std::to_string(::getpid()) + ".csv";
}

// Into a stream whose memory was written before (the writer's own speed), and into a new
// stream each time, which adds what the system takes to hand out that much new memory.
void BM_XmlWrite(benchmark::State& state) {
  zeb::TRLData& list = List();
  fw::TMemoryStream stream;
  list.WriteToXMLStream(stream, true, "bench");
  int64_t bytes = 0;
  for (auto _ : state) {
    stream.SetPosition(0);
    list.WriteToXMLStream(stream, true, "bench");
    bytes += stream.Position();
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_XmlWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_XmlWriteNewStream(benchmark::State& state) {
  zeb::TRLData& list = List();
  int64_t bytes = 0;
  for (auto _ : state) {
    fw::TMemoryStream stream;
    list.WriteToXMLStream(stream, true, "bench");
    bytes += stream.Size();
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_XmlWriteNewStream)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_XmlRead(benchmark::State& state) {
  const std::string& xml = Xml();
  zeb::TRLData target(nullptr);
  for (auto _ : state) target.ReadFromXMLString(xml, "bench");
  state.SetBytesProcessed(static_cast<int64_t>(xml.size()) * state.iterations());
}
BENCHMARK(BM_XmlRead)->Unit(benchmark::kMillisecond)->Iterations(3);

void CsvWrite(benchmark::State& state, const std::string& name) {
  zeb::TRLData& list = List();
  int64_t bytes = 0;
  for (auto _ : state) {
    list.ExportCSV(name, zeb::csvComma, true, false);
    state.PauseTiming();
    if (std::FILE* f = std::fopen(name.c_str(), "rb")) {
      std::fseek(f, 0, SEEK_END);
      bytes += std::ftell(f);
      std::fclose(f);
    }
    state.ResumeTiming();
  }
  std::remove(name.c_str());
  state.SetBytesProcessed(bytes);
}
void BM_CsvWrite(benchmark::State& state) {
  CsvWrite(state, CsvName());
}
BENCHMARK(BM_CsvWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CsvWriteWithoutSync(benchmark::State& state) {
  if (::access("/dev/shm", W_OK) != 0) {
    state.SkipWithError("no memory file system at /dev/shm");
    return;
  }
  CsvWrite(state, CsvName("/dev/shm"));
}
BENCHMARK(BM_CsvWriteWithoutSync)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CsvRead(benchmark::State& state) {
  const std::string name = CsvName();
  List().ExportCSV(name, zeb::csvComma, true, false);
  std::FILE* f = std::fopen(name.c_str(), "rb");
  std::fseek(f, 0, SEEK_END);
  const int64_t size = std::ftell(f);
  std::fclose(f);
  zeb::TRLData target(nullptr);
  for (auto _ : state) target.ImportCSV(name, zeb::csvComma, true);
  std::remove(name.c_str());
  state.SetBytesProcessed(size * state.iterations());
}
BENCHMARK(BM_CsvRead)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CopyToClipboard(benchmark::State& state) {
  zeb::TRLData& list = List();
  const bool tabbed = state.range(0) != 0;
  for (auto _ : state) list.CopyToClipBoard(1, 1, kCols, kClipRows, true, tabbed);
  state.SetLabel(tabbed ? "tabbed" : "padded");
}
BENCHMARK(BM_CopyToClipboard)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
