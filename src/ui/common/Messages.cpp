// Routing of notices and questions to the installed sink.
#include "ui/common/Messages.h"

#include <QWidget>

#include <iostream>

#include "core/common/State.h"
#include "platform/Platform.h"

namespace qv {
namespace {

// Without a window (tools, early start-up) nothing may wait for a person.
class ConsoleSink : public MessageSink {
public:
    void notify(const std::string& text) override { std::cerr << "Quorvane: " << text << '\n'; }
    std::int16_t ask(const std::string& text) override {
        std::cerr << "Quorvane: " << text << " [No]\n";
        return AnswerNo;
    }
    void beep() override { platform::Current().beep(); }
};

ConsoleSink g_console;
MessageSink* g_sink = &g_console;

}  // namespace

void Notify(const std::string& text) { g_sink->notify(text); }

void Refuse(const std::string& text) {
    g_sink->beep();
    g_sink->notify(text);
}

void Refuse(const std::string& text, QWidget* focus) {
    Refuse(text);
    if (focus) focus->setFocus();
}

void Beep() { g_sink->beep(); }

bool Ask(const std::string& text) {
    State().LastAnswer = g_sink->ask(text);
    return State().LastAnswer == AnswerYes;
}

bool Show(const Outcome& outcome) {
    switch (outcome.state()) {
        case Outcome::State::Refused: Refuse(outcome.message()); break;
        case Outcome::State::Done:
        case Outcome::State::Failed:
            if (!outcome.message().empty()) Notify(outcome.message());
            break;
        case Outcome::State::Declined: break;
    }
    return outcome.done();
}

AskFunction AskUser() {
    return [](const std::string& question) { return Ask(question); };
}

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(g_sink) { g_sink = &sink; }

ScopedMessageSink::~ScopedMessageSink() { g_sink = previous_; }

}  // namespace qv
