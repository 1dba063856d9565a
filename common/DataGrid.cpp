#include "common/DataGrid.h"

#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMetaProperty>

DataGrid::DataGrid(QWidget *parent) : QTableView(parent), m_model(new DataSetModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    // One row at a time: the corner's "select all" has nothing to do.
    setCornerButtonEnabled(false);
    for (QAbstractButton *corner : findChildren<QAbstractButton *>())
        corner->setAccessibleName(QStringLiteral("Selecionar tudo"));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        DataSet *ds = m_model->dataSet();
        if (ds && ds->isActive() && current.isValid() && !m_model->isChangingRows() && ds->recNo() != current.row() + 1)
            Dialogs::runStep(this, [&] { ds->moveTo(current.row() + 1); });
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataGrid::followDataSet);
}

void DataGrid::bind(DataSource *source, const QVector<DataSetModel::Column> &columns)
{
    m_model->bind(source, columns);
    const auto attach = [this] {
        if (DataSet *ds = m_model->dataSet())
            connect(ds, &DataSet::recordChanged, this, &DataGrid::followDataSet, Qt::UniqueConnection);
        followDataSet();
    };
    connect(source, &DataSource::dataSetChanged, this, attach);
    attach();
}

bool DataGrid::submitEditor()
{
    QWidget *editor = QApplication::focusWidget();
    if (state() != EditingState || !editor || !viewport()->isAncestorOf(editor))
        return true;
    // A text refused a moment ago, when the click on the button took the
    // focus from its cell, is not reported twice.
    if (editor == m_refusedEditor && editedValue(editor) == m_refusedValue)
        return false;
    commitData(editor);
    const bool refused = !m_refusal.isEmpty();
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return !refused;
}

void DataGrid::commitData(QWidget *editor)
{
    QTableView::commitData(editor);
    const QString refusal = m_model->takeRefusal();
    if (!refusal.isEmpty())
        m_refusal = refusal;
}

void DataGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (m_reporting)
        return; // the message box took the focus; the editor stays open
    if (!m_refusal.isEmpty()) {
        // The typed text stays in its editor, to be corrected or cancelled with Esc.
        const QString message = std::exchange(m_refusal, QString());
        m_refusedEditor = editor;
        m_refusedValue = editedValue(editor);
        m_reporting = true;
        Dialogs::error(this, message);
        m_reporting = false;
        editor->setFocus();
        return;
    }
    m_refusedEditor = nullptr;
    // Enter goes on to the next cell like Tab.
    if (std::exchange(m_enterInEditor, false) && hint == QAbstractItemDelegate::SubmitModelCache)
        hint = QAbstractItemDelegate::EditNextItem;
    QTableView::closeEditor(editor, hint);
}

QVariant DataGrid::editedValue(QWidget *editor)
{
    return editor->metaObject()->userProperty().read(editor);
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Enter in a cell editor reaches the grid before the editor is closed.
    if (enter && state() == EditingState)
        m_enterInEditor = true;
    if (enter && state() != EditingState) {
        const QModelIndex next = moveCursor(MoveNext, event->modifiers());
        if (next.isValid()) {
            setCurrentIndex(next);
            edit(next);
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::followDataSet()
{
    DataSet *ds = m_model->dataSet();
    if (!ds || !ds->isActive() || ds->recNo() == 0)
        return;
    const QModelIndex target = m_model->index(ds->recNo() - 1, std::max(currentIndex().column(), 0));
    if (currentIndex().row() != target.row()) {
        const QSignalBlocker blocker(selectionModel());
        setCurrentIndex(target);
        viewport()->update();
    }
}
