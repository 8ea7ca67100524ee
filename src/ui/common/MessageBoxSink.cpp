// Message boxes in the suite's style.
#include "ui/common/MessageBoxSink.h"

#include <QApplication>
#include <QMainWindow>
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

// The visible main window of the program, if one is up yet.
QWidget* MainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
    return nullptr;
}

// Qt centres a box on its parent, or on the screen when it has none (as
// while the processor runs); the suite's boxes sit over the main window.
class CentredBox : public QMessageBox {
public:
    explicit CentredBox(QWidget* parent) : QMessageBox(parent) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // settles the box's size
        if (QWidget* main = MainWindow()) move(main->frameGeometry().center() - rect().center());
    }
};

QMessageBox* MakeBox(const std::string& text) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = QApplication::activeWindow();
    if (!owner) owner = MainWindow();
    auto* box = new CentredBox(owner);
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
