// LoadStores on the large synthetic book against a bare pugixml parse of its files,
// and the peak memory of a process that runs it. Run with --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true for medians.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <pugixml.hpp>

#include "BookCopy.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"

namespace fs = std::filesystem;

namespace {

const char* const cDataFiles[] = {"word.dat",    "word.lst",    "sens.dat",    "His.dat",
                                  "notes2.dat",  "snotes2.dat", "WSCross.dat", "wlSen2.dat"};

// The book with every file present: the first start writes the derived ones.
const std::string& PreparedBook()
{
    static const std::string folder = [] {
        gDataPath = BookCopyFolder();
        CreateStores();
        LoadStores();
        return BookCopyFolder();
    }();
    return folder;
}

void RemoveDerivedFiles(const std::string& folder)
{
    fs::remove(folder + "WSCross.dat");
    fs::remove(folder + "wlSen2.dat");
}

void BM_BareParseOfEveryDataFile(benchmark::State& state)
{
    const std::string folder = PreparedBook();
    for (auto _ : state) {
        for (const char* name : cDataFiles) {
            pugi::xml_document document;
            benchmark::DoNotOptimize(document.load_file((folder + name).c_str()));
        }
    }
}
BENCHMARK(BM_BareParseOfEveryDataFile)->Unit(benchmark::kMillisecond);

void BM_LoadStores(benchmark::State& state)
{
    gDataPath = PreparedBook();
    for (auto _ : state) {
        CreateStores();
        LoadStores();
    }
}
BENCHMARK(BM_LoadStores)->Unit(benchmark::kMillisecond);

void BM_LoadStoresWithoutDerivedFiles(benchmark::State& state)
{
    gDataPath = PreparedBook();
    for (auto _ : state) {
        state.PauseTiming();
        RemoveDerivedFiles(gDataPath);
        state.ResumeTiming();
        CreateStores();
        LoadStores();
    }
}
BENCHMARK(BM_LoadStoresWithoutDerivedFiles)->Unit(benchmark::kMillisecond);

std::uintmax_t FolderBytes(const std::string& folder)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

// The peak resident size of this process so far, in bytes.
long long PeakResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    return -1;
}

// Runs this program again as a fresh process that only loads the book, and reads its peak.
long long PeakOfFreshLoad(const std::string& folder)
{
    int output[2];
    if (pipe(output) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        execl("/proc/self/exe", "bench_pub_object", "--peak-of-load", folder.c_str(), nullptr);
        _exit(127);
    }
    close(output[1]);
    char text[64] = {};
    const ssize_t length = read(output[0], text, sizeof text - 1);
    close(output[0]);
    waitpid(child, nullptr, 0);
    return length > 0 ? std::atoll(text) : -1;
}

void BM_PeakMemoryOfLoadStores(benchmark::State& state)
{
    const bool derivedMissing = state.range(0) != 0;
    const std::string folder = PreparedBook();
    const double megabyte = 1024.0 * 1024.0;
    const double dataBytes = static_cast<double>(FolderBytes(folder));
    long long peak = -1;
    for (auto _ : state) {
        state.PauseTiming();
        if (derivedMissing)
            RemoveDerivedFiles(folder);
        state.ResumeTiming();
        peak = PeakOfFreshLoad(folder);
    }
    if (peak < 0)
        state.SkipWithError("the measuring process failed");
    state.SetLabel(derivedMissing ? "derived files missing" : "every file present");
    state.counters["peak_MB"] = static_cast<double>(peak) / megabyte;
    state.counters["data_MB"] = dataBytes / megabyte;
    state.counters["goal_MB"] = (4 * dataBytes) / megabyte + 20;
}
BENCHMARK(BM_PeakMemoryOfLoadStores)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak-of-load") == 0) {
        gDataPath = argv[2];
        CreateStores();
        LoadStores();
        std::printf("%lld\n", PeakResidentBytes());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
