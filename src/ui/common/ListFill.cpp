// Filling list boxes from core's rows.
#include "ui/common/ListFill.h"

#include <QComboBox>
#include <QListWidget>

#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

void ShowListError(const ListRows& rows) {
    if (!rows.error.ok() && rows.error.kind() != ErrorKind::NotFound) Notify(rows.error.message());
}

}  // namespace

void FillListWidget(QListWidget* list, const ListRows& rows) {
    ShowListError(rows);
    list->clear();
    for (const std::string& item : rows.items) list->addItem(FromCore(item));
    list->setCurrentRow(rows.selected);
    if (rows.selected < 0) list->clearSelection();
}

void FillComboBox(QComboBox* combo, const ListRows& rows) {
    ShowListError(rows);
    combo->clear();
    for (const std::string& item : rows.items) combo->addItem(FromCore(item));
    combo->setCurrentIndex(rows.selected);
}

}  // namespace qv::ui
