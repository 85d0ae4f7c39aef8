// Time and peak memory of a start on hostile data folders: a process of its own loads the
// stores and builds a test on a Word List and on a notebook, as the screens would.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "engine/u08_BussObj_Questions.h"

namespace fs = std::filesystem;

namespace {

constexpr double cMegabyte = 1024.0 * 1024.0;
constexpr std::size_t cHundredMegabytes = 100u << 20;

// Streams `count` pieces into a file, so the writer never holds the whole of it.
void WritePieces(const fs::path& path, const std::string& head, const std::string& piece, std::size_t count,
                 const std::string& tail)
{
    std::ofstream out(path, std::ios::binary);
    out << head;
    for (std::size_t i = 0; i < count; ++i)
        out << piece;
    out << tail;
}

const std::string cWord = "<ITEM TFN=\"w.mp3\" C=\"n. 词义，释义\" E=\"word\" P=\"wɜːd\"/>";

struct THostileFolder {
    const char* Name;
    std::function<void(const fs::path& data)> Write;
};

const THostileFolder cFolders[] = {
    {"100MB_word_dat_of_words",
     [](const fs::path& data) {
         WritePieces(data / "word.dat", "<PACKAGE>", cWord, cHundredMegabytes / cWord.size(), "</PACKAGE>");
     }},
    {"100MB_word_dat_of_empty_items",
     [](const fs::path& data) {
         WritePieces(data / "word.dat", "<PACKAGE>", "<ITEM/>", cHundredMegabytes / 7, "</PACKAGE>");
     }},
    {"31MB_word_dat_of_empty_items",
     [](const fs::path& data) {
         WritePieces(data / "word.dat", "<PACKAGE>", "<ITEM/>", (31u << 20) / 7, "</PACKAGE>");
     }},
    {"100MB_word_dat_one_attribute",
     [](const fs::path& data) {
         WritePieces(data / "word.dat", "<PACKAGE><ITEM E=\"", "abcdefgh", cHundredMegabytes / 8, "\"/></PACKAGE>");
     }},
    {"100MB_word_dat_not_xml",
     [](const fs::path& data) { WritePieces(data / "word.dat", "<PACKAGE>", "<<<<>>>>", cHundredMegabytes / 8, ""); }},
    {"billion_laughs",
     [](const fs::path& data) {
         std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE PACKAGE [<!ENTITY a0 \"lol\">";
         for (int i = 1; i <= 9; ++i) {
             bomb += "<!ENTITY a" + std::to_string(i) + " \"";
             for (int k = 0; k < 10; ++k)
                 bomb += "&a" + std::to_string(i - 1) + ";";
             bomb += "\">";
         }
         WritePieces(data / "word.dat", bomb + "<PACKAGE>", "<ITEM E=\"&a9;\" C=\"&a9;\"/>", 1000, "</PACKAGE>");
     }},
    {"nesting_1M_deep",
     [](const fs::path& data) {
         WritePieces(data / "word.dat", "<PACKAGE>", "<ITEM E=\"w\">", 1000000, "");
         std::ofstream(data / "word.dat", std::ios::app) << [] {
             std::string closing;
             for (int i = 0; i < 1000000; ++i)
                 closing += "</ITEM>";
             return closing + "</PACKAGE>";
         }();
     }},
    {"1MB_attributes_x20",
     [](const fs::path& data) {
         const std::string huge(1u << 20, 'a');
         WritePieces(data / "word.dat", "<PACKAGE>", "<ITEM E=\"" + huge + "\" C=\"" + huge + "\"/>", 10,
                     "</PACKAGE>");
     }},
    {"numbers_beyond_32_bits",
     [](const fs::path& data) {
         WritePieces(data / "word.dat", "<PACKAGE>", cWord, 100, "</PACKAGE>");
         std::ofstream(data / "word.lst") << "<PACKAGE><ITEM BIDX=\"-2147483648\" EIDX=\"2147483647\"/>"
                                             "<ITEM BIDX=\"1\" EIDX=\"99999999999\"/></PACKAGE>";
     }},
};

void BuildTests()
{
    for (const std::uint8_t scope : {smWordList, smNoteBook}) {
        TQuestionList2 questions;
        questions.SetTestType(4);
        questions.SetScope(scope);
        TQuestionSource source;
        source.NoteBookIndex = 6;
        BuildQuestionNumbers(questions, source);
    }
}

// This program again, as a fresh process that only starts on the folder; its peak in bytes.
double PeakOfStart(const fs::path& data)
{
    const pid_t child = fork();
    if (child == 0) {
        execl("/proc/self/exe", "bench_hostile", "--start", data.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void BM_StartOnHostileFolder(benchmark::State& state, const THostileFolder& folder)
{
    const fs::path data = fs::temp_directory_path() / ("vellora-hostile-" + std::to_string(getpid()));
    fs::remove_all(data);
    fs::create_directories(data);
    folder.Write(data);
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(data))
        bytes += entry.file_size();
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* derived : {"His.dat", "notes2.dat", "snotes2.dat", "WSCross.dat", "wlSen2.dat"})
            fs::remove(data / derived);
        state.ResumeTiming();
        peak = PeakOfStart(data);
    }
    fs::remove_all(data);
    if (peak < 0)
        state.SkipWithError("the start failed");
    state.counters["data_MB"] = static_cast<double>(bytes) / cMegabyte;
    state.counters["peak_MB"] = peak / cMegabyte;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--start") == 0) {
        gDataPath = std::string(argv[2]) + "/";
        CreateStores();
        LoadStores();
        BuildTests();
        return 0;
    }
    for (const THostileFolder& folder : cFolders)
        benchmark::RegisterBenchmark(folder.Name, BM_StartOnHostileFolder, folder)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
