// Choosing another reverse processor; "Reverse.cfg" remembers it.
#pragma once

#include "ui/startup/ChoiceForm.h"

namespace qv::ui {

class EngineForm : public ChoiceForm {
    Q_OBJECT
public:
    explicit EngineForm(QWidget* parent = nullptr);

protected:
    void choose(std::int16_t number) override;
    std::string nothingSelectedText() const override { return "No Reverse Selected !"; }
};

}  // namespace qv::ui
