// Where the database file goes when no file is named.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "store/data_location.h"
#include "support/temp_dir.h"

using namespace brevant;
using brevant::testing::TempDir;

namespace {

// Sets (or, given nothing, removes) an environment variable for its lifetime.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) previous_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~EnvironmentVariable() {
        if (previous_)
            setenv(name_, previous_->c_str(), 1);
        else
            unsetenv(name_);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

class DataLocation : public ::testing::Test {
protected:
    TempDir dir;
    // A folder nobody can write to, not even root: it does not exist.
    std::string InstalledProgram() const { return dir.file("installed") + "/"; }
};

} // namespace

TEST_F(DataLocation, WritableProgramFolderHoldsTheFile) {
    const std::string program = dir.path().string() + "/";
    EXPECT_EQ(DefaultDatabasePath(program), program + "BREVDATA.BVD");
}

TEST_F(DataLocation, InstalledProgramUsesTheUsersDataFolder) {
    struct Case {
        const char* name;
        std::optional<std::string> xdg, home;
        std::string folder; // where the file goes, below the test's folder
    } cases[] = {
        {"XDG_DATA_HOME", dir.file("xdg"), dir.file("home"), "xdg/brevant-dira"},
        {"HOME alone", std::nullopt, dir.file("home"), "home/.local/share/brevant-dira"},
        {"empty XDG_DATA_HOME", std::string(), dir.file("home"), "home/.local/share/brevant-dira"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EnvironmentVariable xdg("XDG_DATA_HOME", c.xdg), home("HOME", c.home);
        EXPECT_EQ(DefaultDatabasePath(InstalledProgram()), dir.file(c.folder) + "/BREVDATA.BVD");
        EXPECT_TRUE(std::filesystem::is_directory(dir.file(c.folder)));
    }
}

// A temporary folder would lose the user's data at the next reboot.
TEST_F(DataLocation, NoDataFolderIsRefusedNamingTheOption) {
    const std::optional<std::string> unsetOrEmpty[] = {std::nullopt, std::string()};
    for (const std::optional<std::string>& empty : unsetOrEmpty) {
        const EnvironmentVariable xdg("XDG_DATA_HOME", empty), home("HOME", empty);
        try {
            const std::string path = DefaultDatabasePath(InstalledProgram());
            ADD_FAILURE() << "chose " << path;
        } catch (const std::exception& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("--db"), std::string::npos) << message;
            EXPECT_NE(message.find(InstalledProgram()), std::string::npos) << message;
        }
    }
}
