// Keeps typed names valid as file and folder names and numeric boxes numeric.
#include "core/tooling/KeyFilter.h"

#include "core/common/Text.h"
#include "platform/Platform.h"

namespace qv {
namespace {

bool IsNameCharacter(int c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '&': case '(': case ')': case '+': case '-': case '.': case '_': return true;
        default: return false;
    }
}

// The length limit of a mode; 0 for an unknown mode, which takes nothing.
int LengthLimit(std::int16_t mode) {
    switch (mode) {
        case FilterName: return 32;
        case FilterSubName:
        case FilterPattern: return 36;
        default: return mode > 0 ? mode : 0;
    }
}

}  // namespace

bool KeyAccepted(int keyCode, std::int16_t mode, const std::string& text, int selectionLength) {
    if (keyCode == KeyBackspace || keyCode == KeyEnter) return true;
    const int limit = LengthLimit(mode);
    if (limit == 0) return false;
    const bool wildcard = mode == FilterPattern && (keyCode == '*' || keyCode == '?');
    if (keyCode != ' ' && !IsNameCharacter(keyCode) && !wildcard) return false;
    const std::string trimmed = Trim(text);
    if (keyCode == ' ' && trimmed.empty()) return false;
    return static_cast<int>(trimmed.size()) < limit || selectionLength > 0;
}

int FilterKey(int keyCode, std::int16_t mode, const std::string& text, int selectionLength) {
    if (KeyAccepted(keyCode, mode, text, selectionLength)) return keyCode;
    platform::Current().beep();
    return 0;
}

std::int16_t& KeyFilterMode() {
    static std::int16_t mode = 0;
    return mode;
}

}  // namespace qv
