// Brevant Dira — telling a server's database from a local file, and the
// login for a server.
#include <gtest/gtest.h>

#include <cstdlib>

#include "store/database_address.h"
#include "support/temp_dir.h"

namespace brevant {
namespace {

TEST(DatabaseAddressTest, ServerAddressesAndLocalFiles) {
    const struct {
        const char* location;
        bool onServer;
    } cases[] = {
        {"/home/ana/BREVDATA.BVD", false},
        {"BREVDATA.BVD", false},
        {"data/x.bvd", false},
        {"./odd:name.bvd", false},
        {"/tmp/a:b/x.bvd", false},
        {"~/x:y.bvd", false},
        {":x.bvd", false},
        {"", false},
        {"dbhost:/srv/brevant/BREVDATA.BVD", true},
        {"dbhost:brevant", true},
        {"localhost/3051:/srv/x.bvd", true},
        {"10.0.0.5/gds_db:/srv/x.bvd", true},
        {"a/b/c:/srv/x.bvd", false}, // a relative path with a colon in a name
        {"/3051:/srv/x.bvd", false},
        {"[::1]:/srv/x.bvd", true},
        {"inet://dbhost:3050//srv/x.bvd", true},
        {"inet4://dbhost/brevant", true},
        {"xnet://brevant", true},
        {"\\\\dbhost\\srv\\x.bvd", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsServerAddress(c.location), c.onServer) << c.location;
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
    unsetenv("ISC_PASSWORD");
    login = ServerLogin("", "");
    EXPECT_EQ(login.User, "");
    EXPECT_EQ(login.Password, "");
}

} // namespace
} // namespace brevant
