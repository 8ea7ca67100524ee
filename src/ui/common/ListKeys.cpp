// The Down key of a list with nothing selected.
#include "ui/common/ListKeys.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>

namespace qv::ui {
namespace {

class FirstRowOnDown : public QObject {
public:
    explicit FirstRowOnDown(QAbstractItemView* list) : QObject(list), list_(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down)
            return QObject::eventFilter(watched, event);
        QAbstractItemModel* model = list_->model();
        if (!model || model->rowCount() == 0 || list_->selectionModel()->hasSelection()) return false;
        list_->setCurrentIndex(model->index(0, 0));
        return true;
    }

private:
    QAbstractItemView* list_;
};

}  // namespace

void SelectFirstOnDown(QAbstractItemView* list) { list->installEventFilter(new FirstRowOnDown(list)); }

}  // namespace qv::ui
