// Whole-file line input/output and the comma/line field reader of the suite.
#include "core/common/TextFile.h"

#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "platform/Platform.h"

namespace qv {
namespace {
// Old DOS editors end a text file with Ctrl-Z; nothing after it is text.
std::string CutAtEndOfFileMark(std::string content) {
    const std::size_t mark = content.find('\x1A');
    if (mark != std::string::npos) content.resize(mark);
    return content;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
}  // namespace

std::vector<std::string> SplitLines(const std::string& content) {
    const std::string text = CutAtEndOfFileMark(content);
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsLineEnd(text[i])) {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        // CR LF is one line end; a lone CR or LF is one too.
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = ++i;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

Result<std::vector<std::string>> ReadLines(const std::string& path) {
    Result<std::string> content = platform::Current().readFile(path);
    if (!content) return content.status();
    return SplitLines(*content);
}

Status WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string content;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\x1A') != std::string::npos)
            return Status::Error(path + ": line " + std::to_string(i + 1) +
                                 " holds the end-of-file character Ctrl-Z, which would end the file there");
    }
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    return platform::Current().writeFile(path, content);
}

FieldReader::FieldReader(std::string content) : content_(CutAtEndOfFileMark(std::move(content))) {}

bool FieldReader::atEnd() const { return pos_ >= content_.size(); }

void FieldReader::skipBlanks() {
    while (pos_ < content_.size() && (content_[pos_] == ' ' || content_[pos_] == '\t')) ++pos_;
}

std::string FieldReader::next() {
    skipBlanks();
    if (atEnd()) return "";

    std::string field;
    if (content_[pos_] == '"') {
        // A quote left open ends at the line end, so one stray quote cannot
        // swallow the rest of the file.
        const std::size_t start = ++pos_;
        while (pos_ < content_.size() && content_[pos_] != '"' && !IsLineEnd(content_[pos_])) ++pos_;
        field = content_.substr(start, pos_ - start);
        if (pos_ < content_.size() && content_[pos_] == '"') ++pos_;
        while (pos_ < content_.size() && content_[pos_] != ',' && !IsLineEnd(content_[pos_])) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < content_.size() && content_[pos_] != ',' && !IsLineEnd(content_[pos_])) ++pos_;
        field = Trim(content_.substr(start, pos_ - start));
    }

    bool lineEndFollows = true;
    if (pos_ < content_.size() && content_[pos_] == ',') {
        ++pos_;
        // A comma closing a line ends the field before it, not an empty one.
        skipBlanks();
        lineEndFollows = pos_ < content_.size() && IsLineEnd(content_[pos_]);
    }
    if (lineEndFollows && pos_ < content_.size()) {
        if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
    }
    return field;
}

std::int16_t FieldReader::nextInt16() { return RoundToInt16(LeadingNumber(next())); }

double FieldReader::nextNumber() { return LeadingNumber(next()); }

bool FieldReader::IsListEnd(const std::string& field) {
    const std::string trimmed = Trim(field);
    return trimmed.empty() || trimmed == "******";
}

Result<FieldReader> OpenFieldReader(const std::string& path) {
    Result<std::string> content = platform::Current().readFile(path);
    if (!content) return content.status();
    return FieldReader(std::move(*content));
}

}  // namespace qv
