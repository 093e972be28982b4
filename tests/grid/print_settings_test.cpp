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
    s.Borders = PrintBorderKind::AroundVertical;
    s.BorderStyle = PenStyle::Dot;
    s.Date = PrintPosition::TopLeft;
    s.Time = PrintPosition::BottomCenter;
    s.PageNr = PrintPosition::BottomRight;
    s.Title = PrintPosition::TopCenter;
    s.TitleLines = {"Kontaro", "M\xe4rz"};
    s.PagePrefix = "Seite ";
    s.PageSuffix = ".";
    s.HeaderSize = 150;
    s.LeftSize = 0;
    s.RowSpacing = 5;
    s.FitToPage = FitToPageMode::Shrink;
    s.Centered = false;
    s.UseDisplayFont = false;
    s.RepeatFixedRows = true;
    s.Font = {"Arial", 12, kBold | kItalic, RgbColour(255, 0, 0)};
    s.HeaderFont.colour = kWindowTextColour;
    s.Orientation = PrinterOrientation::Landscape;
    return s;
}

TEST(PrintSettings, InitialValues)
{
    const PrintSettings s;
    EXPECT_EQ(s.Borders, PrintBorderKind::Single);
    EXPECT_TRUE(s.Centered);
    EXPECT_TRUE(s.UseDisplayFont);
    EXPECT_EQ(s.DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(s.PageNumSep, "/");
    EXPECT_EQ(s.Font.name, "MS Sans Serif");
    EXPECT_EQ(s.Font.size, 8);
    EXPECT_EQ(s.FitToPage, FitToPageMode::Never);
    EXPECT_EQ(DayViewPrintSettings().FitToPage, FitToPageMode::Shrink);
}

TEST(PrintSettings, WrittenSettingsReadBackUnchanged)
{
    const PrintSettings written = Changed();
    PrintSettings read;
    ReadPrintSettings(read, WritePrintSettings(written, ""));
    read.FixedFont = written.FixedFont; // not stored
    EXPECT_EQ(read, written);
}

TEST(PrintSettings, WritesEveryKeyInOrder)
{
    const std::string text = WritePrintSettings(PrintSettings{}, "");
    std::istringstream in(text);
    std::string line;
    std::vector<std::string> keys;
    while (std::getline(in, line))
        keys.push_back(line.substr(0, line.find('=')));
    ASSERT_EQ(keys.size(), 1u + 43u);
    EXPECT_EQ(keys.front(), "[PRINTSETTINGS]\r");
    EXPECT_EQ(keys[1], "ColumnSpacing");
    EXPECT_EQ(keys[14], "Borders");
    EXPECT_EQ(keys.back(), "TitleLines");
    EXPECT_NE(text.find("\r\nCentered=Y\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nFontColor=-2147483640\r\n"), std::string::npos);
}

TEST(PrintSettings, MissingKeysGiveTheFileDefaults)
{
    PrintSettings s = Changed();
    ReadPrintSettings(s, "[Other]\r\nCentered=N\r\n");
    EXPECT_TRUE(s.Centered);
    EXPECT_EQ(s.FitToPage, FitToPageMode::Never);
    EXPECT_EQ(s.Borders, PrintBorderKind::NoBorder);
    EXPECT_EQ(s.ColumnSpacing, 20);
    EXPECT_EQ(s.HeaderSize, 100);
    EXPECT_EQ(s.Font, (PrintFont{"Arial", 10, 0, 0}));
    EXPECT_FALSE(s.UseDisplayFont);
    EXPECT_EQ(s.PageNumSep, "");
    EXPECT_TRUE(s.TitleLines.empty());
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
