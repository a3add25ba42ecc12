// Brevant Dira — what a database error means, told from its status codes.
#include "fbl/fbl_errors.h"

#include <ibase.h>

#include <algorithm>
#include <initializer_list>

namespace brevant {
namespace {

bool HasAny(const EFBLError& e, std::initializer_list<long> codes) {
    return std::any_of(e.IscErrorCodes.begin(), e.IscErrorCodes.end(), [&](long code) {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    });
}

} // namespace

bool IsLoginRefused(const EFBLError& e) {
    return HasAny(e, {isc_login});
}

bool IsServerUnreachable(const EFBLError& e) {
    // The client reports a failed connect as a network error followed by the
    // reason (refused, no listener, timed out); a broken connection carries
    // read or write errors instead.
    return HasAny(e, {isc_network_error, isc_net_connect_err, isc_net_connect_listen_err,
                      isc_connect_reject}) &&
           !IsConnectionLost(e);
}

bool IsConnectionLost(const EFBLError& e) {
    return HasAny(e, {isc_net_read_err, isc_net_write_err, isc_lost_db_connection, isc_conn_lost,
                      isc_shutdown, isc_att_shutdown});
}

bool IsDatabaseMissing(const EFBLError& e) {
    return HasAny(e, {isc_io_error}) && HasAny(e, {isc_io_open_err});
}

bool IsNotPermitted(const EFBLError& e) {
    return HasAny(e, {isc_no_priv});
}

bool IsLockConflict(const EFBLError& e) {
    return HasAny(
        e, {isc_deadlock, isc_update_conflict, isc_lock_conflict, isc_concurrent_transaction});
}

bool IsLockTimeout(const EFBLError& e) {
    return HasAny(e, {isc_lock_timeout});
}

bool IsWireCryptRefused(const EFBLError& e) {
    return HasAny(e, {isc_wirecrypt_incompatible, isc_miss_wirecrypt});
}

bool IsInUseElsewhere(const EFBLError& e) {
    return HasAny(e, {isc_already_opened});
}

} // namespace brevant
