// Start-up of the real program on the offscreen platform until its main window is shown,
// on the sample book and on the large synthetic book, beside (a) a bare Qt program showing
// one empty 800x600 window and (b) LoadStores alone. Every start is a fresh process: its
// time runs from the fork to the moment it reports, its peak memory is the kernel's. The
// first start of a program folder decodes the main window's pictures and keeps them in the
// picture cache; it is reported on its own, and the measured starts are the ones after it.
// Goals: the program's start <= 1.2 x (a + b) on both books; its peak memory on the large
// book <= 2 x that of (a) plus 4 x the data folder.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "SyntheticBook.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int cStarts = 7;
constexpr double cMegabyte = 1024.0 * 1024.0;

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct TStart {
    double Seconds = -1;
    double PeakBytes = 0;
};

// Runs the program with the extra environment and reads the moment it reports.
TStart Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment)
{
    std::vector<std::string> environment(extraEnvironment);
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0)
        return {};
    const long long started = MonotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return {};
    return {static_cast<double>(std::atoll(text.c_str()) - started) / 1e9,
            static_cast<double>(usage.ru_maxrss) * 1024.0};
}

std::uintmax_t FolderBytes(const fs::path& folder)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

// A child's peak memory counts the memory of this process at the fork: work that grows this
// process is done in a child of its own, so that every measured start sees a small parent.
void InChildProcess(const std::function<void()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

// The large synthetic book, written by a child into a folder of this process.
fs::path LargeBook()
{
    static const fs::path folder = [] {
        const fs::path book = fs::temp_directory_path() / ("vellora-startup-book-" + std::to_string(getpid()));
        fs::create_directories(book);
        setenv("VELLORA_BENCH_BOOK", book.c_str(), 1);
        InChildProcess([] { SyntheticBookFolder(); });
        return book;
    }();
    return folder;
}

// A program folder of its own for each book: the executable linked in, data/ holding the
// book after a first start (so the derived files exist), the pictures, sounds and help of
// the built program folder, and a runtime folder of its own for the single-copy lock.
class TProgramFolder {
public:
    TProgramFolder(const std::string& name, const fs::path& bookFolder)
    {
        Root = fs::temp_directory_path() / ("vellora-startup-" + name + "-" + std::to_string(getpid()));
        fs::remove_all(Root);
        fs::create_directories(Data());
        fs::create_directories(Runtime());
        fs::permissions(Runtime(), fs::perms::owner_all);
        for (const char* file : {"word.dat", "word.lst", "sens.dat", "His.dat", "notes2.dat", "snotes2.dat"})
            if (fs::exists(bookFolder / file))
                fs::copy_file(bookFolder / file, Data() / file);
        std::error_code error;
        fs::create_hard_link(VELLORA_PROGRAM, Program(), error);
        if (error)
            fs::copy_file(VELLORA_PROGRAM, Program());
        for (const char* folder : {"Pic", "sound", "help"})
            if (fs::exists(fs::path(VELLORA_APP_DIR) / folder))
                fs::create_directory_symlink(fs::path(VELLORA_APP_DIR) / folder, Root / folder);
        InChildProcess([this] {
            gDataPath = Data().string() + "/";
            CreateStores();
            LoadStores();
        });
    }
    ~TProgramFolder()
    {
        std::error_code ignored;
        fs::remove_all(Root, ignored);
    }

    fs::path Data() const { return Root / "data"; }
    fs::path Runtime() const { return Root / "runtime"; }
    fs::path Cache() const { return Root / "cache"; }
    std::string Program() const { return (Root / "vellora").string(); }

    fs::path Root;
};

const fs::path& SampleBook() { static const fs::path folder = fs::path(VELLORA_APP_DIR) / "data"; return folder; }

TProgramFolder& Book(const std::string& name)
{
    static TProgramFolder sample("sample", SampleBook());
    static TProgramFolder large("large", LargeBook());
    return name == "sample" ? sample : large;
}

std::map<std::string, std::vector<TStart>>& Results()
{
    static std::map<std::string, std::vector<TStart>> results;
    return results;
}

void Measure(benchmark::State& state, const std::string& key, const std::vector<std::string>& arguments,
             const std::vector<std::string>& environment)
{
    std::vector<TStart>& starts = Results()[key];
    for (auto _ : state) {
        const TStart start = Spawn(arguments, environment);
        if (start.Seconds < 0) {
            state.SkipWithError("the process did not report");
            return;
        }
        state.SetIterationTime(start.Seconds);
        starts.push_back(start);
    }
    double peak = 0;
    for (const TStart& start : starts)
        peak = std::max(peak, start.PeakBytes);
    state.counters["peak_MB"] = peak / cMegabyte;
}

void BM_BareQtWindow(benchmark::State& state)
{
    Measure(state, "bare", {BARE_QT_WINDOW}, {"QT_QPA_PLATFORM=offscreen"});
}
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Iterations(cStarts)->Unit(benchmark::kMillisecond);

void BM_LoadStoresAlone(benchmark::State& state, const std::string& book)
{
    Measure(state, "load " + book, {"/proc/self/exe", "--load-stores", Book(book).Data().string()}, {});
}
BENCHMARK_CAPTURE(BM_LoadStoresAlone, sample, std::string("sample"))
    ->UseManualTime()->Iterations(cStarts)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadStoresAlone, large, std::string("large"))
    ->UseManualTime()->Iterations(cStarts)->Unit(benchmark::kMillisecond);

