#include "grid/print_settings.h"

#include "numbers/number_text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace kontaro::grid {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool IsSectionLine(const std::string& line, std::string* name = nullptr)
{
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return false;
    const auto close = trimmed.find(']');
    if (close == std::string::npos)
        return false;
    if (name)
        *name = Lower(Trim(trimmed.substr(1, close - 1)));
    return true;
}

// The key of a "key=value" line in lower case; empty for other lines.
std::string KeyOf(const std::string& line)
{
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return {};
    return Lower(Trim(line.substr(0, equals)));
}

// The lines [first, end) of the section's body; first == end == lines.size() when
// the section is missing.
std::pair<std::size_t, std::size_t> SectionBody(const std::vector<std::string>& lines, const std::string& section)
{
    const std::string wanted = Lower(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (IsSectionLine(lines[i], &name) && name == wanted) {
            std::size_t end = i + 1;
            while (end < lines.size() && !IsSectionLine(lines[end]))
                ++end;
            return {i + 1, end};
        }
    }
    return {lines.size(), lines.size()};
}

using KeyValues = std::vector<std::pair<std::string, std::string>>;

const char* YesNo(bool value) { return value ? "Y" : "N"; }

std::string Signed(Colour colour) { return std::to_string(std::int32_t(colour)); }

void AddFont(KeyValues& keys, const std::string& prefix, const PrintFont& font)
{
    keys.emplace_back(prefix + "Name", font.name);
    keys.emplace_back(prefix + "Size", std::to_string(font.size));
    keys.emplace_back(prefix + "Style", std::to_string(font.style));
    keys.emplace_back(prefix + "Color", Signed(font.colour));
}

std::string JoinedTitle(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\\n";
        text += lines[i];
    }
    return text;
}

KeyValues SettingsKeys(const PrintSettings& s)
{
    KeyValues keys = {
        {"ColumnSpacing", std::to_string(s.ColumnSpacing)},
        {"RowSpacing", std::to_string(s.RowSpacing)},
        {"TitleSpacing", std::to_string(s.TitleSpacing)},
        {"FixedHeight", std::to_string(s.FixedHeight)},
        {"FixedWidth", std::to_string(s.FixedWidth)},
        {"Centered", YesNo(s.Centered)},
        {"NoAutoSize", YesNo(s.NoAutoSize)},
        {"UseFixedHeight", YesNo(s.UseFixedHeight)},
        {"UseFixedWidth", YesNo(s.UseFixedWidth)},
        {"RepeatFixedRows", YesNo(s.RepeatFixedRows)},
        {"RepeatFixedCols", YesNo(s.RepeatFixedCols)},
        {"UseDisplFont", YesNo(s.UseDisplayFont)},
        {"UseDefOrientation", YesNo(s.UseDefaultOrientation)},
        {"Borders", std::to_string(int(s.Borders))},
        {"BorderStyle", std::to_string(int(s.BorderStyle))},
        {"Date", std::to_string(int(s.Date))},
        {"PageNr", std::to_string(int(s.PageNr))},
        {"Title", std::to_string(int(s.Title))},
        {"Time", std::to_string(int(s.Time))},
        {"DateFormat", s.DateFormat},
        {"TitleText", ""},
        {"FooterSize", std::to_string(s.FooterSize)},
        {"HeaderSize", std::to_string(s.HeaderSize)},
        {"LeftSize", std::to_string(s.LeftSize)},
        {"RightSize", std::to_string(s.RightSize)},
        {"FitToPage", std::to_string(int(s.FitToPage))},
    };
    AddFont(keys, "Font", s.Font);
    AddFont(keys, "HeaderFont", s.HeaderFont);
    AddFont(keys, "FooterFont", s.FooterFont);
    keys.emplace_back("PageNumSep", s.PageNumSep);
    keys.emplace_back("PageSuffix", s.PageSuffix);
    keys.emplace_back("PagePrefix", s.PagePrefix);
    keys.emplace_back("Orientation", std::to_string(int(s.Orientation)));
    keys.emplace_back("TitleLines", JoinedTitle(s.TitleLines));
    return keys;
}

class SectionReader {
public:
    SectionReader(const std::string& iniText, const std::string& section)
    {
        const std::vector<std::string> lines = Lines(iniText);
        const auto [first, end] = SectionBody(lines, section);
        for (std::size_t i = first; i < end; ++i) {
            const std::string key = KeyOf(lines[i]);
            if (!key.empty() && !values_.count(key))
                // Values are taken as written, so texts such as a page prefix keep
                // their blanks.
                values_[key] = lines[i].substr(lines[i].find('=') + 1);
        }
    }

