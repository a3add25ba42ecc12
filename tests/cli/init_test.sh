#!/usr/bin/env bash
# brevant-cli init creates a database that the engine's own tools read, with
# exactly the tables, indexes and settings rows the program needs; a second
# init leaves it as it is; a file that is no database is refused and kept.
set -euo pipefail
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
db="$dir/BREVDATA.BVD"

"$cli" --db "$db" init 2>/dev/null
"$cli" --db "$db" init 2>/dev/null

query() { isql-fb -q -u sysdba -p duvaridaz "$db" <<<"$1" | sed -e 's/[[:space:]]*$//' -e '/^$/d'; }

tables=$(query "SET HEADING OFF; SELECT TRIM(RDB\$RELATION_NAME) FROM RDB\$RELATIONS WHERE RDB\$SYSTEM_FLAG = 0 ORDER BY 1;")
# The quote tables; the one-row import generation, the saved screens, the
# drawings and the stock tables of our own.
[ "$tables" = "$(printf 'DATATABLE\nDRAWING\nIMPORTGEN\nINDICATOR\nSAVEDSCREEN\nSPLIT\nSTOCKBARS\nSTOCKS\nSTOCKSTATE')" ] || { echo "tables: $tables"; exit 1; }

columns=$(query "SET HEADING OFF; SELECT TRIM(RDB\$RELATION_NAME) || '.' || TRIM(RDB\$FIELD_NAME) FROM RDB\$RELATION_FIELDS WHERE RDB\$SYSTEM_FLAG = 0 ORDER BY RDB\$RELATION_NAME, RDB\$FIELD_POSITION;")
expected_columns="DATATABLE.SYMBOL
DATATABLE.STOCK
DATATABLE.DATA
DATATABLE.OPN
DATATABLE.HIGH
DATATABLE.LOW
DATATABLE.CLS
DATATABLE.VOL
DRAWING.ID
DRAWING.SYMBOL
DRAWING.KIND
DRAWING.DAY1
DRAWING.PRICE1
DRAWING.DAY2
DRAWING.PRICE2
IMPORTGEN.ID
IMPORTGEN.GENERATION
INDICATOR.INDI
INDICATOR.INDIVALUE
SAVEDSCREEN.NAME
SAVEDSCREEN.FORMULA
SAVEDSCREEN.BARS
SPLIT.SYMBOLA
SPLIT.STOCKA
SPLIT.DATAA
SPLIT.ITEM
SPLIT.ACTIONA
STOCKBARS.SYMBOL
STOCKBARS.PART
STOCKBARS.DAYS
STOCKBARS.IRREGULAR
STOCKBARS.BARS
STOCKS.ID
STOCKS.SYMBOL
STOCKS.STOCK
STOCKS.FIRSTDAY
STOCKS.LASTDAY
STOCKS.QUOTEROWS
STOCKSTATE.ID
STOCKSTATE.GENERATION
STOCKSTATE.NEWESTDAY
STOCKSTATE.FINGERPRINT"
[ "$columns" = "$expected_columns" ] || { echo "columns: $columns"; exit 1; }

indexes=$(query "SHOW INDEX DATATABLE;")
expected_indexes="IDX0 INDEX ON DATATABLE(SYMBOL, DATA, OPN, HIGH, LOW, CLS, VOL)
IDX1 INDEX ON DATATABLE(SYMBOL)
IDX2 INDEX ON DATATABLE(STOCK)
IDX3 INDEX ON DATATABLE(DATA)"
[ "$indexes" = "$expected_indexes" ] || { echo "indexes: $indexes"; exit 1; }

rows=$(query "SET HEADING OFF; SELECT INDI || '=' || INDIVALUE FROM INDICATOR;" | tr '\n' ' ')
[ "$rows" = "MACD1=12 MACD2=26 MACD3=9 RSI=14 CCI=20 MFI=14 WR=14 ADX=14 FSTOC1=14 FSTOC2=3 SSTOC1=14 SSTOC2=3 CMF=20 ROC=12 ATR=14 " ] || { echo "rows: $rows"; exit 1; }

generation=$(query "SET HEADING OFF; SELECT ID || '=' || GENERATION FROM IMPORTGEN;" | tr -d ' ')
[ "$generation" = "1=0" ] || { echo "generation: $generation"; exit 1; }

dialect=$(query "SET HEADING OFF; SELECT MON\$SQL_DIALECT FROM MON\$DATABASE;" | tr -d ' ')
[ "$dialect" = "3" ] || { echo "dialect: $dialect"; exit 1; }

# Not a database: refused with an error, the file kept as it was.
printf 'not a database' > "$dir/other.BVD"
if "$cli" --db "$dir/other.BVD" init 2>"$dir/err"; then echo "init accepted a non-database"; exit 1; fi
grep -q "cannot open or create" "$dir/err" || { cat "$dir/err"; exit 1; }
[ "$(cat "$dir/other.BVD")" = "not a database" ] || { echo "file changed"; exit 1; }
echo "cli init: ok"
