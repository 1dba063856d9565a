#pragma once

#include <QDialog>

class QVBoxLayout;

// Who made a program: its logo beside a column that starts with the product's
// name in large type; each program adds its own lines and ends with "OK".
class CreditsDialog : public QDialog
{
    Q_OBJECT

protected:
    CreditsDialog(const QPixmap &logo, const QString &product, QWidget *parent);
    void addLine(const QString &text);
    void addHeading(const QString &text);
    void addWidget(QWidget *widget, Qt::Alignment alignment = {});
    // The default button that closes the dialog, at the column's foot.
    void addOkButton();

private:
    QVBoxLayout *m_text;
};
