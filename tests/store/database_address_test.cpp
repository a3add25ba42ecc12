// Brevant Dira — telling a server's database from a local file, and the
// login for a server.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "store/database_address.h"
#include "support/temp_dir.h"

namespace brevant {
namespace {

// As the client library decides: a colon after the first character and
// before the last sends the location to a server; a path of this machine
// that would be sent so is refused rather than sent.
TEST(DatabaseAddressTest, ServerAddressesAndLocalFiles) {
    testing::TempDir dir;
    const std::string existing = dir.file("data");
    std::filesystem::create_directories(existing);
    const struct {
        std::string location;
        bool onServer;
        bool localWithColon;
    } cases[] = {
        {"/home/ana/BREVDATA.BVD", false, false},
        {"BREVDATA.BVD", false, false},
        {"data/x.bvd", false, false},
        {":x.bvd", false, false},
        {"x.bvd:", false, false},
        {"", false, false},
        {"\\\\dbhost\\srv\\x.bvd", false, false},
        {"dbhost:/srv/brevant/BREVDATA.BVD", true, false},
        {"dbhost:brevant", true, false},
        {"localhost/3051:/srv/x.bvd", true, false},
        {"10.0.0.5/gds_db:/srv/x.bvd", true, false},
        {"[::1]:/srv/x.bvd", true, false},
        {"inet://dbhost:3050//srv/x.bvd", true, false},
        {"inet4://dbhost/brevant", true, false},
        {"xnet://brevant", true, false},
        // Meant as files here, taken for servers by the library.
        {"./odd:name.bvd", true, true},
        {"/tmp/a:b/x.bvd", true, true},
        {"/data/a:b/x.BVD", true, true},
        {"~/x:y.bvd", true, true},
        {"/3051:/srv/x.bvd", true, true},
        {"a b:/srv/x.bvd", true, true},
        // "host/port" in form, but the folder exists here.
        {existing + "/x:1.bvd", true, true},
        {"dbhost/3051:x.bvd", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.location);
        EXPECT_EQ(IsServerAddress(c.location), c.onServer);
        EXPECT_EQ(LocalPathWithColon(c.location), c.localWithColon);
    }
    EXPECT_EQ(LocalPathWithColonMessage("./odd:name.bvd"),
              "the database path ./odd:name.bvd holds a colon, and the database client takes "
              "everything before a colon for the name of a database server (HOST:PATH): move or "
              "rename the file (or the folder) so that its path has no colon");
}

TEST(DatabaseAddressTest, LoginFromOptionsOrTheEnvironment) {
    testing::TempDir dir;
    const std::string file = dir.write("password", "s3cret\r\nsecond line\n");
    setenv("ISC_USER", "envuser", 1);
    setenv("ISC_PASSWORD", "envpass", 1);
    DatabaseLogin login = ServerLogin("", "");
    EXPECT_EQ(login.User, "envuser");
    EXPECT_EQ(login.Password, "envpass");
    login = ServerLogin("ana", file);
    EXPECT_EQ(login.User, "ana");
    EXPECT_EQ(login.Password, "s3cret"); // the first line, without its line end
    EXPECT_THROW(ServerLogin("ana", dir.file("none")), PasswordFileError);
    unsetenv("ISC_USER");
    login = ServerLogin("", "");
    EXPECT_EQ(login.User, "");
    // Taken out of the environment, so that no program started from here
    // inherits it, and still the login's.
    EXPECT_EQ(std::getenv("ISC_PASSWORD"), nullptr);
    EXPECT_EQ(login.Password, "envpass");
}

// A password file others may read is used, with a warning.
TEST(DatabaseAddressTest, PasswordFileOthersMayReadGetsAWarning) {
    testing::TempDir dir;
    const std::string file = dir.write("password", "s3cret\n");
    chmod(file.c_str(), 0600);
    EXPECT_EQ(ServerLogin("ana", file).Warning, "");
    chmod(file.c_str(), 0644);
    const DatabaseLogin login = ServerLogin("ana", file);
    EXPECT_EQ(login.Password, "s3cret");
    EXPECT_EQ(login.Warning, "other users may read the password file " + file +
                                 ": make it yours alone (chmod 600 " + file + ")");
}

} // namespace
} // namespace brevant
