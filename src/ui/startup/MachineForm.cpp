// The machine selection window.
#include "ui/startup/MachineForm.h"

#include "ui/common/Messages.h"
#include "core/common/State.h"
#include "core/startup/MachineList.h"
#include "core/startup/Startup.h"
#include "core/workstation/RecentFile.h"

namespace qv::ui {

MachineForm::MachineForm(QWidget* parent)
    : ChoiceForm(QStringLiteral("MachineForm"), QStringLiteral("Select Machine"),
                 QStringLiteral("Select &Machine"), parent) {
    fill(FillMachineList(State().Config.SelectedMachine, false, 1));
}

void MachineForm::choose(std::int16_t number) {
    const Status status = SelectMachine(number, State().Config.CurrentDirectory);
    if (!status) {
        // The previous machine stays current, and so does its recent program.
        Notify(status.message());
        return;
    }
    (void)ResetLastFile();
}

}  // namespace qv::ui
