#pragma once
// Each model class's element of the project file: the writers give the exact lines
// of the document, the readers take what they can and drop the rest, counting and
// describing every drop in the report (which may be null).
#include "model/catalogue.h"
#include "model/days.h"
#include "model/project_file.h"
#include "model/xml_stream.h"

#include <string_view>

namespace kontaro::model {

void WriteXml(txmlStream& stream, const tTimeStringList& list, std::string_view tag, int indent);
void WriteXml(txmlStream& stream, const tTimeFloatList& list, std::string_view tag, int indent);
void WriteXml(txmlStream& stream, const tTimeintegerList& list, std::string_view tag, int indent);
void WriteXml(txmlStream& stream, const tGroup& group, std::string_view tag, int indent);
void WriteXml(txmlStream& stream, const tGroups& groups, int indent);
void WriteXml(txmlStream& stream, const tProducts& products, int indent);
void WriteXml(txmlStream& stream, const tDay& day, std::string_view tag, int indent);
void WriteXml(txmlStream& stream, const tDays& days, int indent);
// The section "tillmap" at `indent`, one "art" per mapping with "nr" and "id".
void WriteXml(txmlStream& stream, const tTillArticles& articles, int indent);
// The whole document: declaration, root element and the three sections.
void WriteProjectXml(txmlStream& stream, const Project& project);

// Where a dated list's dropped items are reported: the product and the list's tag.
struct ListContext {
    LoadReport* report = nullptr;
    int32_t productID = 0;
    std::string_view tag;
};

// `content` is the text of the list's own element.
void ReadXml(std::string_view content, tTimeStringList& list, const ListContext& context);
void ReadXml(std::string_view content, tTimeFloatList& list, const ListContext& context);
void ReadXml(std::string_view content, tTimeintegerList& list, const ListContext& context);
// The section readers take the whole file text.
void ReadXml(std::string_view text, tGroups& groups, LoadReport* report);
void ReadXml(std::string_view text, tProducts& products, LoadReport* report);
void ReadXml(std::string_view text, tDays& days, LoadReport* report);
void ReadXml(std::string_view text, tTillArticles& articles, LoadReport* report);
// `content` is the text of one day element; entries dropped go to the report.
// False when the day's date cannot be read (the day then gets no entries).
bool ReadXml(std::string_view content, tDay& day, LoadReport* report);

} // namespace kontaro::model
