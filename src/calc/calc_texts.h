#pragma once
// The German texts of the calculations, UTF-8.

namespace kontaro::calc::texts {

// The first footer cell of a computed grid; %s is the project file's name without
// folder and extension.
inline constexpr const char* kSummeFormat = "Summe (%s)";
// A summary period without any stored day.
inline constexpr const char* kKeinePassendenEintraege = "Keine passenden Einträge gefunden!";
// The name cell of a day row whose product is not in the catalogue.
inline constexpr const char* kUnbekanntesProdukt = "unbekanntes Produkt!";

// The series: a week's label (%s the week, %s its year), the months' names, and
// the row of all sales beside the groups' rows.
inline constexpr const char* kWeekFormat = "KW %s/%s";
inline constexpr const char* kMonthNames[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                                "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
inline constexpr const char* kSeriesTotal = "Gesamt";

} // namespace kontaro::calc::texts
