// Layout of the reverse panel.
#include "ui/workstation/ReversePanel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/workstation/TurretTable.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/CoreText.h"
#include "ui/workstation/DrawingView.h"
#include "ui/workstation/TurretTable.h"

namespace qv::ui {
namespace {

QGroupBox* BoxPair(QWidget* parent, const QString& caption, QLineEdit*& first, QLineEdit*& second, int index) {
    auto* frame = new QGroupBox(caption, parent);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    frame->setFont(fixed);
    auto* layout = new QHBoxLayout(frame);
    first = new QLineEdit(frame);
    second = new QLineEdit(frame);
    first->setObjectName(QStringLiteral("ShtBox%1").arg(index));
    second->setObjectName(QStringLiteral("ShtBox%1").arg(index + 1));
    for (QLineEdit* box : {first, second}) {
        box->setFont(QFont());
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(20);
        layout->addWidget(box);
    }
    return frame;
}

}  // namespace

ReversePanel::ReversePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("RvsBck"));
    setFrameShape(QFrame::StyledPanel);

    ViewPanel = new QGroupBox(this);
    ViewPanel->setObjectName(QStringLiteral("ViewPanel"));
    auto* viewLayout = new QHBoxLayout(ViewPanel);
    ViewProgram = new QPushButton(QStringLiteral("&View Program"), ViewPanel);
    ViewProgram->setObjectName(QStringLiteral("ViewProgram"));
    viewLayout->addWidget(ViewProgram);

    ToolingPanel = new QFrame(this);
    ToolingPanel->setObjectName(QStringLiteral("ToolingPanel"));
    auto* tooling = new QVBoxLayout(ToolingPanel);
    tooling->setContentsMargins(0, 0, 0, 0);
    auto* materialLabel = new QLabel(QStringLiteral("&Material"), ToolingPanel);
    MaterialList = new QComboBox(ToolingPanel);
    MaterialList->setObjectName(QStringLiteral("MaterialList"));
    materialLabel->setBuddy(MaterialList);
    SelectTool = new QPushButton(QStringLiteral("Select &Tool"), ToolingPanel);
    SelectTool->setObjectName(QStringLiteral("SelectTool"));
    tooling->addWidget(materialLabel);
    tooling->addWidget(MaterialList);
    tooling->addWidget(SelectTool);
    ConfirmedLabel = new QLabel(ToolingPanel);
    ConfirmedLabel->setObjectName(QStringLiteral("ConfirmedLabel"));
    tooling->addWidget(ConfirmedLabel);

    QGroupBox* sheet = BoxPair(this, QStringLiteral("X       &SHEET       Y"), ShtBox[1], ShtBox[2], 1);
    QGroupBox* clamps = BoxPair(this, QStringLiteral("Left     C&LAMPS    Right"), ShtBox[3], ShtBox[4], 3);
    for (int i = 1; i <= 4; ++i) ShtBox[i]->installEventFilter(this);

    BttnPanel = new QFrame(this);
    BttnPanel->setObjectName(QStringLiteral("BttnPanel"));
    auto* buttons = new QVBoxLayout(BttnPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    RvsOk = new QPushButton(QStringLiteral("&OK"), BttnPanel);
    RvsOk->setObjectName(QStringLiteral("RvsOk"));
    RvsCncl = new QPushButton(QStringLiteral("&Cancel"), BttnPanel);
    RvsCncl->setObjectName(QStringLiteral("RvsCncl"));
    buttons->addWidget(RvsOk);
    buttons->addWidget(RvsCncl);

    Trt = new TurretTable(this);
    connect(Trt, &TurretTable::confirmationsChanged, this, [this] {
        ConfirmedLabel->setText(FromCore(ConfirmedToolsText(Trt->confirmedCount(), Trt->rowCount())));
    });

    View = new DrawingView(this);
    ViewCoords = new QLabel(this);
    ViewCoords->setObjectName(QStringLiteral("ViewCoords"));
    ViewCoords->setToolTip(QStringLiteral("Wheel: zoom   Drag: pan   Home: whole drawing   Click a hit: its tool"));
    connect(View, &DrawingView::pointerMoved, ViewCoords, &QLabel::setText);
    auto* drawing = new QVBoxLayout;
    drawing->addWidget(View, 1);
    drawing->addWidget(ViewCoords);

    auto* side = new QVBoxLayout;
    side->addWidget(ViewPanel);
    side->addWidget(ToolingPanel);
    side->addWidget(sheet);
    side->addWidget(clamps);
    side->addStretch();
    side->addWidget(BttnPanel);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Trt);
    layout->addLayout(drawing, 1);
    layout->addLayout(side);

    // RvsOk is the default button and RvsCncl the cancel button of the panel.
    AddButtonKeys(this, RvsOk, RvsCncl);
}

bool ReversePanel::eventFilter(QObject* watched, QEvent* event) {
    // A box taking the focus selects its text, so typing replaces the value.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->text().isEmpty())
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace qv::ui
