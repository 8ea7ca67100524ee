// Cost of accepting a reverse run on a large drawing against a plain file
// copy, its peak memory, and how building the review records grows with the
// program's length.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/common/State.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ReviewRecords.h"
#include "support/InstallationFixture.h"

namespace fs = std::filesystem;

namespace {

constexpr int kEntities = 200000;
const char* const kDrawing = "C:\\QUORVANE\\JOBS\\BIG.drw";

struct Installation {
    qv::test::InstallationFixture fixture;
    Installation() {
        qv::State().Config.SystemFolder = qv::test::InstallationFixture::System;
        qv::State().Mach.ClampRangeCount = 1;
        qv::State().Mach.ClampRanges[0] = {0, 5000};
        qv::ReverseRunState& run = qv::ReverseRun();
        run.TurretTools[3].Defined = true;
        run.TurretTools[3].Shape = 'A';
        run.TurretTools[3].Size = {10, 0, 0, 0};
        run.TurretTools[3].StationCode = 45;
        writeDrawing();
    }
    // Written a block at a time so that making it does not raise the peak.
    void writeDrawing() {
        fixture.makeFolder("C:\\QUORVANE\\JOBS");
        std::ofstream out(host(kDrawing), std::ios::binary | std::ios::trunc);
        qv::DrawingRecord header;
        header.LevelNumber = 1000;
        out << qv::EncodeDrawingRecord(header);
        // Only kinds an acceptance keeps: every run, the first one in main()
        // included, accepts a drawing of the same size.
        const std::int16_t codes[] = {210, 210, 120, 230, 110, 355, 152, 220};
        std::string block;
        for (int i = 0; i < kEntities; ++i) {
            qv::DrawingRecord r;
            r.EntityCode = codes[i % 8];
            r.Doubles6 = {i * 1.0, i * 2.0, 0, 0, 0, 0};
            r.Tool.Station = static_cast<std::int16_t>(i % 5);
            r.Tool.IndexAngle = 30;
            block += qv::EncodeDrawingRecord(r);
            if (block.size() > (1u << 20)) {
                out << block;
                block.clear();
            }
        }
        out << block;
    }
    void prepareAccept() {
        qv::ReversePath path{"C:\\QUORVANE\\JOBS\\BIG", "BIG", "JOBS", "M1"};
        (void)qv::WriteReversePath(std::string(qv::test::InstallationFixture::System) + "Reverse.pth", path);
        qv::ReverseRun().ProgramPath = path.ProgramPath;
    }
    std::string host(const std::string& path) const { return fixture.host(path); }
};

Installation& Install() {
    static Installation installation;
    return installation;
}

std::map<std::string, double> g_seconds;  // per iteration, by benchmark

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_CopyFile(benchmark::State& state) {
    const std::string from = Install().host(kDrawing);
    const std::string to = Install().host("C:\\QUORVANE\\JOBS\\COPY.drw");
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    fs::remove(to);
    g_seconds["copy"] = total / static_cast<double>(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(from)));
}
BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AcceptResult(benchmark::State& state) {
    Install();
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Install().prepareAccept();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const qv::Outcome outcome = qv::AcceptResult({"1000", "500", "250", "750"});
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!outcome.done()) state.SkipWithError("not accepted");
    }
    g_seconds["accept"] = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AcceptResult)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReviewRecords(benchmark::State& state) {
    const auto lines = state.range(0);
    const std::string program = "C:\\QUORVANE\\JOBS\\LONG.prg";
    {
        std::ofstream out(Install().host(program), std::ios::binary | std::ios::trunc);
        for (std::int64_t i = 0; i < lines; ++i) out << "N" << i << " G90X" << i % 2500 << ".Y" << i % 1250 << ".T1\r\n";
    }
    const std::string records = std::string(qv::test::InstallationFixture::System) + "Reverse.rnd";
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto count = qv::WriteReviewRecords(program, records);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!count || count.value() != lines) state.SkipWithError("records not written");
    }
    g_seconds["rnd" + std::to_string(lines)] = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReviewRecords)->Arg(250000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    Install();
    // The peak of one acceptance, measured before anything else has run.
    Install().prepareAccept();
    const long before = PeakKilobytes();
    const bool accepted = qv::AcceptResult({"1000", "500", "250", "750"}).done();
    const long after = PeakKilobytes();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nacceptance of %d entities (%.1f MB): %s\n", kEntities,
                static_cast<double>(fs::file_size(Install().host(kDrawing))) / 1e6, accepted ? "accepted" : "FAILED");
    std::printf("peak resident memory: %.1f MB before one acceptance, %.1f MB after: growth %.1f MB "
                "(goal: under 64 MB)\n",
                static_cast<double>(before) / 1024.0, static_cast<double>(after) / 1024.0,
                static_cast<double>(after - before) / 1024.0);
    if (g_seconds.count("copy") && g_seconds.count("accept"))
        std::printf("acceptance / copy_file: %.1f ms / %.1f ms = %.2fx (goal: at most 3x)\n",
                    g_seconds["accept"] * 1e3, g_seconds["copy"] * 1e3, g_seconds["accept"] / g_seconds["copy"]);
    if (g_seconds.count("rnd250000") && g_seconds.count("rnd500000") && g_seconds.count("rnd1000000"))
        std::printf("review records 250k/500k/1M lines: %.0f / %.0f / %.0f ms; ratios 500k/250k %.2f, 1M/500k %.2f "
                    "(linear: 2)\n",
                    g_seconds["rnd250000"] * 1e3, g_seconds["rnd500000"] * 1e3, g_seconds["rnd1000000"] * 1e3,
                    g_seconds["rnd500000"] / g_seconds["rnd250000"], g_seconds["rnd1000000"] / g_seconds["rnd500000"]);
    return 0;
}
