// Cost of the start-up sequence on a small installation: time, file-system
// calls, and files read or folders listed more than once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/startup/Startup.h"
#include "support/CountingPlatform.h"
#include "support/InstallationFixture.h"

namespace {

using qv::test::CountingPlatform;
using qv::test::InstallationFixture;
using qv::test::InstallationLayout;
using qv::test::MachineLayout;

// Also counts the listings of each folder, whatever their patterns.
class ScanCountingPlatform : public CountingPlatform {
public:
    using CountingPlatform::CountingPlatform;
    std::map<std::string, int> scans;

    qv::Result<std::vector<std::string>> listFiles(const std::string& folder, const std::string& patterns) override {
        ++scans[FolderKey(folder)];
        return CountingPlatform::listFiles(folder, patterns);
    }
    qv::Result<std::vector<std::string>> listFolders(const std::string& folder) override {
        ++scans[FolderKey(folder)];
        return CountingPlatform::listFolders(folder);
    }
    qv::Result<std::vector<std::string>> listEntries(const std::string& folder, const std::string& patterns) override {
        ++scans[FolderKey(folder)];
        return CountingPlatform::listEntries(folder, patterns);
    }

private:
    static std::string FolderKey(std::string folder) {
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        return qv::Upper(folder);
    }
};

// Two machines, three processors, a few default data files and manuals,
// nesting on and the system folder's export settings. The remembered
// directory is gone, so the first start falls back past "EXSUBS".
void Install(InstallationFixture& fixture) {
    InstallationLayout layout;
    layout.currentDirectory = "OLD JOBS";
    layout.machines[0].directories = {"EXSUBS", "JOBS", "Parts"};
    MachineLayout second = qv::test::OtherMachine("2", "Press Two", "PRESS2");
    second.measurement = "IMPERIAL";
    layout.machines.push_back(second);
    layout.processors.push_back({"3", "Trumpf", "trumpfrvs"});
    fixture.install(layout);
    for (int i = 0; i < 10; ++i)
        fixture.write("C:\\QUORVANE\\DATA\\Data\\Default" + std::to_string(i) + ".dat", "data");
    fixture.write("C:\\QUORVANE\\Manuals\\Guide.pdf", "pdf");
    fixture.write("C:\\Program Files\\Adobe\\Acrobat 5.0\\Reader\\AcroRd32.exe", "exe");
    fixture.write("C:\\QUORVANE\\Quornst.exe", "");
    fixture.writeLines("C:\\QUORVANE\\Nesting.cfg", {"C:\\QUORVANE\\Nest.set", "******"});
    fixture.write("C:\\QUORVANE\\Nest.set", "nesting set-up");
    fixture.writeLines("C:\\QUORVANE\\DATA\\Data\\PRESS1.nst", {"Nesting ? : Yes", "******"});
    fixture.writeLines("C:\\QUORVANE\\Export.cfg", {"1", "prg", "3", "2", "C:\\", "******"});
}

// Prints each key counted more than once, or that none was.
void ReportRepeats(const std::map<std::string, int>& counts, const char* verb, const char* none) {
    bool any = false;
    for (const auto& [key, n] : counts) {
        if (n < 2) continue;
        std::printf("  %s %d times: %s\n", verb, n, key.c_str());
        any = true;
    }
    if (!any) std::printf("  %s\n", none);
}

void Report(const char* title, const ScanCountingPlatform& counting) {
    std::printf("%s: %d file-system calls\n", title, counting.totalCalls());
    for (const auto& [operation, n] : counting.calls) std::printf("  %-16s %d\n", operation.c_str(), n);
    ReportRepeats(counting.reads, "read", "no file read more than once");
    ReportRepeats(counting.scans, "listed", "no folder listed more than once");
}

// Counts one first start and one later start before the timed runs.
void CountCalls() {
    InstallationFixture fixture;
    Install(fixture);
    ScanCountingPlatform counting(fixture.platform());
    qv::platform::ScopedPlatform scope(counting);
    qv::Status first = qv::RunStartup();
    Report(first.ok() ? "First start" : first.message().c_str(), counting);
    counting.clear();
    counting.scans.clear();
    qv::Status later = qv::RunStartup();
    Report(later.ok() ? "Later start" : later.message().c_str(), counting);
}

void BM_FirstStart(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto fixture = std::make_unique<InstallationFixture>();
        Install(*fixture);
        state.ResumeTiming();
        qv::Status started = qv::RunStartup();
        if (!started.ok()) state.SkipWithError(started.message().c_str());
        state.PauseTiming();
        fixture.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond);

void BM_LaterStart(benchmark::State& state) {
    InstallationFixture fixture;
    Install(fixture);
    if (!qv::RunStartup().ok()) state.SkipWithError("the first start failed");
    for (auto _ : state) {
        qv::Status started = qv::RunStartup();
        if (!started.ok()) state.SkipWithError(started.message().c_str());
    }
}
BENCHMARK(BM_LaterStart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    CountCalls();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
