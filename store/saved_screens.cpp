// Brevant Dira — screens the user saved by name.
#include "store/saved_screens.h"

#include <stdexcept>

#include "store/transaction_guard.h"

namespace brevant {
namespace {} // namespace

std::vector<SavedScreen> ReadSavedScreens(TDataStore& store) {
    std::vector<SavedScreen> screens;
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        sql.SetSQL("SELECT NAME, FORMULA, BARS FROM SAVEDSCREEN ORDER BY NAME");
        sql.ExecSQL();
        for (sql.First(); !sql.Eof(); sql.Next()) {
            SavedScreen s{sql.FieldAsString(0), sql.FieldAsString(1), BarPeriod::Daily};
            ParseBarPeriod(sql.FieldAsString(2), s.period);
            screens.push_back(std::move(s));
        }
    });
    return screens;
}

void StoreSavedScreen(TDataStore& store, const SavedScreen& screen) {
    if (screen.name.find_first_not_of(' ') == std::string::npos ||
        screen.name.size() > kSavedScreenNameLength)
        throw std::invalid_argument("A screen's name has 1 to " +
                                    std::to_string(kSavedScreenNameLength) + " characters.");
    if (screen.formula.size() > kSavedScreenFormulaLength)
        throw std::invalid_argument("A formula has at most " +
                                    std::to_string(kSavedScreenFormulaLength) + " characters.");
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        sql.SetSQL("UPDATE OR INSERT INTO SAVEDSCREEN (NAME, FORMULA, BARS) VALUES (?, ?, ?) "
                   "MATCHING (NAME)");
        sql.Prepare();
        sql.ParamAsString(0, screen.name);
        sql.ParamAsString(1, screen.formula);
        sql.ParamAsString(2, std::string(BarPeriodName(screen.period)));
        sql.ExecSQL();
    });
}

void DeleteSavedScreen(TDataStore& store, const std::string& name) {
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        sql.SetSQL("DELETE FROM SAVEDSCREEN WHERE NAME = ?");
        sql.Prepare();
        sql.ParamAsString(0, name);
        sql.ExecSQL();
    });
}

} // namespace brevant
