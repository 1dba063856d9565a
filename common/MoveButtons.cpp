#include "common/MoveButtons.h"

#include "common/Accessibility.h"
#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Dialogs.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

MoveButtons::MoveButtons(const QStringList &hints, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QStyle::StandardPixmap icons[4] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] = new QToolButton(this);
        m_buttons[i]->setIcon(style()->standardIcon(icons[i]));
        Accessibility::hint(m_buttons[i], hints.value(i));
        connect(m_buttons[i], &QToolButton::clicked, this,
                [this, i] { Dialogs::runStep(this, [this, i] { move(i); }); });
        layout->addWidget(m_buttons[i]);
    }
}

void MoveButtons::bind(DataSource *source)
{
    m_source = source;
}

void MoveButtons::enableMoves(bool backwards, bool forwards)
{
    m_buttons[0]->setEnabled(backwards);
    m_buttons[1]->setEnabled(backwards);
    m_buttons[2]->setEnabled(forwards);
    m_buttons[3]->setEnabled(forwards);
}

void MoveButtons::move(int which)
{
    DataSet *ds = m_source ? m_source->dataSet() : nullptr;
    if (!ds)
        return;
    switch (which) {
    case 0:
        ds->first();
        enableMoves(false, true);
        break;
    case 1:
        ds->prior();
        enableMoves(!ds->bof(), true);
        break;
    case 2:
        ds->next();
        enableMoves(true, !ds->eof());
        break;
    default:
        ds->last();
        enableMoves(true, false);
        break;
    }
    emit moved();
}
