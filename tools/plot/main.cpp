// quorvane-plot DRAWING.drw -o OUTPUT.svg|OUTPUT.png [--size WIDTHxHEIGHT]
// Draws a drawing file as the workstation's view shows it; see tools/README.md.
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "Plot.h"
#include "platform/Platform.h"
#ifndef _WIN32
#include "platform/PosixPlatform.h"
#endif

namespace {
// The platform takes the suite's Windows paths; here drive C: is the host's
// root, so a host path becomes one by its absolute form.
std::string SuitePath(const std::string& host) {
#ifdef _WIN32
    return host;
#else
    std::string path = std::filesystem::absolute(host).lexically_normal().string();
    for (char& c : path)
        if (c == '/') c = '\\';
    return "C:" + path;
#endif
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    auto request = qv::plot::ParsePlotArguments(args);
    if (!request) {
        std::cerr << "quorvane-plot: " << request.message() << "\n";
        return 2;
    }
#ifndef _WIN32
    qv::platform::PosixPlatform host("");
    qv::platform::ScopedPlatform scope(host);
#endif
    const std::string drawingName = request->Drawing, outputName = request->Output;
    request->Drawing = SuitePath(request->Drawing);
    request->Output = SuitePath(request->Output);
    std::unique_ptr<QGuiApplication> app;
    if (request->Format == qv::plot::PlotFormat::Png) {
        // Text needs a Gui application; no display is needed for an image.
#ifndef _WIN32
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
        // Qt's notes about the session (no runtime folder...) are not the
        // program's messages; only failures are reported.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "quorvane-plot: " << text.toLocal8Bit().constData() << "\n";
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    std::string summary;
    const qv::Status status = qv::plot::RunPlot(*request, summary);
    // Messages name the files as they were given.
    std::string message = status ? summary : status.message();
    for (const auto& [suite, given] : {std::pair{request->Drawing, drawingName}, {request->Output, outputName}})
        for (std::size_t at; (at = message.find(suite)) != std::string::npos;) message.replace(at, suite.size(), given);
    if (!status) {
        std::cerr << "quorvane-plot: " << message << "\n";
        return 1;
    }
    std::cout << message << "\n";
    return 0;
}
