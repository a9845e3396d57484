#include "report/penetration_chart.h"

#include <algorithm>
#include <string>

#include "calc/formula_names.h"

namespace report {

Chart penetrationChart(const calc::PileRecord& record, const calc::RecordCheck& check,
                       std::string_view decimalSeparator, Rect place)
{
    Chart chart;
    chart.place = place;
    chart.title = std::string(kPenetrationTitle) + " " + record.mark;
    chart.x = {kPenetrationBlowsAxis, 0.0, std::nullopt};
    chart.y = {kPenetrationDepthAxis, std::nullopt, std::nullopt, true};

    const std::vector<calc::PenetrationStep> steps = calc::penetration(record, decimalSeparator);
    // Each 30 cm a vertical stroke at its count, joined to the next.
    Series blows{"จำนวนครั้ง/30 ซม.", 0, SeriesStyle::SolidLine, {}};
    for (const calc::PenetrationStep& step : steps) {
        blows.points.push_back(ChartPoint{step.blows, step.top});
        blows.points.push_back(ChartPoint{step.blows, step.bottom});
    }
    blows.markPoints = false;
    if (!blows.points.empty()) chart.series.push_back(std::move(blows));

    if (check.criterion && !steps.empty()) {
        const double criterion = check.criterion->blows30Value;
        chart.series.push_back(Series{std::string("เกณฑ์ ") + calc::shortFormulaName(check.criterion->formula) + " "
                                          + check.criterion->blows30 + " ครั้ง",
                                      1,
                                      SeriesStyle::DashedLine,
                                      {ChartPoint{criterion, steps.front().top}, ChartPoint{criterion, steps.back().bottom}},
                                      false});
    }
    return chart;
}

}  // namespace report
