// The client library cannot be found: its own process, because the library
// stays loaded once found.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "store/bootstrap.h"
#include "support/temp_dir.h"

using namespace brevant;

TEST(ClientLibrary, MissingLibraryIsReportedByName) {
    setenv("BREVANT_FBCLIENT", "libbrevant-no-such-client.so", 1);
    TFBLDatabase db;
    db.DBFile = "/nonexistent/B.BVD";
    try {
        db.Connect();
        FAIL() << "connected without a client library";
    } catch (const LibraryError& e) {
        EXPECT_STREQ(e.what(), "Library libbrevant-no-such-client.so not found");
    }
    // The bootstrap turns it into a failure and creates nothing.
    brevant::testing::TempDir dir;
    TDataStore s;
    const OpenResult opened = CheckFirebird(s, dir.file("BREVDATA.BVD"), {});
    EXPECT_EQ(opened.Failure, OpenFailure::Other);
    EXPECT_EQ(opened.Message, "Library libbrevant-no-such-client.so not found");
    EXPECT_FALSE(std::filesystem::exists(dir.file("BREVDATA.BVD")));
}
