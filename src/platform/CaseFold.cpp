// ASCII case folding and case-blind ordering of names.
#include "platform/CaseFold.h"

#include <algorithm>

namespace qv::platform {

std::string FoldCase(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = FoldCase(c);
    return out;
}

bool EqualCaseBlind(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

bool LessCaseBlind(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(FoldCase(a[i]));
        auto y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace qv::platform
