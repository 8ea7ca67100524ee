// The question callback for core operations in tests: answers from a queue
// (No when it is empty) and records every question asked, and beside them
// the outcomes a window would show, in order.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/common/Outcome.h"

namespace qv::test {

class Answers {
public:
    Answers(std::initializer_list<bool> yes = {}) : queue_(yes) {}

    AskFunction ask() {
        return [this](const std::string& question) {
            asked.push_back(question);
            shown.push_back(question);
            const bool yes = !queue_.empty() && queue_.front();
            if (!queue_.empty()) queue_.pop_front();
            return yes;
        };
    }
    operator AskFunction() { return ask(); }
    /// Queues the answers to the next questions (true = Yes).
    void answer(std::initializer_list<bool> yes) { queue_.insert(queue_.end(), yes); }

    /// Records an outcome as a window shows it: a refusal beeps.
    const Outcome& show(const Outcome& outcome) {
        if (outcome.state() == Outcome::State::Refused) ++beeps;
        if (!outcome.message().empty()) shown.push_back(outcome.message());
        return outcome;
    }

    std::vector<std::string> asked;  // questions only
    std::vector<std::string> shown;  // questions and notices
    int beeps = 0;

private:
    std::deque<bool> queue_;
};

/// One queue for tables whose calls are written before the test runs.
inline Answers& SharedAnswers() {
    static Answers answers;
    return answers;
}
inline AskFunction SharedAsk() {
    return [](const std::string& question) { return SharedAnswers().ask()(question); };
}

}  // namespace qv::test
