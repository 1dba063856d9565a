#pragma once

#include "common/report/ReportEngine.h"

#include <QDialog>

class QRadioButton;

// Lets the user choose where a report goes: printer, preview or PDF file.
class ReportOutputDialog : public QDialog
{
    Q_OBJECT

public:
    ReportOutputDialog(const ReportCaptions &captions, QWidget *parent = nullptr);
    // One of ReportEngine::outputName().
    QString choice() const;

private:
    QRadioButton *m_printer;
    QRadioButton *m_preview;
    QRadioButton *m_pdf;
};
