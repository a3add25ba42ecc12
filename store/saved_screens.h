// Brevant Dira — screens the user saved by name: a table of our own beside
// the quote tables, so that every desktop sharing a server database sees the
// same screens.
#pragma once

#include <string>
#include <vector>

#include "store/data_store.h"
#include "ta/period_bars.h"

namespace brevant {

// Created by the bootstrap when missing.
inline constexpr const char* kCreateSavedScreens =
    "CREATE TABLE SAVEDSCREEN (NAME VARCHAR(60) NOT NULL PRIMARY KEY, "
    "FORMULA VARCHAR(2000) NOT NULL, BARS VARCHAR(7) NOT NULL)";
inline constexpr std::size_t kSavedScreenNameLength = 60;
inline constexpr std::size_t kSavedScreenFormulaLength = 2000;

struct SavedScreen {
    std::string name;    // 1 to 60 characters, not only blanks
    std::string formula; // up to 2000 characters
    BarPeriod period = BarPeriod::Daily;
    friend bool operator==(const SavedScreen&, const SavedScreen&) = default;
};

// Each runs in a transaction of its own on DB1 and commits; a database error
// rolls it back and propagates.

// Every saved screen, by name. A period the program does not know reads as
// daily.
std::vector<SavedScreen> ReadSavedScreens(TDataStore& store);
// Saves the screen under its name, replacing one of the same name. Throws
// std::invalid_argument for a name or formula that does not fit.
void StoreSavedScreen(TDataStore& store, const SavedScreen& screen);
// Deletes the screen of that name; none of that name is no error.
void DeleteSavedScreen(TDataStore& store, const std::string& name);

} // namespace brevant
