#include "calc/group_summary.h"

#include "calc/calc_texts.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"
#include "calc/summary_totals.h"
#include "columns/footer_texts.h"
#include "columns/grid_columns.h"
#include "model/win1252.h"

namespace kontaro::calc {

namespace {

TextRow Footer(model::DayNumber from, model::DayNumber to)
{
    TextRow footer(columns::group::kColumnCount);
    footer[columns::group::Gruppe] = model::ShortDateText(from);
    footer[columns::group::Anteil] = model::ShortDateText(to);
    return footer;
}

} // namespace

SummaryResult GroupSummary(const model::Project& project, model::DayNumber from, model::DayNumber to,
                           const std::string& fileName, const numbers::NumberLocale& locale)
{
    SummaryResult result;
    TextGrid& grid = result.grid;
    grid.footer = Footer(from, to);

    const int firstDay = project.Days.IndexFromDate(from);
    result.daysFound = firstDay >= 0 && project.Days.Item(firstDay).Date <= to;
    if (!result.daysFound) {
        grid.rows.emplace_back(columns::group::kColumnCount);
        grid.footer[columns::group::Name] = columns::texts::kSummen;
        WriteSummaryFigures(grid.footer, SummaryFooter().Figures(), locale);
        grid.footer[columns::group::DB1P] = ShownText(0, locale);
        return result;
    }

    const std::vector<SummaryTotals> totals = GroupTotals(project, from, to);
    const model::tGroups& groups = project.Groups;
    SummaryFooter footer;
    for (int i = 0; i < groups.Count(); ++i) {
        const model::tGroup& group = groups.Item(i);
        const SummaryTotals& total = totals[static_cast<std::size_t>(i)];
        if (!(total.brutto > 0))
            continue;
        TextRow& row = grid.rows.emplace_back(columns::group::kColumnCount);
        row[columns::group::Name] = model::Win1252ToUtf8(group.Name);
        row[columns::group::Gruppe] = std::to_string(group.ID);
        const SummaryFigures figures = SummaryRowFigures(total.brutto, total.netto, total.einkauf);
        WriteSummaryFigures(row, figures, locale);
        footer.Add(figures);
    }
    const bool anyRow = !grid.rows.empty();
    if (!anyRow)
        grid.rows.emplace_back(columns::group::kColumnCount);

    const SummaryFigures sums = footer.Figures();
    WriteSummaryFigures(grid.footer, sums, locale);
    // Where the period summary leaves the percentage empty, the group summary shows 0.
    if (!sums.db1Prozent)
        grid.footer[columns::group::DB1P] = ShownText(0, locale);
    grid.footer[columns::group::Name] = SummeText(fileName);

    // Shares of the shown net sales; with a shown net sum of 0 there is no share.
    const double shownNetto = footer.ShownNetto();
    if (anyRow && shownNetto != 0) {
        for (TextRow& row : grid.rows) {
            const double net = ReadShownValue(row[columns::group::VerkaufN], locale).value_or(0.0);
            row[columns::group::Anteil] =
                ShownText(static_cast<double>((static_cast<long double>(net) * 100) / shownNetto), locale);
        }
    }
    return result;
}

} // namespace kontaro::calc
