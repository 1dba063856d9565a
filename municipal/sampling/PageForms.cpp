#include "municipal/sampling/PageForms.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"

#include <QGridLayout>
#include <QLabel>

namespace PageForms {

BoundLineEdit *addBox(QGridLayout *grid, QWidget *parent, const QString &caption, DataSource *source,
                      const QString &field, bool computed)
{
    auto *label = new QLabel(caption, parent);
    auto *box = new BoundLineEdit(parent);
    box->bind(source, field);
    Accessibility::label(label, box);
    if (computed) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setStyleSheet(QStringLiteral("background-color: #c8f0c8;"));
    }
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

} // namespace PageForms
