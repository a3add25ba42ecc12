// Brevant Dira — what the front ends say about an error that ended a unit of work.
#include "store/work_error.h"

#include "fbl/fbl_errors.h"

namespace brevant {

bool ConnectionLost(const std::exception& e) {
    const auto* database = dynamic_cast<const EFBLError*>(&e);
    return database && IsConnectionLost(*database);
}

std::string WorkErrorText(const std::exception& e) {
    if (!ConnectionLost(e)) return e.what();
    return std::string("the connection to the database server was lost; the work in progress "
                       "was not stored. The server said: ") +
           e.what();
}

} // namespace brevant
