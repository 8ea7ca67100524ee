// Arguments, the PNG picture and the run of quorvane-plot.
#include "Plot.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cctype>

#include "core/common/NumberText.h"
#include "platform/Platform.h"
#include "ui/workstation/DrawingPainter.h"

namespace qv::plot {

const char* const PlotUsage = "usage: quorvane-plot DRAWING.drw -o OUTPUT.svg|OUTPUT.png [--size WIDTHxHEIGHT]";

namespace {
constexpr int MinSide = 16, MaxSide = 20000;

bool ParseSide(const std::string& text, int& side) {
    if (text.empty() || text.size() > 5) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    side = std::stoi(text);
    return side >= MinSide && side <= MaxSide;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() > end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}
}  // namespace

Result<PlotRequest> ParsePlotArguments(const std::vector<std::string>& args) {
    PlotRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--size") {
            if (i + 1 >= args.size()) return Status::Error(a + " needs a value\n" + PlotUsage);
            const std::string& value = args[++i];
            if (a == "-o") {
                request.Output = value;
                continue;
            }
            const std::size_t x = Lower(value).find('x');
            if (x == std::string::npos || !ParseSide(value.substr(0, x), request.Width) ||
                !ParseSide(value.substr(x + 1), request.Height))
                return Status::Error("bad --size \"" + value + "\": give WIDTHxHEIGHT in pixels, each " +
                                     NumberText(MinSide) + " to " + NumberText(MaxSide));
        } else if (!a.empty() && a[0] == '-') {
            return Status::Error("unknown option \"" + a + "\"\n" + PlotUsage);
        } else if (request.Drawing.empty()) {
            request.Drawing = a;
        } else {
            return Status::Error("more than one drawing given (\"" + a + "\")\n" + PlotUsage);
        }
    }
    if (request.Drawing.empty() || request.Output.empty()) return Status::Error(PlotUsage);
    const std::string out = Lower(request.Output);
    if (EndsWith(out, ".svg"))
        request.Format = PlotFormat::Svg;
    else if (EndsWith(out, ".png"))
        request.Format = PlotFormat::Png;
    else
        return Status::Error("cannot tell the format of \"" + request.Output + "\": the output must end in .svg or .png");
    return request;
}

std::string PngOf(const DisplayList& list, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return "";  // no memory for it
    {
        QPainter painter(&image);
        ui::DrawingPainter drawer;
        drawer.paint(painter, list, ui::FitToRect(list.Extent, QRectF(0, 0, width, height), 10));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Status RunPlot(const PlotRequest& request, std::string& summary) {
    auto list = BuildDisplayList(request.Drawing);
    if (!list) return list.status();
    const std::string bytes = request.Format == PlotFormat::Svg ? SvgOf(*list, request.Width, request.Height)
                                                                : PngOf(*list, request.Width, request.Height);
    if (bytes.empty()) return Status::Error(request.Output + ": the picture could not be made");
    Status written = platform::Current().writeFile(request.Output, bytes);
    if (!written) return written;
    auto count = [](std::int64_t n, const char* one, const char* many) {
        return NumberText(n) + " " + (n == 1 ? one : many);
    };
    summary = request.Drawing + ": " + count(static_cast<std::int64_t>(list->Hits.size()), "hit", "hits") + ", " +
              count(static_cast<std::int64_t>(list->Outlines.size()), "outline", "outlines") +
              (list->Skipped ? ", " + count(list->Skipped, "entity", "entities") + " not drawn" : "") + " -> " +
              request.Output;
    return Status::Ok();
}

}  // namespace qv::plot
