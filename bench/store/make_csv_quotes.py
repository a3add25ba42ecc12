#!/usr/bin/env python3
"""Writes the rows of a quote file in the import's own layout as CSV files of
the common layouts, for the CSV reader benchmark.

    make_csv_quotes.py NATIVE_FILE OUT_FOLDER

OUT_FOLDER/per_symbol/SYMBOL.csv   one file per symbol: Date,Open,High,Low,Close,Adj Close,Volume
OUT_FOLDER/many_symbols.csv        all rows in one file: Ticker,Date,Open,High,Low,Close,Volume
OUT_FOLDER/native_per_symbol/SYMBOL.txt, OUT_FOLDER/native.txt
                                   the same rows in the import's own layout, per symbol
                                   and all in one file in the source's order
Dates become YYYY-MM-DD and YYYYMMDD; prices and volumes keep their text, so
every reader sees the same numbers. Action tails and header lines are dropped.
"""
import os
import sys


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, out = sys.argv[1], sys.argv[2]
    per_symbol = os.path.join(out, "per_symbol")
    native_per_symbol = os.path.join(out, "native_per_symbol")
    os.makedirs(per_symbol, exist_ok=True)
    os.makedirs(native_per_symbol, exist_ok=True)
    rows = {}
    native_rows = {}
    with open(source, encoding="latin-1", newline="") as f, \
            open(os.path.join(out, "native.txt"), "w", encoding="latin-1", newline="") as native:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or line.startswith("<"):
                continue
            fields = line.split(",")[:8]
            symbol, _name, date, o, h, l, c, v = fields
            rows.setdefault(symbol, []).append((date[4:8], date[2:4], date[0:2], o, h, l, c, v))
            native_rows.setdefault(symbol, []).append(",".join(fields))
            native.write(",".join(fields) + "\n")
    for symbol, lines in native_rows.items():
        with open(os.path.join(native_per_symbol, symbol + ".txt"), "w", encoding="latin-1",
                  newline="") as one:
            one.write("".join(line + "\n" for line in lines))
    with open(os.path.join(out, "many_symbols.csv"), "w", encoding="latin-1", newline="") as many:
        many.write("Ticker,Date,Open,High,Low,Close,Volume\n")
        for symbol, days in rows.items():
            with open(os.path.join(per_symbol, symbol + ".csv"), "w", encoding="latin-1",
                      newline="") as one:
                one.write("Date,Open,High,Low,Close,Adj Close,Volume\n")
                for y, m, d, o, h, l, c, v in days:
                    one.write(f"{y}-{m}-{d},{o},{h},{l},{c},{c},{v}\n")
                    many.write(f"{symbol},{y}{m}{d},{o},{h},{l},{c},{v}\n")
    print(f"{sum(len(d) for d in rows.values())} rows of {len(rows)} symbols written to {out}")


if __name__ == "__main__":
    main()
