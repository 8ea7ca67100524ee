// Cost of mapping Windows names onto host files: exact and case-mismatched
// names in folders of 1,000, 10,000 and 100,000 files, against a bare stat.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/CaseFold.h"
#include "platform/PosixPlatform.h"

namespace {

const char* const kRoot = "/tmp/qv-bench-paths";
const int kSizes[] = {1000, 10000, 100000};
const int kLookups = 10000;

std::string FolderOf(int size) { return std::string(kRoot) + "/F" + std::to_string(size); }
std::string NameOf(int i) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "Part_%06d.Prg", i);
    return buffer;
}

int CountEntries(const std::string& folder) {
    int count = 0;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir))
            if (e->d_name[0] != '.') ++count;
        closedir(dir);
    }
    return count;
}

/// Makes the folders, keeping any left complete by an earlier run.
void MakeFolders() {
    mkdir(kRoot, 0755);
    for (int size : kSizes) {
        std::string folder = FolderOf(size);
        if (CountEntries(folder) == size) continue;
        mkdir(folder.c_str(), 0755);
        // One call per empty file, half of open and close.
        for (int i = 0; i < size; ++i) mknod((folder + "/" + NameOf(i)).c_str(), S_IFREG | 0644, 0);
    }
    std::string map = std::string("C, ") + kRoot + ", fixed\n";
    int fd = open((std::string(kRoot) + "/Drives.cfg").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        if (write(fd, map.data(), map.size()) < 0) perror("Drives.cfg");
        close(fd);
    }
}

void RemoveFolders() {
    for (int size : kSizes) {
        std::string folder = FolderOf(size);
        for (int i = 0; i < size; ++i) unlink((folder + "/" + NameOf(i)).c_str());
        rmdir(folder.c_str());
    }
    unlink((std::string(kRoot) + "/Drives.cfg").c_str());
    rmdir(kRoot);
}

enum class Kind { BareStat, Exact, Mismatched };

/// The 10,000 names looked up in a folder, spread over all its files.
std::vector<std::string> Names(int size, Kind kind) {
    std::vector<std::string> names;
    for (int k = 0; k < kLookups; ++k) {
        int i = static_cast<int>((static_cast<long long>(k) * size / kLookups + k) % size);
        std::string name = NameOf(i);
        if (kind == Kind::BareStat) names.push_back(FolderOf(size) + "/" + name);
        else if (kind == Kind::Exact) names.push_back("C:\\F" + std::to_string(size) + "\\" + name);
        else names.push_back("c:\\f" + std::to_string(size) + "\\" + qv::platform::FoldCase(name));
    }
    return names;
}

qv::platform::PosixPlatform& SharedPlatform() {
    // Shared by all runs, so a folder is scanned once, not once per run.
    static qv::platform::PosixPlatform platform(std::string(kRoot) + "/Drives.cfg");
    return platform;
}

void Lookups(benchmark::State& state, int size, Kind kind) {
    qv::platform::PosixPlatform& platform = SharedPlatform();
    std::vector<std::string> names = Names(size, kind);
    // The folder's one scan is not part of the steady cost; it is shown apart.
    if (kind == Kind::Mismatched) platform.fileExists(names[0]);
    std::int64_t found = 0;
    for (auto _ : state) {
        for (const auto& name : names) {
            struct stat st {};
            bool exists = kind == Kind::BareStat ? stat(name.c_str(), &st) == 0 : platform.fileExists(name);
            found += exists;
        }
    }
    if (found != static_cast<std::int64_t>(state.iterations()) * kLookups) state.SkipWithError("a name was not found");
    state.SetItemsProcessed(state.iterations() * kLookups);
}

/// Collects the processor time per lookup of every run for the summary: on
/// a shared machine it varies far less than the wall-clock time.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            std::string name = run.benchmark_name();
            name = name.substr(0, name.find("/min_time"));
            nsPerLookup[name] = run.cpu_accumulated_time * 1e9 / static_cast<double>(run.iterations) / kLookups;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nsPerLookup;
};

double At(const Collector& c, const char* kind, int size) {
    auto it = c.nsPerLookup.find(std::string(kind) + "/" + std::to_string(size));
    return it == c.nsPerLookup.end() ? 0.0 : it->second;
}

/// Milliseconds of the first case-mismatched lookup in a folder: its scan.
double FirstScanMs(int size) {
    qv::platform::PosixPlatform platform(std::string(kRoot) + "/Drives.cfg");
    std::string name = Names(size, Kind::Mismatched)[0];
    auto start = std::chrono::steady_clock::now();
    bool found = platform.fileExists(name);
    auto end = std::chrono::steady_clock::now();
    return found ? std::chrono::duration<double, std::milli>(end - start).count() : -1.0;
}

void PrintSummary(const Collector& c) {
    std::printf("\nProcessor time per lookup (ns):\n%-12s %10s %10s %10s\n", "", "1000", "10000", "100000");
    for (const char* kind : {"BareStat", "Exact", "Mismatched"})
        std::printf("%-12s %10.0f %10.0f %10.0f\n", kind, At(c, kind, 1000), At(c, kind, 10000), At(c, kind, 100000));
    std::printf("\nLargest / smallest across folder sizes (goal at most 2x):\n");
    for (const char* kind : {"Exact", "Mismatched"}) {
        double lo = 1e300, hi = 0;
        for (int size : kSizes) {
            lo = std::min(lo, At(c, kind, size));
            hi = std::max(hi, At(c, kind, size));
        }
        std::printf("  %-10s %.2fx\n", kind, lo > 0 ? hi / lo : 0.0);
    }
    std::printf("Exact-case against a bare stat (goal at most 1.5x):\n");
    for (int size : kSizes) {
        double bare = At(c, "BareStat", size);
        std::printf("  %6d files: %.2fx\n", size, bare > 0 ? At(c, "Exact", size) / bare : 0.0);
    }
    std::printf("Case-mismatched against a bare stat:\n");
    for (int size : kSizes) {
        double bare = At(c, "BareStat", size);
        std::printf("  %6d files: %.2fx\n", size, bare > 0 ? At(c, "Mismatched", size) / bare : 0.0);
    }
    std::printf("First case-mismatched lookup in a folder (its one scan):\n");
    for (int size : kSizes) std::printf("  %6d files: %.1f ms\n", size, FirstScanMs(size));
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    auto start = std::chrono::steady_clock::now();
    MakeFolders();
    std::printf("Folders ready in %.1f s\n", SecondsSince(start));
    for (int size : kSizes) {
        std::string suffix = "/" + std::to_string(size);
        benchmark::RegisterBenchmark(("BareStat" + suffix).c_str(), Lookups, size, Kind::BareStat)->MinTime(0.2);
        benchmark::RegisterBenchmark(("Exact" + suffix).c_str(), Lookups, size, Kind::Exact)->MinTime(0.2);
        benchmark::RegisterBenchmark(("Mismatched" + suffix).c_str(), Lookups, size, Kind::Mismatched)->MinTime(0.2);
    }
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    PrintSummary(collector);
    benchmark::Shutdown();
    start = std::chrono::steady_clock::now();
    RemoveFolders();
    std::printf("Folders removed in %.1f s\n", SecondsSince(start));
    return 0;
}
