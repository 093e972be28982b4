#pragma once
// index.xml, the description of an export's tables: per table its file, encoding,
// delimiters, text qualifier, number symbols, the line its data start on and its
// columns. Parsed as plain XML: the DTD it names is neither loaded nor validated,
// and no external entity is resolved.
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::till {

struct ColumnDecl {
    std::string name;
    bool numeric = false;
    int accuracy = 0; // decimals of a numeric column
};

// Defaults are those of the description's own rules for an element left out.
struct TableDialect {
    std::string url;   // the file, relative to index.xml
    std::string name;  // the table's logical name ("Bonkopf")
    bool utf8 = false; // otherwise ANSI, read as Windows-1252
    char columnDelimiter = ';';
    std::string recordDelimiter = "\r\n";
    char textEncapsulator = '"'; // '\0': fields are never quoted
    char decimalSymbol = ',';
    char groupingSymbol = '.';
    int from = 1; // first line of data; the line before it holds the column names
    std::vector<ColumnDecl> columns;

    const ColumnDecl* Column(std::string_view columnName) const;
};

// Throws ImportError naming the line and column of malformed XML, or the table
// whose layout the import cannot read (fixed-width columns, multi-byte delimiters,
// encodings other than UTF-8 and ANSI).
std::vector<TableDialect> ParseIndexXml(std::string_view bytes);

} // namespace kontaro::till
