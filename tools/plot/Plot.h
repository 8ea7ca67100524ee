// quorvane-plot: a drawing drawn to an SVG or PNG file through the display
// list the workstation's view uses. Paths here are the suite's paths.
#pragma once

#include <string>
#include <vector>

#include "core/workstation/DisplayList.h"
#include "platform/Result.h"

namespace qv::plot {

enum class PlotFormat { Svg, Png };

struct PlotRequest {
    std::string Drawing;
    std::string Output;
    int Width = 1200;
    int Height = 800;
    PlotFormat Format = PlotFormat::Svg;
};

extern const char* const PlotUsage;

/// The arguments after the program's name. Errors say what is wrong.
Result<PlotRequest> ParsePlotArguments(const std::vector<std::string>& args);

/// The list as an SVG document of width x height pixels: the sheet, the
/// clamps, one <use> element per hit, the arrows and the Specials' names.
std::string SvgOf(const DisplayList& list, int width, int height);

/// The list painted onto an image of width x height pixels, PNG bytes.
/// Needs a QGuiApplication.
std::string PngOf(const DisplayList& list, int width, int height);

/// Reads the drawing, draws it and replaces the output file. On success
/// `summary` says what was drawn.
Status RunPlot(const PlotRequest& request, std::string& summary);

}  // namespace qv::plot
