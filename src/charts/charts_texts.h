#pragma once
// The German texts of the charts, UTF-8; "%s" is filled by numbers::FormatText.

namespace kontaro::charts::texts {

inline constexpr const char* kMarginTitle = "Verkauf (N) und DB1 vom %s bis %s";
inline constexpr const char* kGroupTitle = "DB1 je Gruppe vom %s bis %s";
inline constexpr const char* kVerkaufN = "Verkauf (N)";
inline constexpr const char* kDB1 = "DB1";
inline constexpr const char* kDB1Prozent = "DB1 (%)";
inline constexpr const char* kAmountAxis = "Betrag";
inline constexpr const char* kPercentAxis = "DB1 (%)";
inline constexpr const char* kDayAxis = "Tag";
inline constexpr const char* kWeekAxis = "Woche";
inline constexpr const char* kMonthAxis = "Monat";
// A bar's or point's tip: the bucket, the series (and group) and the shown value.
inline constexpr const char* kTipFormat = "%s\n%s: %s";
inline constexpr const char* kGroupTipFormat = "%s\nDB1 %s: %s";
// A chart that could not be written; %s is the file.
inline constexpr const char* kNotWritten = "Das Diagramm konnte nicht nach \"%s\" geschrieben werden.";

} // namespace kontaro::charts::texts
