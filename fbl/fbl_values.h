// Brevant Dira — reading columns and writing parameters of the database
// layer's descriptors. Private to the database layer.
#pragma once

#include <ibase.h>

#include <string>

namespace brevant::fbl {

// Columns (index only for the error texts).
std::string ColumnAsString(const XSQLVAR& v, int index);
int ColumnAsInteger(const XSQLVAR& v, int index);
float ColumnAsFloat(const XSQLVAR& v, int index);
double ColumnAsDateTime(const XSQLVAR& v, int index);

// Parameters: each clears the null flag; the caller marks the value set.
void ParamFromString(XSQLVAR& v, int index, const std::string& text);
void ParamFromFloat(XSQLVAR& v, int index, float value);
void ParamFromDateTime(XSQLVAR& v, int index, double value);

// Whether the layer supports a described column or parameter type.
bool SupportedType(const XSQLVAR& v);
// Size of the data buffer a variable needs.
int BufferSize(const XSQLVAR& v);

} // namespace brevant::fbl
