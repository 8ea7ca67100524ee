// Temporary drives and file contents for the file-set tests.
#include "support/FileSetWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/common/State.h"
#include "support/Answers.h"

namespace qv::test {

FileSetWorld::FileSetWorld(std::initializer_list<bool> yes) : Sandbox({{'C'}, {'D'}}) {
    State().Mach.MachineFolder = "M1";
    State().LastAnswer = 0;
    SharedAnswers() = Answers(yes);
    for (const char* folder : {kJobs, kParts, kForeign, kOtherDriveOwn, kOtherDriveForeign, kExchange})
        makeFolder(folder);
}

void FileSetWorld::putFiles(const std::string& folder, const std::vector<std::string>& names,
                            const std::string& prefix) {
    for (const std::string& name : names) write(folder + name, Bytes(prefix, name));
}

void FileSetWorld::expectFolder(const std::string& folder, const std::vector<std::string>& entries,
                                const std::string& sourcePrefix) const {
    std::vector<std::string> expected;
    for (const std::string& entry : entries) {
        const std::size_t arrow = entry.find('<');
        expected.push_back(entry.substr(0, arrow));
        const std::string bytes =
            arrow == std::string::npos ? Bytes("old", entry) : Bytes(sourcePrefix, entry.substr(arrow + 1));
        EXPECT_EQ(read(folder + expected.back()), bytes) << expected.back();
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(folder), expected);
}

void FileSetWorld::expectUntouched(const std::string& folder, std::vector<std::string> files,
                                   const std::string& prefix) const {
    std::sort(files.begin(), files.end());
    EXPECT_EQ(names(folder), files);
    for (const std::string& name : files) EXPECT_EQ(read(folder + name), Bytes(prefix, name)) << name;
}

std::vector<std::string> Files(const std::string& tokens, const std::string& base, const std::string& newBase) {
    std::vector<std::string> out;
    std::istringstream words(tokens);
    for (std::string t; words >> t;) {
        const bool kept = t[0] == '=';
        if (kept) t = t.substr(1);
        const auto named = [&](const std::string& b) { return t == "-" ? b : b + "." + t; };
        if (t[0] == '/') out.push_back(t.substr(1));
        else out.push_back(newBase.empty() || kept ? named(base) : named(newBase) + "<" + named(base));
    }
    return out;
}

std::string Bytes(const std::string& prefix, const std::string& name) {
    std::string bytes = prefix + " " + name + "\r\n";
    bytes += std::string("\0\x1a\xff\n\r", 5);
    // Sizes differ from file to file, so a short copy cannot pass unseen.
    bytes += std::string(name.size() * 37 + prefix.size() * 11, static_cast<char>('a' + name.size() % 26));
    return bytes;
}

std::vector<std::string> StagingLeftovers(const Snapshot& snapshot) {
    std::vector<std::string> out;
    for (const auto& [key, bytes] : snapshot) {
        const std::string name = key.substr(key.rfind('/') + 1);
        if (name.rfind("~qv", 0) == 0 || name.rfind(".~qv", 0) == 0) out.push_back(key);
    }
    return out;
}

std::string OverwriteQuestion(const std::string& name) {
    return "\"" + name + "\" Already Exists !\n\nOverwrite It ?";
}

}  // namespace qv::test
