// A message sink for tests: records every notice, question and beep, and
// answers questions from a queue (No when the queue is empty).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "ui/common/Messages.h"

namespace qv::test {

class MessageRecorder : public MessageSink {
public:
    MessageRecorder() : scope_(*this) {}

    void notify(const std::string& text) override {
        shown.push_back(text);
        if (onNotify) onNotify();
    }
    std::int16_t ask(const std::string& text) override {
        shown.push_back(text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes ? AnswerYes : AnswerNo;
    }
    void beep() override { ++beeps; }

    /// Queues the answers to the next questions (true = Yes).
    void answer(std::initializer_list<bool> yes) { answers.insert(answers.end(), yes); }

    std::vector<std::string> shown;  // notices and questions, in order
    std::deque<bool> answers;
    int beeps = 0;
    std::function<void()> onNotify;  // runs after each notice: a disc put in while it is up

private:
    ScopedMessageSink scope_;
};

}  // namespace qv::test
