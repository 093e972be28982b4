#include "model/project_xml.h"

#include "model/model_texts.h"
#include "model/win1252.h"
#include "numbers/format_text.h"

#include <string>

namespace kontaro::model {

namespace {

using numbers::FormatText;

void Note(LoadReport* report, int LoadReport::*counter, std::string line)
{
    if (report == nullptr)
        return;
    ++(report->*counter);
    report->details.push_back(std::move(line));
}

template <class List, class WriteValue>
void WriteList(txmlStream& stream, const List& list, std::string_view tag, int indent, WriteValue writeValue)
{
    stream.WriteStart(tag, indent);
    for (int i = 0; i < list.Count(); ++i) {
        const auto& item = list.Item(i);
        stream.WriteStart("i", indent + 1);
        stream.WriteInt("d", item.Date, indent + 2);
        writeValue(item, indent + 2);
        stream.WriteEnd("i", indent + 1);
    }
    stream.WriteEnd(tag, indent);
}

// Walks the "i" elements of a list; readValue(itemContent, value&) reads "v".
template <class List, class Value, class ReadValue>
void ReadList(std::string_view content, List& list, const ListContext& context, ReadValue readValue)
{
    const std::string id = std::to_string(context.productID);
    std::string_view item;
    size_t pos = 0;
    size_t next = 0;
    while (txmlStream::FindElement(content, "i", pos, item, next)) {
        pos = next;
        int32_t date = 0;
        size_t unused = 0;
        if (!txmlStream::ReadInt(item, "d", 0, date, unused)) {
            Note(context.report, &LoadReport::droppedItems, FormatText(texts::kItemNoDate, {id, context.tag}));
            continue;
        }
        Value value{};
        if (!readValue(item, value)) {
            Note(context.report, &LoadReport::droppedItems,
                 FormatText(texts::kItemNoValue, {id, context.tag, IsoDateText(date)}));
            continue;
        }
        if (!list.AddValue(date, value))
            Note(context.report, &LoadReport::droppedItems,
                 FormatText(texts::kItemDuplicate, {id, context.tag, IsoDateText(date)}));
    }
}

int CountElements(std::string_view text, std::string_view tag)
{
    int count = 0;
    std::string_view content;
    size_t pos = 0;
    size_t next = 0;
    while (txmlStream::FindElement(text, tag, pos, content, next)) {
        pos = next;
        ++count;
    }
    return count;
}

// Opening tags of `tag` from the opening tag of `section` on: the elements of a
// section whose end is missing (a cut file), which the reader cannot walk.
int CountInUnclosedSection(std::string_view text, std::string_view section, std::string_view tag)
{
    const size_t start = text.find(txmlStream::StartTag(section, 0));
    if (start == std::string_view::npos)
        return -1;
    int count = 0;
    const std::string opening = txmlStream::StartTag(tag, 0);
    for (size_t at = text.find(opening, start); at != std::string_view::npos; at = text.find(opening, at + 1))
        ++count;
    return count;
}

bool ReadGeneral(std::string_view gen, tProduct& product)
{
    size_t unused = 0;
    return txmlStream::ReadInt(gen, "id", 0, product.ID, unused) &&
           txmlStream::ReadBool(gen, "einproz", 0, product.EinkaufProzent, unused) &&
           txmlStream::ReadBool(gen, "vervar", 0, product.VerkaufVariabel, unused);
}

} // namespace

void WriteXml(txmlStream& stream, const tTimeStringList& list, std::string_view tag, int indent)
{
    WriteList(stream, list, tag, indent, [&](const tStringItem& item, int n) { stream.WriteText("v", item.Text, n); });
}

void WriteXml(txmlStream& stream, const tTimeFloatList& list, std::string_view tag, int indent)
{
    WriteList(stream, list, tag, indent, [&](const tFloatItem& item, int n) { stream.WriteFloat("v", item.Value, n); });
}

void WriteXml(txmlStream& stream, const tTimeintegerList& list, std::string_view tag, int indent)
{
    WriteList(stream, list, tag, indent, [&](const tIntegerItem& item, int n) { stream.WriteInt("v", item.Value, n); });
}

void WriteXml(txmlStream& stream, const tGroup& group, std::string_view tag, int indent)
{
    stream.WriteStart(tag, indent);
    stream.WriteInt("id", group.ID, indent + 1);
    stream.WriteText("v", group.Name, indent + 1);
    stream.WriteEnd(tag, indent);
}

void WriteXml(txmlStream& stream, const tGroups& groups, int indent)
{
    stream.WriteStart("groups", indent);
    for (int i = 0; i < groups.Count(); ++i)
        WriteXml(stream, groups.Item(i), "group", indent + 1);
    stream.WriteEnd("groups", indent);
}

void WriteXml(txmlStream& stream, const tProducts& products, int indent)
{
    stream.WriteStart("products", indent);
    for (int i = 0; i < products.Count(); ++i) {
        const tProduct& p = products.Item(i);
        stream.WriteStart("prd", indent + 1);
        stream.WriteStart("gen", indent + 2);
        stream.WriteInt("id", p.ID, indent + 3);
        stream.WriteBool("einproz", p.EinkaufProzent, indent + 3);
        stream.WriteBool("vervar", p.VerkaufVariabel, indent + 3);
        stream.WriteEnd("gen", indent + 2);
        WriteXml(stream, p.Name, "nam", indent + 2);
        WriteXml(stream, p.Einkauf, "ein", indent + 2);
        WriteXml(stream, p.Verkauf, "ver", indent + 2);
        WriteXml(stream, p.Steuer, "tax", indent + 2);
        WriteXml(stream, p.Gruppe, "grp", indent + 2);
        stream.WriteEnd("prd", indent + 1);
    }
    stream.WriteEnd("products", indent);
}

void WriteXml(txmlStream& stream, const tDay& day, std::string_view tag, int indent)
{
    stream.WriteStart(tag, indent);
    stream.WriteInt("d", day.Date, indent + 1);
    for (int i = 0; i < day.Count(); ++i) {
        const tDayEntry& entry = day.Entry(i);
        stream.WriteStart("i", indent + 1);
        stream.WriteInt("id", entry.ProductID, indent + 2);
        stream.WriteFloat("v", entry.Value, indent + 2);
        stream.WriteEnd("i", indent + 1);
    }
    stream.WriteEnd(tag, indent);
}

void WriteXml(txmlStream& stream, const tDays& days, int indent)
{
    stream.WriteStart("days", indent);
    for (int i = 0; i < days.Count(); ++i)
        WriteXml(stream, days.Item(i), "day", indent + 1);
    stream.WriteEnd("days", indent);
}

void WriteXml(txmlStream& stream, const tTillArticles& articles, int indent)
{
    stream.WriteStart("tillmap", indent);
    for (int i = 0; i < articles.Count(); ++i) {
        stream.WriteStart("art", indent + 1);
        stream.WriteText("nr", articles.Item(i).ArtNr, indent + 2);
        stream.WriteInt("id", articles.Item(i).ProductID, indent + 2);
        stream.WriteEnd("art", indent + 1);
    }
    stream.WriteEnd("tillmap", indent);
}

void WriteProjectXml(txmlStream& stream, const Project& project)
{
    stream.WriteDeclaration();
    stream.WriteStart("kontaro", 0);
    WriteXml(stream, project.Groups, 1);
    WriteXml(stream, project.Products, 1);
    WriteXml(stream, project.Days, 1);
    // Older readers look for their three sections only; a project without mappings
    // keeps the document it always had.
    if (project.TillArticles.Count() > 0)
        WriteXml(stream, project.TillArticles, 1);
    stream.WriteEnd("kontaro", 0);
}

void ReadXml(std::string_view content, tTimeStringList& list, const ListContext& context)
{
    ReadList<tTimeStringList, std::string>(content, list, context, [](std::string_view item, std::string& value) {
        size_t unused = 0;
        return txmlStream::FindElement(item, "v", 0, value, unused);
    });
}

void ReadXml(std::string_view content, tTimeFloatList& list, const ListContext& context)
{
    ReadList<tTimeFloatList, double>(content, list, context, [](std::string_view item, double& value) {
        size_t unused = 0;
        return txmlStream::ReadFloat(item, "v", 0, value, unused);
    });
}

void ReadXml(std::string_view content, tTimeintegerList& list, const ListContext& context)
{
    ReadList<tTimeintegerList, int32_t>(content, list, context, [](std::string_view item, int32_t& value) {
        size_t unused = 0;
        return txmlStream::ReadInt(item, "v", 0, value, unused);
    });
}

void ReadXml(std::string_view text, tGroups& groups, LoadReport* report)
{
    std::string_view section;
    size_t next = 0;
    if (!txmlStream::FindElement(text, "groups", 0, section, next))
        return;
    std::string_view element;
    size_t pos = 0;
    while (txmlStream::FindElement(section, "group", pos, element, next)) {
        pos = next;
        auto group = std::make_unique<tGroup>();
        size_t unused = 0;
        if (!txmlStream::ReadInt(element, "id", 0, group->ID, unused)) {
            Note(report, &LoadReport::droppedGroups, std::string(texts::kGroupNoID));
            continue;
        }
        const std::string id = std::to_string(group->ID);
        if (!txmlStream::FindElement(element, "v", 0, group->Name, unused)) {
            Note(report, &LoadReport::droppedGroups, FormatText(texts::kGroupNoName, {id}));
            continue;
        }
        if (groups.AddGroup(group) < 0)
            Note(report, &LoadReport::droppedGroups, FormatText(texts::kGroupDuplicate, {id}));
    }
}

void ReadXml(std::string_view text, tProducts& products, LoadReport* report)
{
    std::string_view section;
    size_t next = 0;
    if (!txmlStream::FindElement(text, "products", 0, section, next)) {
        const int unread = CountInUnclosedSection(text, "products", "prd");
        if (unread > 0 && report != nullptr) {
            report->productsEndedEarly = true;
            report->droppedProducts += unread;
            report->details.push_back(FormatText(texts::kSectionUnclosed, {"products", std::to_string(unread)}));
        }
        return;
    }
    std::string_view element;
    size_t pos = 0;
    while (txmlStream::FindElement(section, "prd", pos, element, next)) {
        pos = next;
        auto product = std::make_unique<tProduct>();
        std::string_view part;
        size_t unused = 0;
        if (txmlStream::FindElement(element, "gen", 0, part, unused) && !ReadGeneral(part, *product)) {
            // The products after a broken "gen" are not read at all.
            Note(report, &LoadReport::droppedProducts, std::string(texts::kProductGeneralBroken));
            if (report != nullptr) {
                report->productsEndedEarly = true;
                const int rest = CountElements(section.substr(pos), "prd");
                if (rest > 0) {
                    report->droppedProducts += rest;
                    report->details.push_back(FormatText(texts::kProductsNotRead, {std::to_string(rest)}));
                }
            }
            return;
        }
        const ListContext context{report, product->ID, {}};
        auto readList = [&](std::string_view tag, auto& list) {
            if (txmlStream::FindElement(element, tag, 0, part, unused))
                ReadXml(part, list, ListContext{context.report, context.productID, tag});
        };
        readList("nam", product->Name);
        readList("ein", product->Einkauf);
        readList("ver", product->Verkauf);
        readList("tax", product->Steuer);
        readList("grp", product->Gruppe);
        const std::string id = std::to_string(product->ID);
        if (!product->IsComplete()) {
            Note(report, &LoadReport::droppedProducts, FormatText(texts::kProductIncomplete, {id}));
            continue;
        }
        if (products.AddProduct(product) < 0)
            Note(report, &LoadReport::droppedProducts, FormatText(texts::kProductDuplicate, {id}));
    }
}

bool ReadXml(std::string_view content, tDay& day, LoadReport* report)
{
    size_t next = 0;
    if (!txmlStream::ReadInt(content, "d", 0, day.Date, next))
        return false;
    const std::string date = IsoDateText(day.Date);
    std::string_view element;
    size_t pos = 0;
    while (txmlStream::FindElement(content, "i", pos, element, next)) {
        pos = next;
        auto entry = std::make_unique<tDayEntry>();
        size_t unused = 0;
        if (!txmlStream::ReadInt(element, "id", 0, entry->ProductID, unused)) {
            Note(report, &LoadReport::droppedEntries, FormatText(texts::kEntryNoProduct, {date}));
            continue;
        }
        if (!txmlStream::ReadFloat(element, "v", 0, entry->Value, unused)) {
            Note(report, &LoadReport::droppedEntries,
                 FormatText(texts::kEntryNoValue, {date, std::to_string(entry->ProductID)}));
            continue;
        }
        const int32_t productID = entry->ProductID;
        if (day.AddEntry(entry) < 0)
            Note(report, &LoadReport::droppedEntries,
                 FormatText(texts::kEntryDuplicate, {date, std::to_string(productID)}));
    }
    return true;
}

void ReadXml(std::string_view text, tDays& days, LoadReport* report)
{
    std::string_view section;
    size_t next = 0;
    if (!txmlStream::FindElement(text, "days", 0, section, next)) {
        const int unread = CountInUnclosedSection(text, "days", "day");
        if (unread > 0 && report != nullptr) {
            report->droppedDays += unread;
            report->details.push_back(FormatText(texts::kSectionUnclosed, {"days", std::to_string(unread)}));
        }
        return;
    }
    std::string_view element;
    size_t pos = 0;
    while (txmlStream::FindElement(section, "day", pos, element, next)) {
        pos = next;
        auto day = std::make_unique<tDay>();
        if (!ReadXml(element, *day, report)) {
            Note(report, &LoadReport::droppedDays, std::string(texts::kDayNoDate));
            continue;
        }
        const std::string date = IsoDateText(day->Date);
        if (day->Count() == 0) {
            Note(report, &LoadReport::droppedDays, FormatText(texts::kDayEmpty, {date}));
            continue;
        }
        if (days.AddDay(day) < 0)
            Note(report, &LoadReport::droppedDays, FormatText(texts::kDayDuplicate, {date}));
    }
}

void ReadXml(std::string_view text, tTillArticles& articles, LoadReport* report)
{
    std::string_view section;
    size_t next = 0;
    if (!txmlStream::FindElement(text, "tillmap", 0, section, next))
        return;
    std::string_view element;
    size_t pos = 0;
    while (txmlStream::FindElement(section, "art", pos, element, next)) {
        pos = next;
        std::string artNr;
        int32_t productID = 0;
        size_t unused = 0;
        if (!txmlStream::FindElement(element, "nr", 0, artNr, unused) || artNr.empty() ||
            !txmlStream::ReadInt(element, "id", 0, productID, unused)) {
            Note(report, &LoadReport::droppedTillArticles, std::string(texts::kTillArticleUnreadable));
            continue;
        }
        if (articles.ProductOf(artNr)) {
            Note(report, &LoadReport::droppedTillArticles,
                 FormatText(texts::kTillArticleDuplicate, {Win1252ToUtf8(artNr)}));
            continue;
        }
        articles.Set(artNr, productID);
    }
}

} // namespace kontaro::model
