// What a core operation that a window calls did. Core shows nothing: the
// window shows the outcome (a refusal with a beep, a failure or a closing
// notice as a notice) and decides its focus from it.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/Result.h"

namespace qv {

/// Asks the user a Yes/No question half-way through an operation; true on Yes.
using AskFunction = std::function<bool(const std::string& question)>;

class [[nodiscard]] Outcome {
public:
    enum class State {
        Done,      // the operation did its work; message, if any, is its closing notice
        Declined,  // the user answered No: nothing was done and nothing is to be shown
        Refused,   // a check failed before anything was done: beep and notice
        Failed,    // the file system or an outside program failed: notice
    };

    static Outcome Done(std::string notice = {}, int count = 0) {
        return Outcome(State::Done, std::move(notice), ErrorKind::None, count);
    }
    static Outcome Declined(int count = 0) { return Outcome(State::Declined, {}, ErrorKind::None, count); }
    static Outcome Refused(std::string text) { return Outcome(State::Refused, std::move(text), ErrorKind::Other, 0); }
    static Outcome Failed(std::string text, ErrorKind kind = ErrorKind::Other, int count = 0) {
        return Outcome(State::Failed, std::move(text), kind == ErrorKind::None ? ErrorKind::Other : kind, count);
    }
    static Outcome Failed(const Status& status, int count = 0) {
        return Failed(status.message(), status.kind(), count);
    }

    State state() const { return state_; }
    bool done() const { return state_ == State::Done; }
    /// The text to show ("" for none).
    const std::string& message() const { return message_; }
    ErrorKind kind() const { return kind_; }
    /// What was really processed: sets copied, moved, deleted or imported.
    int count() const { return count_; }

    /// The same outcome with its message extended ("<message>\n\n<more>").
    Outcome with(const std::string& more) const {
        Outcome o = *this;
        o.message_ = message_.empty() ? more : message_ + "\n\n" + more;
        return o;
    }

private:
    Outcome(State state, std::string message, ErrorKind kind, int count)
        : state_(state), message_(std::move(message)), kind_(kind), count_(count) {}
    State state_;
    std::string message_;
    ErrorKind kind_;
    int count_;
};

}  // namespace qv
