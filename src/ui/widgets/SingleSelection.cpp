#include "ui/widgets/SingleSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

namespace varnelle {

namespace {

class SelectionKeeper : public QObject {
public:
    explicit SelectionKeeper(QAbstractItemView *list)
        : QObject(list)
        , mList(list)
    {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == mList && event->type() == QEvent::KeyPress
            && movesToAnEntry(*static_cast<QKeyEvent *>(event)))
            return moveAndSelect(event);
        // Only input is looked at: the list also passes events here while it
        // is being destroyed, when it is a list no more.
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
            && type != QEvent::KeyPress)
            return false;
        if (!mList->selectionModel() || !mList->selectionModel()->hasSelection())
            return false;
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (event->type() == QEvent::MouseMove && !(mouse->buttons() & Qt::LeftButton))
                return false;
            const QModelIndex index = mList->indexAt(mouse->position().toPoint());
            if (index.isValid() && !(mouse->modifiers() & Qt::ControlModifier))
                return false;
            if (index.isValid() && !mList->selectionModel()->isSelected(index))
                return false; // Ctrl+click on another entry chooses it
            mList->setFocus(Qt::MouseFocusReason);
            return true;
        }
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            return key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier);
        }
        default:
            return false;
        }
    }

private:
    static bool movesToAnEntry(const QKeyEvent &key)
    {
        if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return !key.text().isEmpty() && key.text().at(0).isLetterOrNumber(); // the first-letter jump
        }
    }

    // The list moves as usual; the entry it lands on is then selected, since
    // the list itself selects nothing when the key leaves the current row
    // where it was (Home on the first entry, the first letter of the current one).
    bool moveAndSelect(QEvent *event)
    {
        static_cast<QObject *>(mList)->event(event);
        const QModelIndex current = mList->currentIndex();
        QItemSelectionModel *selection = mList->selectionModel();
        if (current.isValid() && selection && !selection->isSelected(current))
            selection->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        return true;
    }

    QAbstractItemView *mList;
};

} // namespace

void KeepSelectionOnceChosen(QAbstractItemView *list)
{
    new SelectionKeeper(list);
}

} // namespace varnelle
