// Shows core's notices and questions as the suite's message boxes: title
// "Quorvane", the exclamation icon, OK for a notice, Yes/No with No as the
// default for a question, centred on the main window once it is shown.
#pragma once

#include "ui/common/Messages.h"

class QWidget;

namespace qv::ui {

class MessageBoxSink : public MessageSink {
public:
    void notify(const std::string& text) override;
    std::int16_t ask(const std::string& text) override;
    void beep() override;
};

}  // namespace qv::ui
