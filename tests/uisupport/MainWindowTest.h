// A test of the main window on an installation (the demo unless another is
// named): the installation made, the window started as the program starts
// it, messages recorded.
#pragma once

#include <memory>

#include "support/DemoInstallation.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReverseForm.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/TurretTable.h"
#include "uisupport/MessageRecorder.h"
#include "uisupport/UiTest.h"

namespace qv::test {

/// Picks the row of a combo box whose text starts with prefix.
inline void Pick(QWidget* dialog, const char* combo, const QString& prefix) {
    auto* box = dialog->findChild<QComboBox*>(combo);
    ASSERT_NE(box, nullptr) << combo;
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).trimmed().startsWith(prefix)) return box->setCurrentIndex(i);
    }
    FAIL() << combo << " has no row " << prefix.toStdString();
}

/// Confirms a tool in the tool entry dialog once it shows; an empty angle
/// takes none, a typed one goes into the angle box.
inline void ConfirmTool(const QString& shape, const QString& size, const QString& station,
                        const QString& typedAngle = {}) {
    WhenModal("RvsTol", [=](QWidget* dialog) {
        Pick(dialog, "ShapeList", shape);
        Pick(dialog, "SizeList", size);
        Pick(dialog, "StnList", station);
        if (!typedAngle.isEmpty()) dialog->findChild<QLineEdit*>("AngBox")->setText(typedAngle);
        Click(dialog, "InptOk");
    });
}

template <typename Installation>
class MainWindowTestOn : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        // A size one test saved must not shape the next test's window.
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("Quorvane")).clear();
        ASSERT_TRUE(installation.ok()) << installation.error();
    }
    /// Runs the start-up and shows the window.
    void start() {
        form = std::make_unique<ui::ReverseForm>();
        ASSERT_TRUE(form->load()) << lastShown();
        form->show();
    }
    bool menusEnabled() const { return form->FileMenu->isEnabled() && form->ReverseEngineer->isEnabled(); }
    /// Opens the program frame and runs the program selected there.
    void runSelected() {
        form->ReverseEngineer->trigger();
        ASSERT_TRUE(form->ProgFrame->isVisible());
        QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    }
    /// Starts, runs the program selected in the program frame, overwriting
    /// its drawing, and tells whether the reverse panel shows.
    bool openPanel() {
        start();
        messages.answer({true});
        runSelected();
        return form->RvsBck->isVisible();
    }
    /// The last message shown, to explain a failed check.
    std::string lastShown() const { return messages.shown.empty() ? "" : messages.shown.back(); }
    /// The texts of one column of the tooling table.
    QStringList column(int i) const { return Texts(form->RvsBck->Trt->TrtList[i]); }
    /// The tooling table's rows, the columns joined by "|".
    QStringList rows() const {
        QStringList rows = column(1);
        for (int i = 2; i <= 4; ++i)
            for (int r = 0; r < rows.size(); ++r) rows[r] += "|" + column(i).value(r);
        return rows;
    }
    /// Selects a row of the tooling table and presses Select Tool.
    void selectTool(int row) {
        form->RvsBck->Trt->selectRow(row);
        QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    }
    /// Opens the tool entry dialog on a row and leaves it by Ok or Cancel; the
    /// shape, size and station it opened on.
    QStringList openTool(int row, bool ok) {
        QStringList shown;
        WhenModal("RvsTol", [&shown, ok](QWidget* dialog) {
            for (const char* list : {"ShapeList", "SizeList", "StnList"})
                shown << dialog->findChild<QComboBox*>(list)->currentText();
            Click(dialog, ok ? "InptOk" : "InptCncl");
        });
        selectTool(row);
        return shown;
    }

    Installation installation;
    MessageRecorder messages;
    std::unique_ptr<ui::ReverseForm> form;
};

class MainWindowTest : public MainWindowTestOn<DemoInstallation> {
protected:
    DemoInstallation& demo = installation;
};

}  // namespace qv::test
