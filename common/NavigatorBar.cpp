#include "common/NavigatorBar.h"

#include "common/Accessibility.h"
#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Dialogs.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

NavigatorBar::NavigatorBar(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_first = addButton(QStyle::SP_MediaSkipBackward, QStringLiteral("Primeiro registro"), &NavigatorBar::first);
    m_prior = addButton(QStyle::SP_MediaSeekBackward, QStringLiteral("Registro anterior"), &NavigatorBar::prior);
    m_next = addButton(QStyle::SP_MediaSeekForward, QStringLiteral("Próximo registro"), &NavigatorBar::next);
    m_last = addButton(QStyle::SP_MediaSkipForward, QStringLiteral("Último registro"), &NavigatorBar::last);
    m_insert = addButton(QStyle::SP_FileDialogNewFolder, QStringLiteral("Inserir registro"), &NavigatorBar::insert);
    m_delete = addButton(QStyle::SP_TrashIcon, QStringLiteral("Excluir registro"), &NavigatorBar::remove);
    m_edit = addButton(QStyle::SP_FileDialogDetailedView, QStringLiteral("Editar registro"), &NavigatorBar::edit);
    m_post = addButton(QStyle::SP_DialogApplyButton, QStringLiteral("Gravar registro"), &NavigatorBar::post);
    m_cancel = addButton(QStyle::SP_DialogCancelButton, QStringLiteral("Cancelar edição"), &NavigatorBar::cancel);
    m_refresh = addButton(QStyle::SP_BrowserReload, QStringLiteral("Atualizar dados"), &NavigatorBar::refresh);
    layout->addStretch();
    updateButtons();
}

QToolButton *NavigatorBar::addButton(int icon, const QString &hint, void (NavigatorBar::*action)())
{
    auto *button = new QToolButton(this);
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    Accessibility::hint(button, hint);
    connect(button, &QToolButton::clicked, this,
            [this, action] { Dialogs::runStep(this, [this, action] { (this->*action)(); }); });
    layout()->addWidget(button);
    return button;
}

void NavigatorBar::bind(DataSource *source)
{
    m_source = source;
    const auto attach = [this] {
        if (DataSet *ds = m_source ? m_source->dataSet() : nullptr) {
            connect(ds, &DataSet::recordChanged, this, &NavigatorBar::updateButtons, Qt::UniqueConnection);
            connect(ds, &DataSet::stateChanged, this, &NavigatorBar::updateButtons, Qt::UniqueConnection);
            connect(ds, &DataSet::rowsChanged, this, &NavigatorBar::updateButtons, Qt::UniqueConnection);
        }
        updateButtons();
    };
    connect(source, &DataSource::dataSetChanged, this, attach);
    attach();
}

void NavigatorBar::updateButtons()
{
    DataSet *ds = dataSet();
    const bool active = ds && ds->isActive();
    const bool editing = active && ds->isEditing();
    const bool any = active && !ds->isEmpty();
    m_first->setEnabled(any && !ds->bof());
    m_prior->setEnabled(any && !ds->bof());
    m_next->setEnabled(any && !ds->eof());
    m_last->setEnabled(any && !ds->eof());
    m_insert->setEnabled(active);
    m_delete->setEnabled(any);
    m_edit->setEnabled(any && !editing);
    m_post->setEnabled(editing);
    m_cancel->setEnabled(editing);
    m_refresh->setEnabled(active);
}

void NavigatorBar::hideInsert()
{
    m_insert->hide();
}

DataSet *NavigatorBar::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void NavigatorBar::first()
{
    if (DataSet *ds = dataSet())
        ds->first();
    updateButtons();
}
void NavigatorBar::prior()
{
    if (DataSet *ds = dataSet())
        ds->prior();
    updateButtons();
}
void NavigatorBar::next()
{
    if (DataSet *ds = dataSet())
        ds->next();
    updateButtons();
}
void NavigatorBar::last()
{
    if (DataSet *ds = dataSet())
        ds->last();
    updateButtons();
}
void NavigatorBar::insert()
{
    if (DataSet *ds = dataSet())
        ds->insert();
}
void NavigatorBar::edit()
{
    if (DataSet *ds = dataSet())
        ds->edit();
}
void NavigatorBar::post()
{
    if (DataSet *ds = dataSet())
        ds->post();
}
void NavigatorBar::cancel()
{
    if (DataSet *ds = dataSet())
        ds->cancel();
}
void NavigatorBar::refresh()
{
    if (DataSet *ds = dataSet())
        ds->refresh();
}

void NavigatorBar::remove()
{
    DataSet *ds = dataSet();
    if (ds && Dialogs::question(this, QStringLiteral("Confirmação"), QStringLiteral("Deletar este registro?")))
        ds->remove();
}
