#include "CurvePlot.h"

#include <algorithm>
#include <cmath>

#include "Int16.h"
#include "OddsText.h"
#include "Texts.h"

namespace duelmark {
namespace {

constexpr double kWidth = 820, kHeight = 520;
constexpr double kLeft = 80, kRight = 30, kTop = 70, kBottom = 70;  // the plot's margins
constexpr double kPlotWidth = kWidth - kLeft - kRight, kPlotHeight = kHeight - kTop - kBottom;

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '"')
      escaped += "&quot;";
    else
      escaped += c;
  }
  return escaped;
}

std::string At(double value) { return Fixed(value, 1); }

// Round numbers for the value axis: about eight steps of 1, 2 or 5 times a power of ten.
double TickStep(double span) {
  const double rough = std::max(span, 1.0) / 8;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

std::string Text(double x, double y, const std::string& anchor, const std::string& text,
                 const std::string& extra = "") {
  return "<text x=\"" + At(x) + "\" y=\"" + At(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" + Escaped(text) +
         "</text>\n";
}

}  // namespace

std::string CurveSvg(const Curve& curve) {
  const double from = curve.points.front().value, to = curve.points.back().value;
  const double span = std::max(to - from, 1.0);
  const auto x = [&](double value) { return kLeft + (value - from) / span * kPlotWidth; };
  const auto y = [](double share) { return kTop + (1 - share) * kPlotHeight; };
  const std::string name = Odds::SpokenName(curve.varied);

  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      At(kWidth) + "\" height=\"" + At(kHeight) + "\" viewBox=\"0 0 " + At(kWidth) + " " + At(kHeight) +
      "\" font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\" font-size=\"13\">\n";
  // TRANSLATORS: the title of a curve's picture (--plot); {statistic} is the varied one, as
  // "Hero Health".
  const std::string title = rt::Format(rt::Tr("The Hero's chance to win as {statistic} varies"), {{"statistic", name}});
  svg += "<title>" + Escaped(title) + "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += Text(kWidth / 2, 26, "middle", title, " font-size=\"17\" font-weight=\"bold\"");
  svg += Text(kWidth / 2, 46, "middle", SettingWords(curve.settings, LeftOut(curve.varied)), " font-size=\"11\"");

  // The grid and the axes' numbers: every 10 % up the side, round values along the bottom.
  svg += "<g stroke=\"#ddd\">\n";
  for (int percent = 0; percent <= 100; percent += 10)
    svg += "<line x1=\"" + At(kLeft) + "\" x2=\"" + At(kLeft + kPlotWidth) + "\" y1=\"" + At(y(percent / 100.0)) +
           "\" y2=\"" + At(y(percent / 100.0)) + "\"/>\n";
  const double step = TickStep(span);
  std::string ticks;
  for (double value = std::ceil(from / step) * step; value <= to + 1e-9; value += step) {
    svg += "<line x1=\"" + At(x(value)) + "\" x2=\"" + At(x(value)) + "\" y1=\"" + At(kTop) + "\" y2=\"" +
           At(kTop + kPlotHeight) + "\"/>\n";
    ticks += Text(x(value), kTop + kPlotHeight + 18, "middle", rt::ToText(static_cast<long>(value)));
  }
  svg += "</g>\n" + ticks;
  for (int percent = 0; percent <= 100; percent += 10)
    svg += Text(kLeft - 8, y(percent / 100.0) + 4, "end", std::to_string(percent) + " %");
  svg += "<rect x=\"" + At(kLeft) + "\" y=\"" + At(kTop) + "\" width=\"" + At(kPlotWidth) + "\" height=\"" +
         At(kPlotHeight) + "\" fill=\"none\" stroke=\"#333\"/>\n";
  svg += Text(kLeft + kPlotWidth / 2, kHeight - 22, "middle", name);
  // TRANSLATORS: the label of the side axis of a curve's picture, the Hero's share of wins.
  svg += Text(22, kTop + kPlotHeight / 2, "middle", rt::Tr("Hero wins"),
              " transform=\"rotate(-90 22 " + At(kTop + kPlotHeight / 2) + ")\"");

  // The 95 % band of sampled points, up along the high ends and back along the low ones.
  // (Not std::ranges: Emscripten's libc++ has no ranges algorithms, and the page draws this too.)
  const bool sampled = std::any_of(curve.points.begin(), curve.points.end(), [](const Odds::Point& point) {
    return point.figures.method == Odds::Method::Sampled;
  });
  if (sampled) {
    std::string band;
    for (const Odds::Point& point : curve.points)
      band += At(x(point.value)) + "," + At(y(point.figures.heroWinRateHigh)) + " ";
    for (auto point = curve.points.rbegin(); point != curve.points.rend(); ++point)
      band += At(x(point->value)) + "," + At(y(point->figures.heroWinRateLow)) + " ";
    svg += "<polygon points=\"" + band + "\" fill=\"#9ec5f0\" fill-opacity=\"0.6\" stroke=\"none\"/>\n";
  }
  if (curve.target) {
    svg += "<line x1=\"" + At(kLeft) + "\" x2=\"" + At(kLeft + kPlotWidth) + "\" y1=\"" + At(y(*curve.target)) +
           "\" y2=\"" + At(y(*curve.target)) +
           "\" stroke=\"#c0392b\" stroke-width=\"1.5\" stroke-dasharray=\"6 4\"/>\n";
    // TRANSLATORS: over the line of the target (--target) in a curve's picture; {target} is a
    // percentage, as "50.00 %".
    const std::string label = rt::Format(rt::Tr("target {target}"), {{"target", Percent(*curve.target)}});
    svg += Text(kLeft + kPlotWidth - 6, y(*curve.target) - 6, "end", label, " fill=\"#c0392b\"");
  }
  std::string line;
  for (const Odds::Point& point : curve.points)
    line += At(x(point.value)) + "," + At(y(point.figures.heroWinRate)) + " ";
  svg += "<polyline points=\"" + line + "\" fill=\"none\" stroke=\"#1f4e9c\" stroke-width=\"2\"/>\n";
  const std::string legend =
      sampled
          // TRANSLATORS: the legend of a curve's picture whose odds were sampled: the line is the
          // Hero's chance to win, the band around it where the true chance lies, 95 times in 100.
          ? rt::Tr("line: the Hero's chance; band: its 95 % interval, sampled")
          // TRANSLATORS: the legend of a curve's picture whose odds were all worked out exactly.
          : rt::Tr("worked out exactly");
  svg += Text(kLeft + 6, kTop + 16, "start", legend, " font-size=\"11\" fill=\"#555\"");
  return svg + "</svg>\n";
}

}  // namespace duelmark
