// Reading a patch list and collecting its `archive` elements with their two attributes: our
// reader against pugixml on the same generated text, at 50,000 and 500,000 entries.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "patch/patch_list.h"
#include "services/xml/document.h"

namespace {

// About 95 bytes per entry, so 50,000 entries make a list of about 5 MB.
std::string PatchList(int entries) {
  std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<list>\r\n";
  char line[160];
  for (int i = 0; i < entries; ++i) {
    std::snprintf(line, sizeof line,
                  "  <archive filename=\"data\\textures\\region_%02d\\texture_pack_%06d.utx\" "
                  "original=\"%08X\"/>\r\n",
                  i % 100, i, static_cast<unsigned>(i) * 2654435761u);
    text += line;
  }
  text += "</list>\r\n";
  return text;
}

const std::string& CachedPatchList(int entries) {
  static std::map<int, std::string> lists;
  auto [it, added] = lists.try_emplace(entries);
  if (added) it->second = PatchList(entries);
  return it->second;
}

struct Archive {
  std::string filename;
  std::string original;
};

void Report(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["entries"] = static_cast<double>(state.range(0));
}

void BM_Veyra(benchmark::State& state) {
  const std::string& text = CachedPatchList(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    veyra::xml::Document document;
    document.ReadFromString(text);
    veyra::xml::NodeList list;
    document.Root().FindNodes("archive", list);
    std::vector<Archive> archives;
    archives.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
      const veyra::xml::Element& archive = list.Items(i);
      archives.push_back({archive.AttributeByName("filename"), archive.AttributeByName("original")});
    }
    benchmark::DoNotOptimize(archives.data());
  }
  Report(state, text);
}

// Every descendant named "archive", depth-first in document order, like FindNodes.
class ArchiveCollector : public pugi::xml_tree_walker {
 public:
  bool for_each(pugi::xml_node& node) override {
    if (std::strcmp(node.name(), "archive") == 0) {
      archives.push_back({node.attribute("filename").value(), node.attribute("original").value()});
    }
    return true;
  }
  std::vector<Archive> archives;
};

void BM_Pugixml(benchmark::State& state) {
  const std::string& text = CachedPatchList(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    ArchiveCollector collector;
    document.document_element().traverse(collector);
    benchmark::DoNotOptimize(collector.archives.data());
  }
  Report(state, text);
}

// What the patch worker does with the fetched text: line breaks, read, scan entries.
void BM_VeyraScanEntries(benchmark::State& state) {
  const std::string& text = CachedPatchList(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    veyra::xml::Document document;
    veyra::ReadPatchListDocument(text, document);
    benchmark::DoNotOptimize(veyra::CollectScanEntries(document).data());
  }
  Report(state, text);
}

BENCHMARK(BM_Veyra)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pugixml)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VeyraScanEntries)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
