// quorvane-demo: writes a small complete installation of the suite into a
// folder, to run the workstation on. See tools/README.md.
#include <filesystem>
#include <iostream>
#include <string>

#include "DemoInstall.h"
#include "DemoTarget.h"
#include "platform/Platform.h"

namespace {
int Usage() {
    std::cerr << "usage: quorvane-demo <target-folder> [--processor <path to revsample>] [--editor <command>] "
                 "[--replace]\n";
    return 2;
}

int Fail(const qv::Status& status) {
    std::cerr << "quorvane-demo: " << status.message() << "\n";
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    std::string target;
    std::string processor;
    std::string editor = qv::demo::EditorCommand();
    bool replace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--processor" || arg == "--editor") && i + 1 < argc) {
            (arg == "--processor" ? processor : editor) = argv[++i];
        } else if (arg == "--replace") {
            replace = true;
        } else if (!arg.empty() && arg[0] != '-' && target.empty()) {
            target = arg;
        } else {
            return Usage();
        }
    }
    if (target.empty()) return Usage();
    if (processor.empty()) processor = qv::demo::ProcessorBeside(argv[0]);

    namespace fs = std::filesystem;
    std::error_code ec;
    target = fs::absolute(target, ec).lexically_normal().string();
    // The demo is written from its system folder, so a relative processor
    // path must be made whole first.
    if (!processor.empty()) processor = fs::absolute(processor, ec).lexically_normal().string();
    if (target.size() > 1 && target.back() == '/') target.pop_back();
    if (qv::Status s = qv::demo::PrepareTarget(target, replace); !s) return Fail(s);
    if (qv::Status s = qv::demo::WriteDriveMap(target); !s) return Fail(s);

    // From here on the demo is written as the program will read it: from
    // the system folder, through its drive map.
    const std::string systemHost = target + "/C/QUORVANE";
    fs::current_path(systemHost, ec);
    if (ec) return Fail(qv::Status::Error(systemHost + ": " + ec.message()));
    if (qv::Status s = qv::demo::WriteInstallation({editor}); !s) return Fail(s);

    if (processor.empty()) {
        std::cout << "No reverse processor given or found beside quorvane-demo: a reverse run will report "
                     "\"Reverse Processor is Missing\".\n";
    } else if (qv::Status s = qv::demo::CopyProcessor(processor, systemHost); !s) {
        return Fail(s);
    }
    if (editor == "Notepad.exe ") {
        std::cout << "No xdg-open on this host: \"Editor.cfg\" names Notepad.exe; edit it or pass --editor.\n";
    }
    std::cout << "Demo installation written to " << target << "\n"
              << "Start quorvane with its working folder " << systemHost << "\n";
    return 0;
}
