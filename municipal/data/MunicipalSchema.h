#pragma once

#include <QString>

// The tables of the municipality database, in their fixed column order.
namespace MunicipalSchema {

inline const QString fileName = QStringLiteral("Nubrel2012Municipios.db");

// Writes a new database with every table and the reference tables of the
// country's states and municipalities. Refuses to touch an existing file.
// Throws StepError.
void create(const QString &fileName);

} // namespace MunicipalSchema
