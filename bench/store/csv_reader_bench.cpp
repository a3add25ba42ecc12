// Brevant Dira — reading CSV quote rows next to reading the same rows in the
// import's own layout: lines per second of the readers alone, from memory and
// from the files, rounds run alternately (native, CSV, native, CSV, ...).
//
// usage: csv_reader_bench [--rounds N] NATIVE_FILE CSV_FILE_OR_FOLDER...
// Make the CSV files with bench/store/make_csv_quotes.py from NATIVE_FILE.
// prints: rows, checksums, median ns per line of each reader and the median
// of the paired ratios CSV / native.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "quotes/csv_layout.h"
#include "quotes/csv_quotes.h"
#include "quotes/quote_file.h"
#include "quotes/quote_line.h"
#include "quotes/to_float.h"

using namespace brevant;
using Clock = std::chrono::steady_clock;

namespace {

struct Tally {
    long rows = 0, skipped = 0; // skipped: every line not stored, headers included
    double checksum = 0;        // of the narrowed closes, to compare the readers
    void Add(const TQuoteLine& q) {
        ++rows;
        checksum += NarrowToFloat(q.Close);
    }
};

struct TextFile {
    std::string path;
    std::vector<std::string> lines;
};

TextFile Load(const std::string& path) {
    TextFile f{path, {}};
    TQuoteFile file(path);
    std::string line;
    while (file.ReadLine(line)) f.lines.push_back(line);
    return f;
}

// What the import does per native line.
void NativeLine(std::string_view line, TQuoteLine& q, Tally& t) {
    if (ParseQuoteLine(line, '.', q) == RowStatus::Read)
        t.Add(q);
    else
        ++t.skipped;
}

Tally NativeFromMemory(const TextFile& f) {
    Tally t;
    TQuoteLine q;
    for (std::size_t i = 0; i < f.lines.size(); ++i)
        NativeLine(i == 0 ? StripByteOrderMark(f.lines[i]) : f.lines[i], q, t);
    return t;
}

Tally NativeFromFile(const std::string& path) {
    Tally t;
    TQuoteLine q;
    TQuoteFile file(path);
    std::string line;
    bool first = true;
    while (file.ReadLine(line)) {
        NativeLine(first ? StripByteOrderMark(line) : line, q, t);
        first = false;
    }
    return t;
}

// What the import does per CSV file: the layout from the first line, then each row.
void CsvFromMemory(const TextFile& f, Tally& t) {
    if (f.lines.empty()) return;
    const QuoteFileLayout layout = DetectQuoteLayout(f.lines[0], f.path);
    if (layout.Format != QuoteFormat::Csv) {
        std::fprintf(stderr, "%s\n", layout.Message.c_str());
        std::exit(1);
    }
    TCsvQuoteReader reader(layout.Csv);
    TQuoteLine q;
    ++t.skipped;
    for (std::size_t i = 1; i < f.lines.size(); ++i) {
        if (reader.Read(f.lines[i], q) == RowStatus::Read)
            t.Add(q);
        else
            ++t.skipped;
    }
}

void CsvFromFile(const std::string& path, Tally& t) {
    TQuoteFile file(path);
    std::string line;
    if (!file.ReadLine(line)) return;
    const QuoteFileLayout layout = DetectQuoteLayout(line, path);
    TCsvQuoteReader reader(layout.Csv);
    TQuoteLine q;
    ++t.skipped;
    while (file.ReadLine(line)) {
        if (reader.Read(line, q) == RowStatus::Read)
            t.Add(q);
        else
            ++t.skipped;
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <class F> double NsPerRow(F&& run, Tally& tally) {
    const auto t0 = Clock::now();
    tally = run();
    const auto t1 = Clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() /
           static_cast<double>(std::max(1L, tally.rows + tally.skipped));
}

void Report(const char* what, const std::vector<double>& native, const std::vector<double>& csv) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < native.size(); ++i) ratios.push_back(csv[i] / native[i]);
    std::printf("%-12s native %7.1f ns/line (%5.2f M lines/s)  CSV %7.1f ns/line (%5.2f M "
                "lines/s)  CSV/native %.3f\n",
                what, Median(native), 1e3 / Median(native), Median(csv), 1e3 / Median(csv),
                Median(ratios));
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 15, a = 1;
    if (a + 1 < argc && !std::strcmp(argv[a], "--rounds")) {
        rounds = std::max(1, std::atoi(argv[a + 1]));
        a += 2;
    }
    if (argc - a < 2) {
        std::fprintf(stderr, "usage: %s [--rounds N] NATIVE_FILE CSV_FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    const std::string nativePath = argv[a++];
    std::vector<std::string> csvPaths;
    for (; a < argc; ++a) {
        if (std::filesystem::is_directory(argv[a])) {
            std::vector<std::string> folder;
            for (const auto& e : std::filesystem::directory_iterator(argv[a]))
                if (e.is_regular_file()) folder.push_back(e.path().string());
            std::sort(folder.begin(), folder.end());
            csvPaths.insert(csvPaths.end(), folder.begin(), folder.end());
        } else {
            csvPaths.push_back(argv[a]);
        }
    }

    const TextFile native = Load(nativePath);
    std::vector<TextFile> csv;
    for (const std::string& p : csvPaths) csv.push_back(Load(p));

    std::vector<double> nativeMemory, csvMemory, nativeFile, csvFile;
    Tally nt, ct;
    for (int r = 0; r < rounds; ++r) {
        nativeMemory.push_back(NsPerRow([&] { return NativeFromMemory(native); }, nt));
        csvMemory.push_back(NsPerRow(
            [&] {
                Tally t;
                for (const TextFile& f : csv) CsvFromMemory(f, t);
                return t;
            },
            ct));
        nativeFile.push_back(NsPerRow([&] { return NativeFromFile(nativePath); }, nt));
        csvFile.push_back(NsPerRow(
            [&] {
                Tally t;
                for (const std::string& p : csvPaths) CsvFromFile(p, t);
                return t;
            },
            ct));
    }
    std::printf("native: %ld rows, %ld lines skipped, checksum %.6f\n", nt.rows, nt.skipped,
                nt.checksum);
    std::printf("CSV:    %ld rows in %zu files, %ld lines skipped, checksum %.6f\n", ct.rows,
                csvPaths.size(), ct.skipped, ct.checksum);
    Report("from memory", nativeMemory, csvMemory);
    Report("from files", nativeFile, csvFile);
    return nt.rows == ct.rows && nt.checksum == ct.checksum ? 0 : 1;
}
