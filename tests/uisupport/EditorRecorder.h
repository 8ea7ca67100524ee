// A stand-in for the external editor: a script in the demo's system folder
// that writes the arguments it was started with, one a line, to a file; and
// "Editor.cfg" naming it, with an option that is dropped.
#pragma once

#include <QtTest/QTest>
#include <filesystem>
#include <string>

#include "support/Sandbox.h"

namespace qv::test {

class EditorRecorder {
public:
    static constexpr const char* Program = "C:\\QUORVANE\\recorder";

    explicit EditorRecorder(Sandbox& box) : box_(box) {
        const std::string args = box.host("C:\\QUORVANE\\editor-args");
        // Written under another name first, so a reader never sees half of it.
        box.write(Program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + args + ".part' && mv '" + args + ".part' '" +
                               args + "'\n");
        std::filesystem::permissions(box.host(Program), std::filesystem::perms::owner_all);
        box.write("C:\\QUORVANE\\Editor.cfg", std::string(Program) + " /X\r\n");
    }
    /// The arguments of the editor's start; "" when it was not started (when
    /// one is awaited: within a few seconds).
    std::string arguments(bool awaited) const {
        if (awaited) (void)QTest::qWaitFor([this] { return box_.exists("C:\\QUORVANE\\editor-args"); }, 5000);
        return box_.read("C:\\QUORVANE\\editor-args");
    }

private:
    Sandbox& box_;
};

}  // namespace qv::test
