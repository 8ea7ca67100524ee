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

// Whether mask[m..] matches name[n..], worked out row by row from the end of
// the mask: row m needs only row m + 1 and, for a run of DOS_QM, the row
// after the run. No recursion, so a long mask costs no stack.
bool Match(const std::string& mask, const std::string& name) {
    const std::size_t size = name.size();
    const std::size_t lastDot = name.rfind('.');
    std::vector<char> next(size + 1, 0), cur(size + 1, 0), afterRun;
    std::vector<std::size_t> before(size + 2, 0);  // matches in row m + 1 before each position
    next[size] = 1;  // the end of the mask matches only the end of the name
    // Matches of row m + 1 at any position from n to last.
    auto anyFrom = [&](std::size_t n, std::size_t last) { return before[last + 1] > before[n]; };
    for (std::size_t m = mask.size(); m-- > 0;) {
        const char c = mask[m];
        if (c == kDosQm && (m + 1 == mask.size() || mask[m + 1] != kDosQm)) afterRun = next;
        if (c == '*' || c == kDosStar)
            for (std::size_t k = 0; k <= size; ++k) before[k + 1] = before[k] + (next[k] ? 1 : 0);
        for (std::size_t n = 0; n <= size; ++n) {
            const bool atEnd = n == size;
            switch (c) {
                case '*':
                    cur[n] = anyFrom(n, size);
                    break;
                case kDosStar:
                    // Runs up to the last dot of the name, never past it.
                    cur[n] = anyFrom(n, (lastDot != std::string::npos && lastDot >= n) ? lastDot : size);
                    break;
                case kDosQm:
                    cur[n] = (atEnd || name[n] == '.') ? afterRun[n] : next[n + 1];
                    break;
                case kDosDot:
                    cur[n] = atEnd ? next[n] : (name[n] == '.' && next[n + 1]);
                    break;
                default:
                    cur[n] = !atEnd && FoldCase(c) == FoldCase(name[n]) && next[n + 1];
                    break;
            }
        }
        std::swap(cur, next);
    }
    return next[0] != 0;
}

bool MatchRewritten(const std::string& rewritten, const std::string& name) {
    if (name.empty()) return false;
    if (rewritten == "*") return true;
    return Match(rewritten, name);
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
