#pragma once
// The print settings of a grid and their settings file: an INI text with one
// section "PRINTSETTINGS", one line per setting. Sizes are tenths of a millimetre;
// colours are the signed 32-bit colour values of grid_types.h (desktop colours
// negative). No Qt: the printing widget reads these settings, the file commands
// load and save them.
#include "grid/grid_types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kontaro::grid {

enum class PrintBorderKind {
    NoBorder,
    Single,
    Double,
    Vertical,
    Horizontal,
    Around,
    AroundVertical,
    AroundHorizontal,
    Custom,
};
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
enum class PrintPosition { None, TopLeft, TopRight, TopCenter, BottomLeft, BottomRight, BottomCenter };
enum class FitToPageMode { Never, Grow, Shrink, Always, Custom };
enum class PrinterOrientation { Portrait, Landscape };

// Style bits of a print font.
enum PrintFontStyle : int { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

struct PrintFont {
    std::string name = "MS Sans Serif";
    int size = 8; // points
    int style = 0;
    Colour colour = kWindowTextColour;

    bool operator==(const PrintFont&) const = default;
};

struct PrintSettings {
    PrintBorderKind Borders = PrintBorderKind::Single;
    PenStyle BorderStyle = PenStyle::Solid;
    PrintPosition Date = PrintPosition::None;
    PrintPosition Time = PrintPosition::None;
    PrintPosition PageNr = PrintPosition::None;
    PrintPosition Title = PrintPosition::None;
    std::string DateFormat = "dd/mm/yyyy";
    std::vector<std::string> TitleLines;
    std::string PagePrefix;
    std::string PageNumSep = "/";
    std::string PageSuffix;
    int HeaderSize = 0;
    int FooterSize = 0;
    int LeftSize = 0;
    int RightSize = 0;
    int RowSpacing = 0;
    int ColumnSpacing = 0;
    int TitleSpacing = 0;
    FitToPageMode FitToPage = FitToPageMode::Never;
    bool Centered = true;
    bool NoAutoSize = false;
    bool UseFixedHeight = false;
    int FixedHeight = 0;
    bool UseFixedWidth = false;
    int FixedWidth = 0;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    bool UseDisplayFont = true;
    PrintFont Font;
    PrintFont HeaderFont;
    PrintFont FooterFont;
    PrintFont FixedFont; // not stored in the settings file
    PrinterOrientation Orientation = PrinterOrientation::Portrait;
    bool UseDefaultOrientation = false;

    bool operator==(const PrintSettings&) const = default;
};

// The section name of the settings file.
inline constexpr const char* kPrintSection = "PRINTSETTINGS";

// The initial settings of the day view's grid (shrunk to the page width); the
// summary grids keep the plain defaults.
PrintSettings DayViewPrintSettings();

// Writes all keys of the settings into the section of the INI text, replacing the
// keys that are there and keeping every other section and key; returns the new
// text (CR LF lines).
std::string WritePrintSettings(const PrintSettings& settings, const std::string& iniText,
                               const std::string& section = kPrintSection);

// Reads the section of the INI text into settings. A missing key gives the
// file's default for it (not the setting's initial value); an enumeration outside
// its range leaves the setting as it was, except the four positions, where any
// value outside 1 to 6 gives None; only "Y" is true. A non-empty "TitleText" of
// older files replaces the title lines.
void ReadPrintSettings(PrintSettings& settings, const std::string& iniText, const std::string& section = kPrintSection);

// The same on files. Saving writes a complete new file next to the target and then
// replaces it, so a failure leaves the old file as it was; false on failure.
// Loading a missing or unreadable file reads as an empty one (all defaults).
bool SavePrintSettingsFile(const PrintSettings& settings, const std::string& path,
                           const std::string& section = kPrintSection);
void LoadPrintSettingsFile(PrintSettings& settings, const std::string& path,
                           const std::string& section = kPrintSection);

} // namespace kontaro::grid
