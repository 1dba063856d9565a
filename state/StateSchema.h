#pragma once

#include "common/DataSet.h"

#include <QString>
#include <QVector>

// The state database: one table `Kavel`, one row per imported summary record.
namespace StateSchema {

inline const QString fileName = QStringLiteral("Nubrel2012Estados.db");
inline const QString table = QStringLiteral("Kavel");

// The 28 columns of `Kavel` in their fixed order, the order of the summary file.
const QVector<FieldDef> &kavelColumns();

// Writes a new, empty database. Refuses to touch an existing file. Throws StepError.
void create(const QString &fileName);

} // namespace StateSchema
