#include "till/index_xml.h"

#include "numbers/format_text.h"
#include "numbers/number_text.h"
#include "till/import_error.h"
#include "till/till_texts.h"

#include <expat.h>
#include <memory>

namespace kontaro::till {

using numbers::FormatText;

const ColumnDecl* TableDialect::Column(std::string_view columnName) const
{
    for (const ColumnDecl& column : columns)
        if (column.name == columnName)
            return &column;
    return nullptr;
}

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

class IndexReader {
public:
    std::vector<TableDialect> tables;

    void Start(std::string_view element)
    {
        path_.emplace_back(element);
        text_.clear();
        if (element == "Table") {
            tables.emplace_back();
            inTable_ = true;
            unsupported_.clear();
        } else if (inTable_ && element == "VariableColumn") {
            tables.back().columns.emplace_back();
        } else if (inTable_ && (element == "FixedLength" || element == "FixedColumn")) {
            unsupported_ = "eine Tabelle mit fester Spaltenbreite";
        } else if (inTable_ &&
                   (element == "Macintosh" || element == "OEM" || element == "UTF16" || element == "UTF7")) {
            unsupported_ = "die Kodierung " + std::string(element);
        }
    }

    void Text(std::string_view text) { text_ += text; }

    void End(std::string_view element)
    {
        if (inTable_)
            EndInTable(element);
        if (element == "Table") {
            inTable_ = false;
            if (!unsupported_.empty())
                throw ImportError(FormatText(texts::kIndexUnsupported, {tables.back().url, unsupported_}));
        }
        path_.pop_back();
        text_.clear();
    }

private:
    bool Parent(std::string_view name) const { return path_.size() >= 2 && path_[path_.size() - 2] == name; }

    char OneChar(std::string_view what)
    {
        if (text_.size() > 1)
            unsupported_ = std::string(what) + " \"" + text_ + "\"";
        return text_.empty() ? '\0' : text_[0];
    }

    void EndInTable(std::string_view element)
    {
        TableDialect& table = tables.back();
        const std::string_view value = Trimmed(text_);
        if (element == "URL" && Parent("Table"))
            table.url = value;
        else if (element == "Name" && Parent("Table"))
            table.name = value;
        else if (element == "UTF8")
            table.utf8 = true;
        else if (element == "ANSI")
            table.utf8 = false;
        else if (element == "DecimalSymbol")
            table.decimalSymbol = OneChar("das Dezimalzeichen");
        else if (element == "DigitGroupingSymbol")
            table.groupingSymbol = OneChar("das Tausendertrennzeichen");
        else if (element == "From" && Parent("Range"))
            table.from = numbers::ParseInteger(value).value_or(1);
        else if (element == "ColumnDelimiter")
            table.columnDelimiter = OneChar("das Spaltentrennzeichen");
        else if (element == "RecordDelimiter")
            table.recordDelimiter = text_;
        else if (element == "TextEncapsulator")
            table.textEncapsulator = OneChar("das Textbegrenzungszeichen");
        else if (!table.columns.empty() && Parent("VariableColumn") && element == "Name")
            table.columns.back().name = value;
        else if (!table.columns.empty() && element == "Numeric" && Parent("VariableColumn"))
            table.columns.back().numeric = true;
        else if (!table.columns.empty() && element == "Accuracy" && Parent("Numeric"))
            table.columns.back().accuracy = numbers::ParseInteger(value).value_or(0);
    }

    std::vector<std::string> path_;
    std::string text_;
    bool inTable_ = false;
    std::string unsupported_;
};

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

} // namespace

std::vector<TableDialect> ParseIndexXml(std::string_view bytes)
{
    std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate(nullptr));
    IndexReader reader;
    // An exception must not cross expat's C frames: it is kept and raised afterwards.
    std::string failure;
    struct Context {
        IndexReader* reader;
        std::string* failure;
        XML_Parser parser;
    } context{&reader, &failure, parser.get()};
    XML_SetUserData(parser.get(), &context);
    XML_SetElementHandler(
        parser.get(),
        [](void* data, const XML_Char* name, const XML_Char**) {
            auto* c = static_cast<Context*>(data);
            c->reader->Start(name);
        },
        [](void* data, const XML_Char* name) {
            auto* c = static_cast<Context*>(data);
            try {
                c->reader->End(name);
            } catch (const ImportError& error) {
                *c->failure = error.what();
                XML_StopParser(c->parser, XML_FALSE);
            }
        });
    XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* text, int length) {
        static_cast<Context*>(data)->reader->Text(std::string_view(text, static_cast<size_t>(length)));
    });
    const auto status = XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), XML_TRUE);
    if (!failure.empty())
        throw ImportError(failure);
    if (status != XML_STATUS_OK)
        throw ImportError(
            FormatText(texts::kIndexBroken, {std::to_string(XML_GetCurrentLineNumber(parser.get())),
                                             std::to_string(XML_GetCurrentColumnNumber(parser.get()) + 1)}));
    return std::move(reader.tables);
}

} // namespace kontaro::till
