#pragma once

#include <QString>

class DataSet;

// The text of the position labels: "Registro n°  3  de  12". The position
// is -1 when there is no current row: an empty or closed result, or a new
// row being entered.
namespace PositionLabel {

int position(const DataSet &ds);
int count(const DataSet &ds);
QString text(const DataSet &ds);

} // namespace PositionLabel
