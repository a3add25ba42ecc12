// Brevant Dira — what became of one line of a quote file, in either layout.
#include "quotes/row_status.h"

namespace brevant {

const char* RowStatusText(RowStatus status) {
    switch (status) {
    case RowStatus::Read:
        return "read";
    case RowStatus::Empty:
        return "empty line";
    case RowStatus::Header:
        return "header line";
    case RowStatus::MissingField:
        return "missing field";
    case RowStatus::BadDate:
        return "bad date";
    case RowStatus::BadNumber:
        return "bad number";
    case RowStatus::NotDaily:
        return "not a daily row";
    }
    return "?";
}

} // namespace brevant
