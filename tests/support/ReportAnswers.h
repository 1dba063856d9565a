#pragma once

#include <QString>
#include <QStringList>

class ReportEngine;

namespace TestSupport {

// Queues the answers of a report's dialogs: output to a PDF file, named `pdf`.
void answerPdfFile(const QString &pdf);

// Runs `report` into the PDF file `pdf` with those answers; returns its pages as text.
QStringList printPdfPages(ReportEngine &engine, const QString &report, const QString &pdf);

} // namespace TestSupport