    std::string Text(const char* key, const char* fallback) const
    {
        const auto found = values_.find(Lower(key));
        return found == values_.end() ? fallback : found->second;
    }
    int Integer(const char* key, int fallback) const
    {
        const auto found = values_.find(Lower(key));
        if (found == values_.end())
            return fallback;
        return numbers::ParseInteger(found->second).value_or(fallback);
    }
    bool Flag(const char* key, bool fallback) const { return Text(key, fallback ? "Y" : "N") == "Y"; }

    template <typename Enum>
    void Enumeration(const char* key, int last, Enum& target) const
    {
        const int value = Integer(key, 0);
        if (value >= 0 && value <= last)
            target = Enum(value);
    }
    PrintPosition Position(const char* key) const
    {
        const int value = Integer(key, 0);
        return value >= 1 && value <= 6 ? PrintPosition(value) : PrintPosition::None;
    }
    void Font(const std::string& prefix, PrintFont& font) const
    {
        font.name = Text((prefix + "Name").c_str(), "Arial");
        font.size = Integer((prefix + "Size").c_str(), 10);
        font.style = Integer((prefix + "Style").c_str(), 0) & 15;
        font.colour = Colour(std::uint32_t(Integer((prefix + "Color").c_str(), 0)));
    }

private:
    std::map<std::string, std::string> values_;
};

std::vector<std::string> SplitTitle(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find("\\n", start);
        lines.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return lines;
        start = at + 2;
    }
}

} // namespace

PrintSettings DayViewPrintSettings()
{
    PrintSettings settings;
    settings.FitToPage = FitToPageMode::Shrink;
    return settings;
}

std::string WritePrintSettings(const PrintSettings& settings, const std::string& iniText, const std::string& section)
{
    std::vector<std::string> lines = Lines(iniText);
    auto [first, end] = SectionBody(lines, section);
    if (first == lines.size()) {
        lines.push_back("[" + section + "]");
        first = end = lines.size();
    }
    for (const auto& [key, value] : SettingsKeys(settings)) {
        const std::string wanted = Lower(key);
        std::size_t i = first;
        while (i < end && KeyOf(lines[i]) != wanted)
            ++i;
        if (i < end) {
            lines[i] = key + "=" + value;
        } else {
            lines.insert(lines.begin() + std::ptrdiff_t(end), key + "=" + value);
            ++end;
        }
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void ReadPrintSettings(PrintSettings& s, const std::string& iniText, const std::string& section)
{
    const SectionReader r(iniText, section);
    s.ColumnSpacing = r.Integer("ColumnSpacing", 20);
    s.RowSpacing = r.Integer("RowSpacing", 20);
    s.TitleSpacing = r.Integer("TitleSpacing", 20);
    s.FixedHeight = r.Integer("FixedHeight", 0);
    s.FixedWidth = r.Integer("FixedWidth", 0);
    s.Centered = r.Flag("Centered", true);
    s.NoAutoSize = r.Flag("NoAutoSize", false);
    s.UseFixedHeight = r.Flag("UseFixedHeight", false);
    s.UseFixedWidth = r.Flag("UseFixedWidth", false);
    s.RepeatFixedRows = r.Flag("RepeatFixedRows", false);
    s.RepeatFixedCols = r.Flag("RepeatFixedCols", false);
    s.UseDisplayFont = r.Flag("UseDisplFont", false);
    s.UseDefaultOrientation = r.Flag("UseDefOrientation", false);
    s.PageNumSep = r.Text("PageNumSep", "");
    s.PageSuffix = r.Text("PageSuffix", "");
    s.PagePrefix = r.Text("PagePrefix", "");
    r.Enumeration("Borders", 8, s.Borders);
    r.Enumeration("BorderStyle", 6, s.BorderStyle);
    s.Date = r.Position("Date");
    s.PageNr = r.Position("PageNr");
    s.Title = r.Position("Title");
    s.Time = r.Position("Time");
    s.DateFormat = r.Text("DateFormat", "");
    s.FooterSize = r.Integer("FooterSize", 100);
    s.HeaderSize = r.Integer("HeaderSize", 100);
    s.LeftSize = r.Integer("LeftSize", 100);
    s.RightSize = r.Integer("RightSize", 100);
    r.Enumeration("FitToPage", 4, s.FitToPage);
    r.Font("Font", s.Font);
    r.Font("HeaderFont", s.HeaderFont);
    r.Font("FooterFont", s.FooterFont);
    r.Enumeration("Orientation", 1, s.Orientation);
    s.TitleLines = SplitTitle(r.Text("TitleLines", ""));
    const std::string oldTitle = r.Text("TitleText", "");
    if (!oldTitle.empty())
        s.TitleLines = {oldTitle};
}

namespace {
std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

bool SavePrintSettingsFile(const PrintSettings& settings, const std::string& path, const std::string& section)
{
    const std::string text = WritePrintSettings(settings, FileText(path), section);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

void LoadPrintSettingsFile(PrintSettings& settings, const std::string& path, const std::string& section)
{
    ReadPrintSettings(settings, FileText(path), section);
}

} // namespace kontaro::grid
