// Brevant Dira — quote rows inserted through the database layer the way the
// import does it (set text, Prepare, set 8 parameters, ExecSQL, for every row)
// in one transaction. Whole-process benchmark; compare against one prepared
// insert re-executed in plain C on the same file and page-cache setting.
//
// usage: fbl_insert_bench [--buffers N] [--replace] DB FILE...
// prints: rows and phase times.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "store/data_store.h"
#include "store/schema.h"
#include "ta/day_date.h"

using namespace brevant;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// The first eight comma-separated fields of a quote line; false for lines
// the import would skip outright (headers, blanks, short lines).
bool SplitLine(std::string& line, std::vector<std::string>& f) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '<' || line[0] == ',') return false;
    f.clear();
    std::size_t start = 0;
    while (f.size() < 8) {
        const std::size_t comma = line.find(',', start);
        f.push_back(line.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return f.size() == 8 && !f[7].empty() && f[2].size() >= 8;
}

void Exec(TFBLDatabase& db, const std::string& sql) {
    TFBLTransaction tr(&db);
    TFBLDsql q(&tr);
    tr.StartTransaction();
    q.SetSQL(sql);
    q.ExecSQL();
    tr.Commit();
}

} // namespace

int main(int argc, char** argv) {
    int buffers = 0, a = 1;
    bool replace = false;
    for (; a < argc && argv[a][0] == '-'; ++a) {
        if (!std::strcmp(argv[a], "--replace"))
            replace = true;
        else if (!std::strcmp(argv[a], "--buffers") && a + 1 < argc)
            buffers = std::atoi(argv[++a]);
        else
            break;
    }
    if (argc - a < 2) {
        std::fprintf(stderr, "usage: %s [--buffers N] [--replace] DB FILE...\n", argv[0]);
        return 2;
    }
    const std::string path = argv[a++];
    if (replace) std::filesystem::remove(path);

    try {
        const auto t0 = Clock::now();
        TDataStore s;
        s.DB1.CreateDatabase(path, kDatabaseUser, kDatabasePassword, 3, 4096);
        s.DB1.DBFile = path;
        if (buffers > 0) { // header setting, in force from the next attachment
            s.DB1.SetPageBuffers = buffers;
            s.DB1.Connect();
            s.DB1.Disconnect();
            s.DB1.SetPageBuffers = 0;
        }
        s.DB1.Connect();
        Exec(s.DB1, schema::CreateDataTable());
        for (std::size_t index = 0; index < schema::kQuoteIndexCount; ++index)
            Exec(s.DB1, schema::CreateQuoteIndex(index));

        const auto t1 = Clock::now();
        long rows = 0;
        s.tr3.StartTransaction();
        std::string line;
        std::vector<std::string> f;
        for (int i = a; i < argc; ++i) {
            std::ifstream in(argv[i], std::ios::binary);
            if (!in) {
                std::perror(argv[i]);
                return 1;
            }
            while (std::getline(in, line)) {
                if (!SplitLine(line, f)) continue;
                for (char& c : f[1])
                    if (c == '\'') c = '`';
                const double day = EncodeDate(std::atoi(f[2].substr(4).c_str()),
                                              std::atoi(f[2].substr(2, 2).c_str()),
                                              std::atoi(f[2].substr(0, 2).c_str()));
                s.sql3.SetSQL(schema::kInsertQuote);
                s.sql3.Prepare();
                s.sql3.ParamAsString(0, f[0]);
                s.sql3.ParamAsString(1, f[1]);
                s.sql3.ParamAsDateTime(2, day);
                for (int k = 0; k < 5; ++k)
                    s.sql3.ParamAsFloat(3 + k, std::strtof(f[3 + k].c_str(), nullptr));
                s.sql3.ExecSQL();
                ++rows;
            }
        }
        const auto t2 = Clock::now();
        s.tr3.Commit();
        const auto t3 = Clock::now();
        for (int i = 0; i < 4; ++i) Exec(s.DB1, "SET STATISTICS INDEX IDX" + std::to_string(i));
        const auto t4 = Clock::now();
        s.DB1.Disconnect();
        const auto t5 = Clock::now();
        std::printf("rows=%ld create=%.3fs insert=%.3fs commit=%.3fs statistics=%.3fs close=%.3fs "
                    "insert_rows_per_s=%.0f (insert+commit)\n",
                    rows, Seconds(t0, t1), Seconds(t1, t2), Seconds(t2, t3), Seconds(t3, t4),
                    Seconds(t4, t5), rows / Seconds(t1, t3));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
