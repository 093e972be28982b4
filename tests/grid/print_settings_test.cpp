#include "grid/print_settings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kontaro::grid {
namespace {

PrintSettings Changed()
{
    PrintSettings s;
    s.ColumnSpacing = 30;
    s.RowSpacing = 5;
    s.TitleSpacing = 40;
    s.FixedHeight = 50;
    s.FixedWidth = 60;
    s.Centered = false;
    s.NoAutoSize = true;
    s.UseFixedHeight = true;
    s.RepeatFixedRows = true;
    s.RepeatFixedCols = true;
    s.UseDisplayFont = false;
    s.UseDefaultOrientation = true;
    s.Borders = PrintBorderKind::AroundVertical;
    s.BorderStyle = PenStyle::Dot;
    s.Date = PrintPosition::TopLeft;
    s.PageNr = PrintPosition::BottomRight;
    s.Title = PrintPosition::TopCenter;
    s.Time = PrintPosition::BottomCenter;
    s.DateFormat = "dd.mm.yyyy";
    s.FooterSize = 120;
    s.HeaderSize = 150;
    s.LeftSize = 0;
    s.RightSize = 95;
    s.FitToPage = FitToPageMode::Shrink;
    s.Font = {"Arial", 12, kBold | kItalic, RgbColour(255, 0, 0)};
    s.HeaderFont = {"Times New Roman", 14, kUnderline, kWindowTextColour};
    s.PageNumSep = " von ";
    s.PageSuffix = ".";
    s.PagePrefix = "Seite ";
    s.Orientation = PrinterOrientation::Landscape;
    s.TitleLines = {"Kontaro", "M\xe4rz"};
    return s;
}

// Every key of the file in the order it is written: its value for Changed(), and
// the value a file without the key reads as (shown by writing what was read).
struct KeyRow {
    const char* key;
    const char* changed;
    const char* missing;
};
const KeyRow kKeys[] = {
    {"ColumnSpacing", "30", "20"},
    {"RowSpacing", "5", "20"},
    {"TitleSpacing", "40", "20"},
    {"FixedHeight", "50", "0"},
    {"FixedWidth", "60", "0"},
    {"Centered", "N", "Y"},
    {"NoAutoSize", "Y", "N"},
    {"UseFixedHeight", "Y", "N"},
    {"UseFixedWidth", "N", "N"},
    {"RepeatFixedRows", "Y", "N"},
    {"RepeatFixedCols", "Y", "N"},
    {"UseDisplFont", "N", "N"},
    {"UseDefOrientation", "Y", "N"},
    {"Borders", "6", "0"},
    {"BorderStyle", "2", "0"},
    {"Date", "1", "0"},
    {"PageNr", "5", "0"},
    {"Title", "3", "0"},
    {"Time", "6", "0"},
    {"DateFormat", "dd.mm.yyyy", ""},
    {"TitleText", "", ""},
    {"FooterSize", "120", "100"},
    {"HeaderSize", "150", "100"},
    {"LeftSize", "0", "100"},
    {"RightSize", "95", "100"},
    {"FitToPage", "2", "0"},
    {"FontName", "Arial", "Arial"},
    {"FontSize", "12", "10"},
    {"FontStyle", "3", "0"},
    {"FontColor", "255", "0"},
    {"HeaderFontName", "Times New Roman", "Arial"},
    {"HeaderFontSize", "14", "10"},
    {"HeaderFontStyle", "4", "0"},
    {"HeaderFontColor", "-2147483640", "0"},
    {"FooterFontName", "MS Sans Serif", "Arial"},
    {"FooterFontSize", "8", "10"},
    {"FooterFontStyle", "0", "0"},
    {"FooterFontColor", "-2147483640", "0"},
    {"PageNumSep", " von ", ""},
    {"PageSuffix", ".", ""},
    {"PagePrefix", "Seite ", ""},
    {"Orientation", "1", "0"},
    {"TitleLines", "Kontaro\\nM\xe4rz", ""},
};

// The written file as its lines, without the line ends.
std::vector<std::string> WrittenLines(const PrintSettings& settings)
{
    const std::string text = WritePrintSettings(settings, "");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "lines end in CR LF";
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(PrintSettings, InitialValues)
{
    const PrintSettings s;
    EXPECT_EQ(s.Borders, PrintBorderKind::Single);
    EXPECT_TRUE(s.Centered);
    EXPECT_TRUE(s.UseDisplayFont);
    EXPECT_FALSE(s.RepeatFixedRows);
    EXPECT_EQ(s.DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(s.PageNumSep, "/");
    EXPECT_EQ(s.Font, (PrintFont{"MS Sans Serif", 8, 0, kWindowTextColour}));
    EXPECT_EQ(s.HeaderSize + s.FooterSize + s.LeftSize + s.RightSize + s.RowSpacing + s.ColumnSpacing, 0);
    EXPECT_EQ(s.FitToPage, FitToPageMode::Never);
    EXPECT_EQ(s.Orientation, PrinterOrientation::Portrait);
    PrintSettings day = DayViewPrintSettings();
    EXPECT_EQ(day.FitToPage, FitToPageMode::Shrink);
    day.FitToPage = FitToPageMode::Never;
    EXPECT_EQ(day, s) << "the day view differs in FitToPage only";
}

TEST(PrintSettings, FileKeysValuesAndDefaultsFollowTheTable)
{
    const std::vector<std::string> written = WrittenLines(Changed());
    ASSERT_EQ(written.size(), 1 + std::size(kKeys));
    EXPECT_EQ(written[0], "[PRINTSETTINGS]");
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        EXPECT_EQ(written[i + 1], std::string(kKeys[i].key) + "=" + kKeys[i].changed);

    PrintSettings read;
    ReadPrintSettings(read, WritePrintSettings(Changed(), ""));
    read.FixedFont = Changed().FixedFont; // not stored
    EXPECT_EQ(read, Changed()) << "a written file reads back unchanged";

    // A file without the section, and one without any of the keys: every setting
    // takes the table's default, whatever it was before.
    for (const std::string& text : {std::string(), std::string("[Other]\r\nCentered=N\r\n[PRINTSETTINGS]\r\n")}) {
        PrintSettings defaults = Changed();
        ReadPrintSettings(defaults, text);
        const std::vector<std::string> lines = WrittenLines(defaults);
        for (std::size_t i = 0; i < std::size(kKeys); ++i)
            EXPECT_EQ(lines[i + 1], std::string(kKeys[i].key) + "=" + kKeys[i].missing);
    }
}

TEST(PrintSettings, ReadingRules)
{
    PrintSettings s;
    s.Borders = PrintBorderKind::Double;
    s.BorderStyle = PenStyle::Dash;
    ReadPrintSettings(s, "[printsettings]\n"
                         "Borders=9\nBorderStyle=-1\nFitToPage=x\nDate=7\nTime=0\nPageNr=3\n"
                         "Centered=y\nRepeatFixedRows=Y\nRowSpacing=abc\n"
                         "TitleLines=Erste\\nZweite\n");
    EXPECT_EQ(s.Borders, PrintBorderKind::Double); // out of range: kept
    EXPECT_EQ(s.BorderStyle, PenStyle::Dash);      // kept
    EXPECT_EQ(s.FitToPage, FitToPageMode::Never);  // not a number: the default
    EXPECT_EQ(s.Date, PrintPosition::None);
    EXPECT_EQ(s.Time, PrintPosition::None);
    EXPECT_EQ(s.PageNr, PrintPosition::TopCenter);
    EXPECT_FALSE(s.Centered); // only "Y" is true
    EXPECT_TRUE(s.RepeatFixedRows);
    EXPECT_EQ(s.RowSpacing, 20);
    EXPECT_EQ(s.TitleLines, (std::vector<std::string>{"Erste", "Zweite"}));

    ReadPrintSettings(s, "[PRINTSETTINGS]\nTitleText=Alt\nTitleLines=Neu\n");
    EXPECT_EQ(s.TitleLines, std::vector<std::string>{"Alt"});
}

TEST(PrintSettings, WritingKeepsOtherSectionsAndKeys)
{
    const std::string before = "[Other]\r\nA=1\r\n[PRINTSETTINGS]\r\nExtra=7\r\nCentered=Y\r\n[Last]\r\nB=2\r\n";
    PrintSettings s;
    s.Centered = false;
    const std::string after = WritePrintSettings(s, before);
    EXPECT_EQ(after.rfind("[Other]\r\nA=1\r\n[PRINTSETTINGS]\r\nExtra=7\r\nCentered=N\r\n", 0), 0u);
    EXPECT_NE(after.find("TitleLines=\r\n[Last]\r\nB=2\r\n"), std::string::npos);
    EXPECT_EQ(after.find("Centered=Y"), std::string::npos);
}

TEST(PrintSettingsFile, SavesLoadsAndFailsWithoutTouchingTheOldFile)
{
    const auto folder = std::filesystem::temp_directory_path() / "kontaro_print_settings_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "Print.set").string();

    PrintSettings missing = Changed();
    LoadPrintSettingsFile(missing, path);
    EXPECT_TRUE(missing.Centered); // a missing file reads as defaults

    ASSERT_TRUE(SavePrintSettingsFile(Changed(), path));
    PrintSettings loaded;
    LoadPrintSettingsFile(loaded, path);
    loaded.FixedFont = Changed().FixedFont;
    EXPECT_EQ(loaded, Changed());

    EXPECT_FALSE(SavePrintSettingsFile(PrintSettings{}, (folder / "no" / "such" / "x.ini").string()));
    // A target that cannot be replaced (a folder of that name) stays as it is.
    std::filesystem::create_directories(folder / "taken.ini");
    EXPECT_FALSE(SavePrintSettingsFile(PrintSettings{}, (folder / "taken.ini").string()));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder / "taken.ini.tmp"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace kontaro::grid
