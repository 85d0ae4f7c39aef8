// The stores against a bare pugixml parse of the same files, on the large
// synthetic book. Run with --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true for medians.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include "SyntheticBook.h"
#include "store/u08_BussObj.h"
#include "store/u09_BussObj.h"

namespace {

std::string BookFile(const char* name)
{
    return SyntheticBookFolder() + "/" + name;
}

// WSCross.dat as the program writes it after building the index.
const std::string& CrossFile()
{
    static const std::string path = [] {
        TSentenceList sentences;
        sentences.LoadFromFile(BookFile("sens.dat"));
        TWordSenCross cross;
        cross.Build(sentences);
        cross.SaveToFile(BookFile("WSCross.dat"));
        return BookFile("WSCross.dat");
    }();
    return path;
}

const char* const cFiles[] = {"word.dat", "word.lst", "sens.dat", "His.dat", "notes2.dat", "snotes2.dat",
                              "WSCross.dat"};

std::string FileOfRange(const benchmark::State& state)
{
    const char* name = cFiles[state.range(0)];
    return std::string(name) == "WSCross.dat" ? CrossFile() : BookFile(name);
}

void BM_BareParse(benchmark::State& state)
{
    const std::string path = FileOfRange(state);
    state.SetLabel(cFiles[state.range(0)]);
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.c_str()));
    }
}
BENCHMARK(BM_BareParse)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

template <typename TStore>
bool LoadInto(const std::string& path)
{
    TStore store;
    return store.LoadFromFile(path);
}

void BM_StoreLoad(benchmark::State& state)
{
    const std::string path = FileOfRange(state);
    state.SetLabel(cFiles[state.range(0)]);
    using TLoader = bool (*)(const std::string&);
    const TLoader loaders[] = {LoadInto<TWordPackage>,        LoadInto<TWordList>,      LoadInto<TSentenceList>,
                               LoadInto<TTestHistoryPackage>, LoadInto<TNoteBookList2>, LoadInto<TNoteBookList2>,
                               LoadInto<TWordSenCross>};
    const TLoader load = loaders[state.range(0)];
    for (auto _ : state)
        if (!load(path))
            state.SkipWithError("load failed");
}
BENCHMARK(BM_StoreLoad)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void BM_CrossIndexBuild(benchmark::State& state)
{
    TSentenceList sentences;
    sentences.LoadFromFile(BookFile("sens.dat"));
    for (auto _ : state) {
        TWordSenCross cross;
        cross.Build(sentences);
        benchmark::DoNotOptimize(cross.WordKeys().size());
    }
}
BENCHMARK(BM_CrossIndexBuild)->Unit(benchmark::kMillisecond);

TTextList Numbers(std::int32_t first, std::int32_t last)
{
    TTextList texts;
    for (std::int32_t n = first; n <= last; ++n)
        texts.push_back(std::to_string(n));
    return texts;
}

// 20,000 new numbers added to a 20,000-member notebook, then removed again.
void BM_NoteBookAddThenRemove(benchmark::State& state)
{
    TNoteBook2 noteBook;
    noteBook.SetItems(Numbers(1, 20000));
    const TTextList others = Numbers(20001, 40000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(noteBook.AddItems(others));
        benchmark::DoNotOptimize(noteBook.RemoveItems(others));
    }
}
BENCHMARK(BM_NoteBookAddThenRemove)->Unit(benchmark::kMillisecond);

void BM_NoteBookSave(benchmark::State& state)
{
    const char* name = state.range(0) == 0 ? "notes2.dat" : "snotes2.dat";
    state.SetLabel(name);
    TNoteBookList2 noteBooks;
    noteBooks.LoadFromFile(BookFile(name));
    const std::string target = BookFile(state.range(0) == 0 ? "notes2-copy.dat" : "snotes2-copy.dat");
    for (auto _ : state)
        if (!noteBooks.SaveToFile(target))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_NoteBookSave)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
