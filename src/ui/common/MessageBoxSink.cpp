// Message boxes in the suite's style.
#include "ui/common/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include "core/common/State.h"
#include "platform/Platform.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

// A box may come up during a wait: it gets the ordinary pointer meanwhile.
int ExecWithArrow(QMessageBox& box) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    QApplication::restoreOverrideCursor();
    return result;
}

QMessageBox* MakeBox(const std::string& text) {
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setWindowTitle(QStringLiteral("Quorvane"));
    box->setIcon(QMessageBox::Warning);  // the exclamation icon
    box->setText(FromCore(text));
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    return box;
}

}  // namespace

void MessageBoxSink::notify(const std::string& text) {
    std::unique_ptr<QMessageBox> box(MakeBox(text));
    box->setStandardButtons(QMessageBox::Ok);
    ExecWithArrow(*box);
}

std::int16_t MessageBoxSink::ask(const std::string& text) {
    std::unique_ptr<QMessageBox> box(MakeBox(text));
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return ExecWithArrow(*box) == QMessageBox::Yes ? AnswerYes : AnswerNo;
}

void MessageBoxSink::beep() {
    QApplication::beep();
}

}  // namespace qv::ui
