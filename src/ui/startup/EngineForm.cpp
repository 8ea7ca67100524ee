// The reverse processor selection window.
#include "ui/startup/EngineForm.h"

#include "ui/common/Messages.h"
#include "core/common/State.h"
#include "core/startup/ReverseList.h"

namespace qv::ui {

EngineForm::EngineForm(QWidget* parent)
    : ChoiceForm(QStringLiteral("EngineForm"), QStringLiteral("Select Reverse Processor"),
                 QStringLiteral("Select &Reverse Processor"), parent) {
    fill(FillReverseList(State().Reverse.ReverseNumber, false, 1));
}

void EngineForm::choose(std::int16_t number) {
    const Status status = WriteReverseConfiguration(number);
    if (!status) Notify(status.message());
    SelectReverse(number);
}

}  // namespace qv::ui
