// Choosing another machine: the whole machine set-up runs again for it.
#pragma once

#include "ui/startup/ChoiceForm.h"

namespace qv::ui {

class MachineForm : public ChoiceForm {
    Q_OBJECT
public:
    explicit MachineForm(QWidget* parent = nullptr);

protected:
    void choose(std::int16_t number) override;
    std::string nothingSelectedText() const override { return "No Machine Selected !"; }
};

}  // namespace qv::ui
