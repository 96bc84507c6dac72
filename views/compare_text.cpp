#include "views/compare_text.h"

#include "text/number_text.h"

namespace corvane {

std::string CompareTableText(const CompareView& view) {
  std::string text;
  for (const std::string& heading : view.headings) text += '\t' + heading;
  text += "\t\n";
  for (const CompareRow& row : view.rows) {
    text += row.label;
    for (const std::string& value : row.values) text += '\t' + value;
    text += '\t' + row.unit + '\n';
  }
  return text;
}

std::string ChartText(const ChartContent& chart) {
  std::string text = "chart: " + chart.title + '\n';
  for (const ChartSeries& series : chart.series) {
    text += "series: " + series.name + ':';
    for (std::size_t r = 0; r < series.runs.size(); ++r) {
      if (r > 0) text += " |";
      for (std::size_t i = 0; i < series.runs[r].size(); ++i) {
        const ChartPoint& p = series.runs[r][i];
        text += (i == 0 ? " " : ", ") + FormatFixed(p.x, 1) + ' ' + FormatFixed(p.y, 5);
      }
    }
    text += '\n';
  }
  for (const ChartMark& mark : chart.marks) text += "mark: " + mark.label + '\n';
  return text;
}

}  // namespace corvane
