#pragma once
// Loading and saving a whole project (.kdt). Loading never throws for the file's
// content: what cannot be read is dropped and counted in the report. Saving writes
// a ".bak" copy of the previous file, then the document to a temporary file in the
// same folder, and replaces the target only with a complete file.
#include "model/catalogue.h"
#include "model/days.h"
#include "model/output_sink.h"
#include "model/till_articles.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::model {

struct Project {
    tGroups Groups;
    tProducts Products;
    tDays Days;
    // Counts the user's changes: every editing path calls MarkChanged, so a value
    // that differs from one taken earlier means the project changed since then.
    // Loading, saving and Clear leave it alone.
    std::uint64_t Changes = 0;
    void MarkChanged() { ++Changes; }
    tTillArticles TillArticles; // written only when it holds a mapping
    void Clear();
};

// What a load dropped; `details` holds one German line per dropped element. A
// dropped group, product or day counts once, without the items or entries it held;
// products not read after a broken "gen" element, days not read for lack of
// products and the elements of a section cut off before its end tag count as
// dropped too.
struct LoadReport {
    int droppedGroups = 0;
    int droppedProducts = 0;
    int droppedItems = 0;
    int droppedDays = 0;
    int droppedEntries = 0;
    int droppedTillArticles = 0;
    bool productsEndedEarly = false;
    std::vector<std::string> details; // UTF-8
    bool Empty() const;
};

enum class LoadStatus { Ok, CannotRead, NoGroups };

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    std::string message; // German, UTF-8; empty when Ok
    LoadReport report;
};

struct SaveResult {
    bool ok = true;
    std::string message; // German, UTF-8; empty when ok
};

// Empties `project` and fills it from the file at `path` (UTF-8 path).
LoadResult LoadProjectFile(const std::string& path, Project& project);
// The same from the file's bytes.
LoadResult LoadProjectText(std::string_view bytes, Project& project);

SaveResult SaveProjectFile(const std::string& path, const Project& project);
// Test seam: the document goes through the sink that `wrap` makes around the
// temporary file's sink, so a test can make writing fail part-way.
using SinkWrapper = std::function<std::unique_ptr<OutputSink>(OutputSink& fileSink)>;
SaveResult SaveProjectFile(const std::string& path, const Project& project, const SinkWrapper& wrap);

// The document's bytes to a sink; false when a write or the final Finish failed.
bool WriteProject(OutputSink& sink, const Project& project);

// `path` with its extension replaced by ".bak" (appended when it has none).
std::string BackupFileName(const std::string& path);

} // namespace kontaro::model
