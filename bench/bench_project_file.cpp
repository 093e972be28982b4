// Loading and saving the large project, against two baselines on the same bytes:
// expat's parse (with no-op handlers) and a plain memory copy.
#include "bench/project_generator.h"
#include "model/project_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <expat.h>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace kontaro::bench {
namespace {

// The saved bytes of the large project of `years` years, made once per size.
const std::string& SavedProject(int years)
{
    static std::map<int, std::string> cache;
    auto& bytes = cache[years];
    if (bytes.empty()) {
        model::Project project;
        MakeLargeProject(project, years);
        model::StringSink sink;
        model::WriteProject(sink, project);
        bytes = sink.Bytes();
    }
    return bytes;
}

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(::getpid()) + ".kdt"))
        .string();
}

void SetBytes(benchmark::State& state, size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_LoadFromMemory(benchmark::State& state)
{
    const std::string& bytes = SavedProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        model::Project project;
        const model::LoadResult result = model::LoadProjectText(bytes, project);
        if (result.status != model::LoadStatus::Ok || !result.report.Empty())
            throw std::runtime_error("the large project did not load cleanly");
        benchmark::DoNotOptimize(project.Days.Count());
    }
    SetBytes(state, bytes.size());
}
BENCHMARK(BM_LoadFromMemory)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state)
{
    const std::string& bytes = SavedProject(10);
    const std::string path = TempPath("kontaro-bench-load");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    for (auto _ : state) {
        model::Project project;
        benchmark::DoNotOptimize(model::LoadProjectFile(path, project).status);
    }
    std::filesystem::remove(path);
    SetBytes(state, bytes.size());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

void BM_ExpatParse(benchmark::State& state)
{
    const std::string& bytes = SavedProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // Expat has no windows-1252 decoder; Latin-1 decodes these bytes just as fast.
        XML_Parser parser = XML_ParserCreate("ISO-8859-1");
        XML_SetElementHandler(
            parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
        XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
        if (XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) != XML_STATUS_OK)
            throw std::runtime_error(XML_ErrorString(XML_GetErrorCode(parser)));
        XML_ParserFree(parser);
    }
    SetBytes(state, bytes.size());
}
BENCHMARK(BM_ExpatParse)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_SaveToMemory(benchmark::State& state)
{
    model::Project project;
    MakeLargeProject(project, 10);
    size_t size = 0;
    for (auto _ : state) {
        model::StringSink sink;
        model::WriteProject(sink, project);
        size = sink.Bytes().size();
        benchmark::DoNotOptimize(sink.Bytes().data());
    }
    SetBytes(state, size);
}
BENCHMARK(BM_SaveToMemory)->Unit(benchmark::kMillisecond);

// The whole save: backup copy, temporary file, fsync and rename.
void BM_SaveFile(benchmark::State& state)
{
    model::Project project;
    MakeLargeProject(project, 10);
    const std::string path = TempPath("kontaro-bench-save");
    for (auto _ : state) {
        if (!model::SaveProjectFile(path, project).ok)
            throw std::runtime_error("saving failed");
    }
    std::filesystem::remove(path);
    std::filesystem::remove(model::BackupFileName(path));
    SetBytes(state, SavedProject(10).size());
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

void BM_MemoryCopy(benchmark::State& state)
{
    const std::string& bytes = SavedProject(10);
    std::string copy(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state, bytes.size());
}
BENCHMARK(BM_MemoryCopy)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
