// The hand-in of a test on the large synthetic book: the history record and the
// automatic notebooks with their saves, against a bare write of the two notebook
// files. Run with --benchmark_repetitions=9 --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>

#include <string>

#include <pugixml.hpp>

#include "BookCopy.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "engine/u08_BussObj_Questions.h"
#include "results/ResultBookkeeping.h"
#include "store/unt99_XMLOpModal_File.h"

namespace {

void StartOnBook()
{
    static const bool started = [] {
        gDataPath = BookCopyFolder();
        gGroupSize = 40;
        CreateStores();
        LoadStores();
        return true;
    }();
    (void)started;
}

// Seven of ten answered right, two wrong, one left open.
TQuestionList2 HandedInTest(std::uint8_t scope, const TQuestionSource& source)
{
    TQuestionList2 questions;
    questions.SetScope(scope);
    questions.SetTestType(1);
    BuildQuestionNumbers(questions, source);
    for (std::int32_t i = 0; i < questions.Count(); ++i) {
        TQuestionItem2* item = questions.Item(i);
        const int kind = i % 10;
        if (kind < 7)
            item->ChooseOption(item->ItemId);
        else if (kind < 9)
            item->ChooseOption(item->ItemId + 1);
    }
    questions.BuildFullView();
    return questions;
}

void HandIn(benchmark::State& state, const TQuestionList2& questions, const char* scopeText)
{
    for (auto _ : state) {
        WriteHistoryRecord(questions, scopeText);
        UpdateAutoNoteBooks(questions);
    }
    state.counters["questions"] = questions.Count();
}

void BM_HandInWholeBook(benchmark::State& state)
{
    StartOnBook();
    TQuestionSource everyWord;
    everyWord.QuestionCount = gWordPackage->Count();
    HandIn(state, HandedInTest(smWholeBook, everyWord), "全书随机抽查");
}
BENCHMARK(BM_HandInWholeBook)->Unit(benchmark::kMillisecond);

void BM_HandInGroupOf40(benchmark::State& state)
{
    StartOnBook();
    TQuestionSource firstGroup;
    firstGroup.WordListIndex = 1;
    firstGroup.GroupNumber = 1;
    HandIn(state, HandedInTest(smWordList, firstGroup), "WL1 第1组");
}
BENCHMARK(BM_HandInGroupOf40)->Unit(benchmark::kMillisecond);

// The floor: the two notebook documents, already in memory, written out atomically.
void BM_BareWriteOfNotebookFiles(benchmark::State& state)
{
    StartOnBook();
    pugi::xml_document words;
    pugi::xml_document sentences;
    words.load_file((gDataPath + "notes2.dat").c_str());
    sentences.load_file((gDataPath + "snotes2.dat").c_str());
    const std::string folder = BookCopyFolder();
    auto write = [](const pugi::xml_document& document, const std::string& path) {
        struct TStringWriter : pugi::xml_writer {
            std::string Text;
            void write(const void* data, std::size_t size) override
            {
                Text.append(static_cast<const char*>(data), size);
            }
        } writer;
        document.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
        return WriteFileAtomically(path, writer.Text);
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(write(words, folder + "bare-notes2.dat"));
        benchmark::DoNotOptimize(write(sentences, folder + "bare-snotes2.dat"));
    }
}
BENCHMARK(BM_BareWriteOfNotebookFiles)->Unit(benchmark::kMillisecond);

void BM_SaveNoteBooks(benchmark::State& state)
{
    StartOnBook();
    for (auto _ : state)
        SaveNoteBooks();
}
BENCHMARK(BM_SaveNoteBooks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
