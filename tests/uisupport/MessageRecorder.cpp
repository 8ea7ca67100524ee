#include "uisupport/MessageRecorder.h"

#include "core/common/State.h"

namespace qv::test {

std::int16_t MessageRecorder::ask(const std::string& text) {
    shown.push_back(text);
    if (answers.empty()) return AnswerNo;
    bool yes = answers.front();
    answers.pop_front();
    return yes ? AnswerYes : AnswerNo;
}

}  // namespace qv::test
