// Brevant Dira — the database's tables, indexes and default settings rows.
#pragma once

namespace brevant::schema {

inline constexpr const char* kCreateDataTable =
    "Create Table DATATABLE (SYMBOL VARCHAR(10), STOCK varchar(55), DATA DATE, OPN FLOAT, "
    "HIGH FLOAT, LOW FLOAT, CLS FLOAT, VOL FLOAT)";
inline constexpr const char* kCreateIndexes[] = {
    "Create INDEX IDX0 on DATATABLE (SYMBOL,DATA,OPN,HIGH,LOW,CLS,VOL)",
    "Create INDEX IDX1 on DATATABLE (SYMBOL)",
    "Create INDEX IDX2 on DATATABLE (STOCK)",
    "Create INDEX IDX3 on DATATABLE (DATA)",
};
inline constexpr const char* kCreateSplit =
    "Create Table SPLIT (SYMBOLA VARCHAR(10), STOCKA VARCHAR(55), DATAA DATE, ITEM FLOAT, "
    "ACTIONA VARCHAR(10))";
inline constexpr const char* kCreateIndicator =
    "Create Table INDICATOR (INDI VARCHAR(10), INDIVALUE VARCHAR(5))";
inline constexpr const char* kCountSplit =
    "SELECT COUNT(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE (RDB$RELATION_NAME = 'SPLIT') AND "
    "RDB$VIEW_SOURCE IS NULL";
inline constexpr const char* kCountIndicator =
    "SELECT COUNT(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE (RDB$RELATION_NAME = 'INDICATOR') "
    "AND RDB$VIEW_SOURCE IS NULL";
inline constexpr const char* kInsertIndicator = "INSERT INTO INDICATOR VALUES(?,?)";
inline constexpr const char* kSelectIndicator = "SELECT INDI, INDIVALUE FROM INDICATOR";
inline constexpr const char* kInsertQuote = "INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)";
inline constexpr const char* kInsertSplit = "INSERT INTO SPLIT VALUES(?,?,?,?,?)";

inline constexpr int kPageSize = 4096;
inline constexpr int kDialect = 3;

} // namespace brevant::schema
