// Windows mask matching. Masks are first rewritten the way the Windows file
// listing does (DOS_STAR "<", DOS_QM ">", DOS_DOT '"'), then matched.
#include "platform/Wildcard.h"

#include <algorithm>
#include <vector>

#include "platform/CaseFold.h"

namespace qv::platform {
namespace {

const char kDosStar = '<';
const char kDosQm = '>';
const char kDosDot = '"';

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    std::size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string RewriteMask(const std::string& mask) {
    if (mask == "*.*") return "*";
    std::string out(mask);
    for (std::size_t i = 0; i < out.size(); ++i) {
        char next = i + 1 < mask.size() ? mask[i + 1] : '\0';
        switch (mask[i]) {
            case '*':
                if (next == '.') out[i] = kDosStar;
                break;
            case '?':
                out[i] = kDosQm;
                break;
            case '.':
                if (next == '*' || next == '?' || next == '\0') out[i] = kDosDot;
                break;
            default:
                break;
        }
    }
    return out;
}

class Matcher {
public:
    Matcher(const std::string& mask, const std::string& name)
        : mask_(mask), name_(name), lastDot_(name.rfind('.')),
          memo_((mask.size() + 1) * (name.size() + 1), kUnknown) {}

    bool match(std::size_t m, std::size_t n) {
        char& memo = memo_[m * (name_.size() + 1) + n];
        if (memo == kUnknown) memo = compute(m, n) ? kYes : kNo;
        return memo == kYes;
    }

private:
    static const char kUnknown = 0, kYes = 1, kNo = 2;

    bool compute(std::size_t m, std::size_t n) {
        const std::size_t size = name_.size();
        if (m == mask_.size()) return n == size;
        char c = mask_[m];
        if (c == '*') {
            for (std::size_t k = n; k <= size; ++k)
                if (match(m + 1, k)) return true;
            return false;
        }
        if (c == kDosStar) {
            // Runs up to the last dot of the name, never past it.
            std::size_t limit = (lastDot_ != std::string::npos && lastDot_ >= n) ? lastDot_ : size;
            for (std::size_t k = n; k <= limit; ++k)
                if (match(m + 1, k)) return true;
            return false;
        }
        if (c == kDosQm) {
            if (n == size || name_[n] == '.') {
                std::size_t after = m;
                while (after < mask_.size() && mask_[after] == kDosQm) ++after;
                return match(after, n);
            }
            return match(m + 1, n + 1);
        }
        if (c == kDosDot) {
            if (n == size) return match(m + 1, n);
            return name_[n] == '.' && match(m + 1, n + 1);
        }
        return n < size && FoldCase(c) == FoldCase(name_[n]) && match(m + 1, n + 1);
    }

    const std::string& mask_;
    const std::string& name_;
    std::size_t lastDot_;
    std::vector<char> memo_;
};

bool MatchRewritten(const std::string& rewritten, const std::string& name) {
    if (name.empty()) return false;
    if (rewritten == "*") return true;
    return Matcher(rewritten, name).match(0, 0);
}

}  // namespace

std::vector<std::string> SplitPatterns(const std::string& patterns) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        std::string mask = Trim(patterns.substr(start, end - start));
        if (!mask.empty()) out.push_back(mask);
        start = end + 1;
    }
    return out;
}

bool MatchWildcard(const std::string& mask, const std::string& name) {
    return !mask.empty() && MatchRewritten(RewriteMask(mask), name);
}

WildcardSet::WildcardSet(const std::string& patterns) {
    for (const auto& mask : SplitPatterns(patterns)) {
        masks_.push_back(RewriteMask(mask));
        if (masks_.back() == "*") all_ = true;
    }
}

bool WildcardSet::matches(const std::string& name) const {
    if (all_) return !name.empty();
    return std::any_of(masks_.begin(), masks_.end(),
                       [&](const std::string& mask) { return MatchRewritten(mask, name); });
}

void SortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), LessCaseBlind);
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

}  // namespace qv::platform
