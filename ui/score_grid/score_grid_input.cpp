// Keys and editing: the row keys of an editable table, and the read-only
// mode of the score tables.

#include "ui/score_grid/score_grid.h"

#include "platform/message_sink.h"

#include <QKeyEvent>

namespace {

// The question is Czech and keeps its letters.
const char* const DeleteRowQuestion
    = QT_TRANSLATE_NOOP("TPubStrGrid", "Jste si jist vymazaním tohoto řádku ?");

} // namespace

void TPubStrGrid::SetReadOnly(bool b)
{
    FReadOnly = b;
    if (b) CloseEditor();
    ApplyEditTriggers();
    setFocusPolicy(b ? Qt::NoFocus : Qt::StrongFocus);
    if (b && hasFocus()) clearFocus();
}

void TPubStrGrid::ApplyEditTriggers()
{
    setEditTriggers(FReadOnly ? QAbstractItemView::NoEditTriggers
                              : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                | QAbstractItemView::AnyKeyPressed);
}

bool TPubStrGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (FReadOnly || (index.isValid() && IsFixed(index.column(), index.row()))) return false;
    return QTableWidget::edit(index, trigger, event);
}

void TPubStrGrid::keyPressEvent(QKeyEvent* event)
{
    // A read-only table is only looked at: no key moves, edits or adds.
    if (FReadOnly) return event->ignore();
    try {
        HandleRowKeys(event);
    } catch (const std::exception& e) {
        Report(e.what());
    }
    QTableWidget::keyPressEvent(event);
}

// The row keys come before the table's own handling, which runs for every key.
void TPubStrGrid::HandleRowKeys(QKeyEvent* event)
{
    const int row = Row();
    switch (event->key()) {
    case Qt::Key_Down:
        if (row >= 0 && row == RowCount() - 1) AppendRow();
        break;
    case Qt::Key_Insert:
        InsertRow(row);
        break;
    case Qt::Key_Delete:
        if ((event->modifiers() & Qt::ControlModifier) && RowCount() > 2 && row >= 0
            && MessageSink().Confirmation(tr(DeleteRowQuestion).toStdString()))
            DeleteRow(row);
        break;
    default:
        break;
    }
}
