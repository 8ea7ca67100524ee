// Cost of the file and directory lists against a bare folder listing and sort.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "RatioReporter.h"
#include "core/folders/DirectoryLists.h"
#include "support/Sandbox.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPrograms = 20000;
constexpr int kDirectories = 500;

// One installation for every benchmark, removed at exit: a program
// directory of 20,000 programs and a second machine with 500 program
// directories.
struct Installation {
    qv::test::MachineSandbox box;
    Installation() {
        box.makeFolder("C:\\JOBS\\M1\\P1");
        const std::string programs = box.host("C:\\JOBS\\M1\\P1\\");
        for (int i = 0; i < kPrograms; ++i) {
            std::FILE* f = std::fopen((programs + "Part" + std::to_string(i) + ".prg").c_str(), "w");
            if (f) std::fclose(f);
        }
        for (int i = 0; i < kDirectories; ++i) box.makeFolder("C:\\JOBS\\M2\\Job " + std::to_string(i));
    }
};

qv::test::MachineSandbox& Box() {
    static Installation installation;
    return installation.box;
}

std::vector<std::string> BareListing(const std::string& hostFolder, bool folders) {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(hostFolder)) {
        if (folders ? e.is_directory() : e.is_regular_file()) names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void BM_BareFileListing(benchmark::State& state) {
    const std::string folder = Box().host("C:\\JOBS\\M1\\P1");
    for (auto _ : state) benchmark::DoNotOptimize(BareListing(folder, false));
}

void BM_FillFileList(benchmark::State& state) {
    Box();
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::FillFileList("M1", "P1", "Part19999", qv::SelectCurrent,
                                                  qv::ProgramFiles, ""));
}

void BM_BareDirectoryListing(benchmark::State& state) {
    const std::string folder = Box().host("C:\\JOBS\\M2");
    for (auto _ : state) benchmark::DoNotOptimize(BareListing(folder, true));
}

void BM_FillDirectoryList(benchmark::State& state) {
    Box();
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::FillDirectoryList("M2", "Job 250", true, true, qv::SelectCurrent));
}

BENCHMARK(BM_BareFileListing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillFileList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDirectoryListing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillDirectoryList)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* list, const char* bare) {
        const auto a = reporter.times.find(list);
        const auto b = reporter.times.find(bare);
        if (a == reporter.times.end() || b == reporter.times.end()) return;
        if (b->second.first <= 0 || b->second.second <= 0) return;
        std::printf("%s / %s: real %.2f, CPU %.2f (goal at most 1.50)\n", list, bare,
                    a->second.first / b->second.first, a->second.second / b->second.second);
    };
    ratio("BM_FillFileList", "BM_BareFileListing");
    ratio("BM_FillDirectoryList", "BM_BareDirectoryListing");
    benchmark::Shutdown();
    return 0;
}
