// Keys of the suite's lists as Windows lists answer them.
#pragma once

class QAbstractItemView;

namespace qv::ui {

/// In the list with nothing selected, Down selects the first row. Qt would
/// move on from the row it made current, unselected, when the list took the
/// focus, and so skip the first row.
void SelectFirstOnDown(QAbstractItemView* list);

}  // namespace qv::ui
