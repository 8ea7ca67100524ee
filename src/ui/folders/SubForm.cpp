// The sub-routine window.
#include "ui/folders/SubForm.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/EditorLaunch.h"
#include "core/folders/SubRoutines.h"
#include "ui/common/KeyFilterHook.h"
#include "ui/common/ListFill.h"
#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

constexpr std::int16_t kNameFilter = -321;

bool ValidMode(std::int16_t mode) { return mode >= 1 && mode <= 4; }

const char* Caption(std::int16_t mode) {
    switch (mode) {
        case 1: return "Delete Sub-Routine(s)";
        case 2: return "Rename Sub-Routine";
        case 3: return "Copy Sub-Routine";
        default: return "Edit Sub-Routine";
    }
}

QGroupBox* Frame(const char* name, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

std::string Selected(QListWidget* list) {
    QListWidgetItem* line = list->currentItem();
    return line && line->isSelected() ? Trim(ToCore(line->text())) : std::string();
}

}  // namespace

SubForm::SubForm(QWidget* parent) : QDialog(parent), mode_(State().Modes.SubMode) {
    setObjectName(QStringLiteral("SubForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SubFrame = Frame("SubFrame", this);
    ListFrame = Frame("ListFrame", SubFrame);
    ListLabel = new QLabel(QStringLiteral("Sub-Routines"), ListFrame);
    ListLabel->setObjectName(QStringLiteral("ListLabel"));
    auto* listLayout = new QVBoxLayout(ListFrame);
    listLayout->addWidget(ListLabel);
    for (int i = 1; i <= 2; ++i) {
        SubList[i] = new QListWidget(ListFrame);
        SubList[i]->setObjectName(QStringLiteral("SubList%1").arg(i));
        SubList[i]->setMinimumHeight(220);
        listLayout->addWidget(SubList[i]);
        connect(SubList[i], &QListWidget::itemDoubleClicked, this, &SubForm::doubleClicked);
    }
    SubList[2]->setSelectionMode(QAbstractItemView::ExtendedSelection);

    BoxFrame = Frame("BoxFrame", SubFrame);
    BoxLabel = new QLabel(QStringLiteral("File Name"), BoxFrame);
    BoxLabel->setObjectName(QStringLiteral("BoxLabel"));
    SubBox = new QLineEdit(BoxFrame);
    SubBox->setObjectName(QStringLiteral("SubBox"));
    BoxLabel->setBuddy(SubBox);
    KeyFilterHook::Install(SubBox, kNameFilter);
    SubBox->installEventFilter(this);
    auto* boxLayout = new QHBoxLayout(BoxFrame);
    boxLayout->addWidget(BoxLabel);
    boxLayout->addWidget(SubBox, 1);

    auto* subLayout = new QVBoxLayout(SubFrame);
    subLayout->addWidget(ListFrame, 1);
    subLayout->addWidget(BoxFrame);

    ButtonFrame = Frame("ButtonFrame", this);
    SubOk = new QPushButton(QStringLiteral("OK"), ButtonFrame);
    SubOk->setObjectName(QStringLiteral("SubOk"));
    SubOk->setDefault(true);
    SubCncl = new QPushButton(QStringLiteral("Cancel"), ButtonFrame);
    SubCncl->setObjectName(QStringLiteral("SubCncl"));
    auto* buttons = new QHBoxLayout(ButtonFrame);
    buttons->addStretch();
    buttons->addWidget(SubOk);
    buttons->addWidget(SubCncl);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SubFrame, 1);
    layout->addWidget(ButtonFrame);

    // On the selection, not the current row: the focus alone makes a row current.
    connect(SubList[1], &QListWidget::itemSelectionChanged, this, [this] {
        const std::string name = Selected(SubList[1]);
        if (!State().SuppressEvents && (mode_ == 2 || mode_ == 3) && !name.empty())
            SubBox->setText(FromCore(name));
    });
    connect(SubOk, &QPushButton::clicked, this, &SubForm::subOk);
    connect(SubCncl, &QPushButton::clicked, this, &QDialog::reject);
    if (ValidMode(mode_)) layOut();
}

void SubForm::layOut() {
    SuppressEventsScope quiet;
    const QString caption = QString::fromLatin1(Caption(mode_));
    setWindowTitle(caption);
    ListLabel->setText(caption);
    SubList[1]->setVisible(mode_ != 1);
    SubList[2]->setVisible(mode_ == 1);
    ListLabel->setBuddy(list());
    const bool named = mode_ == 2 || mode_ == 3;
    BoxFrame->setVisible(named);
    if (named) BoxLabel->setText(QStringLiteral("As"));
    FillListWidget(list(), SubRoutineList());
    setFixedSize(340, named ? 400 : 360);
}

int SubForm::exec() {
    if (!ValidMode(mode_)) {
        State().Modes.SubMode = 0;
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void SubForm::done(int result) {
    State().Modes.SubMode = 0;
    QDialog::done(result);
}

void SubForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    list()->setFocus();
}

bool SubForm::eventFilter(QObject* watched, QEvent* event) {
    // The whole name is selected on entry, so typing replaces it.
    if (watched == SubBox && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, SubBox, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void SubForm::doubleClicked() {
    if (mode_ == 2 || mode_ == 3)
        SubBox->setFocus();
    else
        subOk();
}

void SubForm::subOk() {
    const std::string selected = Selected(list());
    Outcome outcome = Outcome::Done();
    switch (mode_) {
        case 1: {
            std::vector<std::string> names;
            for (int row = 0; row < SubList[2]->count(); ++row)
                if (SubList[2]->item(row)->isSelected()) names.push_back(Trim(ToCore(SubList[2]->item(row)->text())));
            outcome = DeleteSubRoutines(names, AskUser());
            break;
        }
        case 2:
        case 3: {
            const std::string name = Trim(ToCore(SubBox->text()));
            outcome = mode_ == 2 ? RenameSubRoutine(selected, name, AskUser()) : CopySubRoutine(selected, name, AskUser());
            break;
        }
        default:
            if (selected.empty()) {
                outcome = Outcome::Refused("No Sub-Routine Selected !");
                break;
            }
            outcome = LaunchEditor(State().Config.ReverseSubsFolder + selected);
            if (!outcome.done()) {
                Show(outcome);  // the window stays for another try or Cancel
                list()->setFocus();
                return;
            }
    }
    Show(outcome);
    if (outcome.state() == Outcome::State::Refused) {
        if (mode_ == 1 || mode_ == 4 || selected.empty())
            list()->setFocus();
        else
            SubBox->setFocus();
        return;
    }
    accept();
}

}  // namespace qv::ui
