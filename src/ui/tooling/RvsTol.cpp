// The tool entry dialog's window: forwards each choice to the core dialog
// state and shows what it holds.
#include "ui/tooling/RvsTol.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"
#include "ui/common/KeyFilterHook.h"

namespace qv::ui {
namespace {

constexpr std::int16_t AngleBoxMode = 6;  // six characters of an angle expression

QComboBox* MakeList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    // Wide enough for an 18-character library or station name, whatever is listed.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(18);
    return list;
}

// Refills a list only when its rows changed, then selects row; signals are
// held back so that filling is not taken for a user's click.
void ShowRows(QComboBox* list, const QStringList& rows, const QList<int>& data, int row) {
    const QSignalBlocker hold(list);
    bool same = list->count() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i)
        same = list->itemText(i) == rows[i] && (data.isEmpty() || list->itemData(i).toInt() == data[i]);
    if (!same) {
        list->clear();
        for (int i = 0; i < rows.size(); ++i)
            list->addItem(rows[i], data.isEmpty() ? QVariant() : QVariant(data[i]));
    }
    list->setCurrentIndex(row);
}

void ShowRow(QLabel* prompt, QWidget* box, bool shown, bool enabled = true) {
    prompt->setVisible(shown);
    prompt->setEnabled(enabled);
    box->setVisible(shown);
    box->setEnabled(enabled);
}

}  // namespace

RvsTol::RvsTol(QWidget* parent, const ToolRecord& start) : QDialog(parent) {
    setObjectName(QStringLiteral("RvsTol"));
    setWindowTitle(tr("Tooling"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    createLayout();

    connect(ShapeList, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (entry_.selectShape(row)) showEntry();
    });
    connect(SizeList, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (entry_.selectSize(row)) showEntry();
    });
    connect(StnList, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (entry_.selectStation(row)) showEntry();
    });
    connect(AngList, &QComboBox::currentIndexChanged, this, [this](int row) { entry_.selectAngle(row); });
    connect(AngBox, &QLineEdit::textChanged, this,
            [this](const QString& text) { entry_.setAngleText(ToCore(text)); });
    connect(InptOk, &QPushButton::clicked, this, &RvsTol::confirm);
    connect(InptCncl, &QPushButton::clicked, this, &QDialog::reject);

    entry_.initialise();
    entry_.startAt(start);
    AngBox->setText(FromCore(entry_.view().angleText));
    ButtonPanel->show();
    showEntry();
    ShapeList->setFocus();
}

std::optional<ToolRecord> RvsTol::Choose(QWidget* parent, const ToolRecord& start) {
    RvsTol dialog(parent, start);
    dialog.exec();
    return dialog.chosenTool();
}

void RvsTol::createControls() {
    const char* captions[] = {"Tool &Shape :", "Tool Si&ze :", "S&tation :", "&Angle :"};
    for (std::size_t i = 0; i < Prompt.size(); ++i) {
        Prompt[i] = new QLabel(tr(captions[i]), this);
        Prompt[i]->setObjectName(QStringLiteral("Prompt%1").arg(i + 1));
    }
    Prompt[3]->setText(tr("&Angle") + QChar(0x00B0) + QStringLiteral(" :"));
    ShapeList = MakeList("ShapeList", this);
    SizeList = MakeList("SizeList", this);
    StnList = MakeList("StnList", this);
    AngList = MakeList("AngList", this);
    AngBox = new QLineEdit(this);
    AngBox->setObjectName(QStringLiteral("AngBox"));
    AngBox->setText(FromCore(entry_.view().angleText));
    KeyFilterHook::Install(AngBox, AngleBoxMode);
    AngBox->installEventFilter(this);
    Prompt[0]->setBuddy(ShapeList);
    Prompt[1]->setBuddy(SizeList);
    Prompt[2]->setBuddy(StnList);
    Prompt[3]->setBuddy(AngList);

    ButtonPanel = new QFrame(this);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    ButtonPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ButtonPanel->hide();
    InptOk = new QPushButton(tr("&Ok"), ButtonPanel);
    InptOk->setObjectName(QStringLiteral("InptOk"));
    InptOk->setDefault(true);
    InptCncl = new QPushButton(tr("&Cancel"), ButtonPanel);
    InptCncl->setObjectName(QStringLiteral("InptCncl"));
}

void RvsTol::createLayout() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);
    QWidget* boxes[] = {ShapeList, SizeList, StnList};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(Prompt[static_cast<std::size_t>(i)], i, 0);
        grid->addWidget(boxes[i], i, 1);
    }
    // The angle list and the angle box share one place, one shown at a time;
    // the row keeps its room while hidden so the dialog never changes size.
    grid->addWidget(Prompt[3], 3, 0);
    grid->addWidget(AngList, 3, 1);
    grid->addWidget(AngBox, 3, 1, Qt::AlignLeft);
    AngBox->setFixedWidth(AngBox->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    for (QWidget* w : {static_cast<QWidget*>(Prompt[3]), static_cast<QWidget*>(AngList),
                       static_cast<QWidget*>(AngBox)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    auto* buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch();
    buttons->addWidget(InptOk);
    buttons->addWidget(InptCncl);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(ButtonPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RvsTol::showEntry() {
    const ToolEntryView& v = entry_.view();
    QStringList rows;
    for (const ShapeChoice& s : v.shapes) rows << FromCore(s.name);
    ShowRows(ShapeList, rows, {}, v.shapeRow);

    rows.clear();
    QList<int> records;
    for (const SizeChoice& s : v.sizes) {
        rows << FromCore(s.text);
        records << s.recordNumber;
    }
    ShowRows(SizeList, rows, records, v.sizeRow);
    ShowRow(Prompt[1], SizeList, v.sizesShown);

    rows.clear();
    for (const StationChoice& s : v.stations) rows << FromCore(s.name);
    ShowRows(StnList, rows, {}, v.stationRow);
    ShowRow(Prompt[2], StnList, v.stationsShown, v.stationsEnabled);

    rows.clear();
    for (const std::string& a : v.angles) rows << FromCore(a);
    ShowRows(AngList, rows, {}, v.angleRow);
    Prompt[3]->setVisible(v.angleEntry != AngleEntry::Hidden);
    AngList->setVisible(v.angleEntry == AngleEntry::List);
    AngBox->setVisible(v.angleEntry == AngleEntry::Box);
    Prompt[3]->setBuddy(v.angleEntry == AngleEntry::Box ? static_cast<QWidget*>(AngBox) : AngList);
}

void RvsTol::confirm() {
    const ToolConfirmation result = entry_.confirm();
    showEntry();  // rows the confirmation picked by itself stay picked
    if (result.accepted) {
        chosen_ = result.tool;
        accept();
        return;
    }
    Refuse(result.message, control(result.focus));
}

QWidget* RvsTol::control(EntryControl which) const {
    switch (which) {
        case EntryControl::ShapeList: return ShapeList;
        case EntryControl::SizeList: return SizeList;
        case EntryControl::StnList: return StnList;
        case EntryControl::AngList: return AngList;
        case EntryControl::AngBox: return AngBox;
        case EntryControl::None: break;
    }
    return nullptr;
}

bool RvsTol::eventFilter(QObject* watched, QEvent* event) {
    // Typing then replaces the angle; a mouse click would otherwise place the
    // cursor after the focus arrived, so the selection waits a turn.
    if (watched == AngBox && event->type() == QEvent::FocusIn && !AngBox->text().isEmpty())
        QTimer::singleShot(0, AngBox, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

}  // namespace qv::ui
