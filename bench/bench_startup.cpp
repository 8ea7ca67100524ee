// Cost of the start-up sequence on a small installation: time, file-system
// calls, and files read more than once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "core/common/State.h"
#include "core/startup/Startup.h"
#include "support/CountingPlatform.h"
#include "support/InstallationFixture.h"

namespace {

using qv::test::CountingPlatform;
using qv::test::InstallationFixture;
using qv::test::InstallationLayout;
using qv::test::MachineLayout;

// Two machines, three processors, a few default data files and manuals.
void Install(InstallationFixture& fixture) {
    InstallationLayout layout;
    MachineLayout second;
    second.number = "2";
    second.name = "Press Two";
    second.folder = "PRESS2";
    second.measurement = "IMPERIAL";
    layout.machines.push_back(second);
    layout.processors.push_back({"3", "Trumpf", "trumpfrvs"});
    fixture.install(layout);
    for (int i = 0; i < 10; ++i)
        fixture.write("C:\\QUORVANE\\DATA\\Data\\Default" + std::to_string(i) + ".dat", "data");
    fixture.write("C:\\QUORVANE\\Manuals\\Guide.pdf", "pdf");
    fixture.write("C:\\Program Files\\Adobe\\Acrobat 5.0\\Reader\\AcroRd32.exe", "exe");
}

void Report(const char* title, const CountingPlatform& counting) {
    std::printf("%s: %d file-system calls\n", title, counting.totalCalls());
    for (const auto& [operation, n] : counting.calls) std::printf("  %-16s %d\n", operation.c_str(), n);
    int twice = 0;
    for (const auto& [path, n] : counting.reads) {
        if (n < 2) continue;
        std::printf("  read %d times: %s\n", n, path.c_str());
        ++twice;
    }
    if (twice == 0) std::printf("  no file read more than once\n");
}

// Counts one first start and one later start before the timed runs.
void CountCalls() {
    InstallationFixture fixture;
    Install(fixture);
    CountingPlatform counting(fixture.platform());
    qv::platform::ScopedPlatform scope(counting);
    qv::Status first = qv::RunStartup();
    Report(first.ok() ? "First start" : first.message().c_str(), counting);
    counting.clear();
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
