// Puts the rows core fills into a list box or a drop-down list.
#pragma once

#include "core/common/ListRows.h"

class QComboBox;
class QListWidget;

namespace qv::ui {

/// Replaces the list's lines with the rows and selects the row to select
/// (none for -1). A folder that could not be read is said so; one that is
/// not there simply holds nothing.
void FillListWidget(QListWidget* list, const ListRows& rows);
void FillComboBox(QComboBox* combo, const ListRows& rows);

}  // namespace qv::ui
