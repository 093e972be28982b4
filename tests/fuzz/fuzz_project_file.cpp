// The project file reader on arbitrary bytes: it must neither crash nor hang, and
// what it loaded must save and load again without a failure.
#include "model/project_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kontaro::model::Project project;
    const kontaro::model::LoadResult loaded = kontaro::model::LoadProjectText(bytes, project);
    if (loaded.status != kontaro::model::LoadStatus::Ok)
        return 0;

    kontaro::model::StringSink sink;
    if (!kontaro::model::WriteProject(sink, project))
        std::abort();
    kontaro::model::Project again;
    // Every loaded project has a group, and the saved file keeps it readable.
    if (kontaro::model::LoadProjectText(sink.Bytes(), again).status != kontaro::model::LoadStatus::Ok)
        std::abort();
    return 0;
}
