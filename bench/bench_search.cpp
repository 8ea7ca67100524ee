// Cost of the file search over 500 program directories holding 100,000 files
// against a bare recursive listing of the same tree, and the folders it lists.
#include <benchmark/benchmark.h>
#ifndef _WIN32
#include <dirent.h>
#endif

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "core/common/Text.h"
#include "core/folders/FileSearch.h"
#include "support/ForwardingPlatform.h"
#include "support/Sandbox.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDirectories = 500;
constexpr int kFilesPerDirectory = 200;  // 80 programs, 80 drawings, 40 companions

struct Installation {
    qv::test::MachineSandbox box;
    Installation() {
        for (int d = 0; d < kDirectories; ++d) {
            const std::string folder = box.host("C:\\JOBS\\M1\\Job " + std::to_string(d)) + "/";
            fs::create_directories(folder);
            for (int f = 0; f < kFilesPerDirectory; ++f) {
                const char* extension = f < 80 ? ".prg" : f < 160 ? ".drw" : ".inf";
                const std::string path = folder + "Part" + std::to_string(f % 80 + d) + extension;
                if (std::FILE* file = std::fopen(path.c_str(), "w")) std::fclose(file);
            }
        }
    }
};

qv::test::MachineSandbox& Box() {
    static Installation installation;
    return installation.box;
}

// Counts the listings of each folder, whatever their patterns.
class ListingCounter : public qv::test::ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    std::map<std::string, int> listed;
    qv::Result<std::vector<std::string>> listFiles(const std::string& folder, const std::string& patterns) override {
        ++listed[Key(folder)];
        return ForwardingPlatform::listFiles(folder, patterns);
    }
    qv::Result<std::vector<std::string>> listFolders(const std::string& folder) override {
        ++listed[Key(folder)];
        return ForwardingPlatform::listFolders(folder);
    }
    qv::Result<std::vector<std::string>> listEntries(const std::string& folder, const std::string& patterns) override {
        ++listed[Key(folder)];
        return ForwardingPlatform::listEntries(folder, patterns);
    }

private:
    static std::string Key(std::string folder) {
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        return qv::Upper(folder);
    }
};

// The least a listing of the tree can do: each folder read once, its names
// kept, its sub-folders entered.
void ListTree(const std::string& folder, std::vector<std::string>& names) {
#ifdef _WIN32
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder))
        names.push_back(e.path().filename().string());
#else
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.' && (!e->d_name[1] || (e->d_name[1] == '.' && !e->d_name[2]))) continue;
        names.emplace_back(e->d_name);
        if (e->d_type == DT_DIR) ListTree(folder + "/" + e->d_name, names);
    }
    closedir(dir);
#endif
}

void BM_BareRecursiveListing(benchmark::State& state) {
    const std::string root = Box().host("C:\\JOBS\\M1");
    for (auto _ : state) {
        std::vector<std::string> names;
        ListTree(root, names);
        benchmark::DoNotOptimize(names);
    }
}

// With no text every program and drawing is a hit: the most the search can do.
void BM_Search(benchmark::State& state, const char* text) {
    Box();
    std::size_t hits = 0;
    for (auto _ : state) {
        qv::FileSearch found = qv::SearchFiles("M1", text, qv::DrawingAndProgramFiles);
        hits = found.names.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["hits"] = static_cast<double>(hits);
}

BENCHMARK(BM_BareRecursiveListing)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, Everything, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, Text, "rt12")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* search) {
        const auto a = reporter.times.find(search);
        const auto b = reporter.times.find("BM_BareRecursiveListing");
        if (a == reporter.times.end() || b == reporter.times.end() || b->second.first <= 0) return;
        std::printf("%s / BM_BareRecursiveListing: real %.2f, CPU %.2f (goal at most 1.50)\n", search,
                    a->second.first / b->second.first, a->second.second / b->second.second);
    };
    ratio("BM_Search/Everything");
    ratio("BM_Search/Text");

    ListingCounter counter(Box().platform());
    {
        qv::platform::ScopedPlatform use(counter);
        (void)qv::SearchFiles("M1", "", qv::DrawingAndProgramFiles);
    }
    int repeated = 0;
    for (const auto& [folder, times] : counter.listed)
        if (times > 1) std::printf("  listed %d times: %s\n", times, folder.c_str()), ++repeated;
    std::printf("One search of %d directories, %d files: %zu folders listed, %d of them more than once\n",
                kDirectories, kDirectories * kFilesPerDirectory, counter.listed.size(), repeated);
    benchmark::Shutdown();
    return repeated == 0 ? 0 : 1;
}