void BM_ProgramStart(benchmark::State& state, const std::string& book)
{
    const TProgramFolder& folder = Book(book);
    const std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen", "VELLORA_QUIT_WHEN_SHOWN=1",
                                                  "XDG_RUNTIME_DIR=" + folder.Runtime().string(),
                                                  "XDG_CACHE_HOME=" + folder.Cache().string()};
    if (!fs::exists(folder.Cache())) {
        const TStart first = Spawn({folder.Program()}, environment);
        state.counters["first_start_ms"] = first.Seconds * 1e3;
    }
    Measure(state, "program " + book, {folder.Program()}, environment);
}
BENCHMARK_CAPTURE(BM_ProgramStart, sample, std::string("sample"))
    ->UseManualTime()->Iterations(cStarts)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ProgramStart, large, std::string("large"))
    ->UseManualTime()->Iterations(cStarts)->Unit(benchmark::kMillisecond);

double MedianSeconds(const std::string& key)
{
    std::vector<double> seconds;
    for (const TStart& start : Results()[key])
        seconds.push_back(start.Seconds);
    if (seconds.empty())
        return -1;
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

double PeakBytes(const std::string& key)
{
    double peak = 0;
    for (const TStart& start : Results()[key])
        peak = std::max(peak, start.PeakBytes);
    return peak;
}

void PrintGoals()
{
    const double bare = MedianSeconds("bare");
    std::printf("\nMedians of %d starts:\n", cStarts);
    for (const std::string book : {"sample", "large"}) {
        const double load = MedianSeconds("load " + book);
        const double program = MedianSeconds("program " + book);
        const double limit = 1.2 * (bare + load);
        std::printf("  %-6s program %7.1f ms, bare window %6.1f ms + LoadStores %6.1f ms; goal <= %7.1f ms: %s\n",
                    book.c_str(), program * 1e3, bare * 1e3, load * 1e3, limit * 1e3,
                    program >= 0 && program <= limit ? "met" : "MISSED");
    }
    const double data = static_cast<double>(FolderBytes(Book("large").Data()));
    const double peak = PeakBytes("program large");
    const double peakLimit = 2 * PeakBytes("bare") + 4 * data;
    std::printf("  peak memory on the large book %.1f MB (bare window %.1f MB, data folder %.1f MB); "
                "goal <= %.1f MB: %s\n",
                peak / cMegabyte, PeakBytes("bare") / cMegabyte, data / cMegabyte, peakLimit / cMegabyte,
                peak > 0 && peak <= peakLimit ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--load-stores") == 0) {
        gDataPath = std::string(argv[2]) + "/";
        CreateStores();
        LoadStores();
        std::printf("%lld\n", MonotonicNanoseconds());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    PrintGoals();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(LargeBook(), ignored);
    return 0;
}
