// How the windows show messages: every notice and question goes through one
// sink that main() provides and tests replace with a recorder.
// The sink draws them with the title "Quorvane" and the exclamation icon; a
// question has Yes and No buttons with No as the default.
#pragma once

#include <cstdint>
#include <string>

#include "core/common/Outcome.h"

class QWidget;

namespace qv {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    /// A notice with an OK button.
    virtual void notify(const std::string& text) = 0;
    /// A Yes/No question; returns AnswerYes (6) or AnswerNo (7).
    virtual std::int16_t ask(const std::string& text) = 0;
    virtual void beep() = 0;
};

/// Shows a notice.
void Notify(const std::string& text);
/// A failed check: beep, then the notice.
void Refuse(const std::string& text);
/// The same, then the focus goes to the control the user has to put right.
void Refuse(const std::string& text, QWidget* focus);
/// The warning beep before a question.
void Beep();
/// Asks a question and keeps the answer in LastAnswer; true on Yes.
bool Ask(const std::string& text);

/// Shows what a core operation did: a refusal beeps before its notice, a
/// failure or a closing notice is shown as it is, a declined one shows
/// nothing. Returns outcome.done().
bool Show(const Outcome& outcome);

/// The question callback core operations take: asks through the sink and
/// keeps the answer in LastAnswer.
AskFunction AskUser();

/// Installs a sink for as long as this object lives. With none installed,
/// notices are written to the standard error stream and questions answer No.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink& sink);
    ~ScopedMessageSink();
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink* previous_;
};

}  // namespace qv
