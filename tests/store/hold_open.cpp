// Test helper: attaches a database through the embedded engine and holds it
// until a release file appears. usage: hold_open DB READY_FILE RELEASE_FILE
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "store/data_store.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    brevant::TDataStore store;
    store.DB1.DBFile = argv[1];
    try {
        store.DB1.Connect();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::ofstream(argv[2]) << "ready\n";
    for (int i = 0; i < 3000 && !std::filesystem::exists(argv[3]); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 0;
}
