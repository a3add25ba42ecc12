// Brevant Dira — the Firebird client library, loaded at run time.
// Private to the database layer: only fbl_*.cpp include this header.
#pragma once

#include <ibase.h>
#include <signal.h>

#include <string>
#include <vector>

#include "fbl/fbl.h"

namespace brevant::fbl {

// Entry points resolved by name. Mandatory ones are never null after Load();
// the optional ones may be.
struct ClientApi {
    decltype(&::isc_attach_database) attach_database;
    decltype(&::isc_database_info) database_info;
    decltype(&::isc_detach_database) detach_database;
    decltype(&::isc_dsql_execute_immediate) dsql_execute_immediate;
    decltype(&::isc_start_multiple) start_multiple;
    decltype(&::isc_commit_transaction) commit_transaction;
    decltype(&::isc_commit_retaining) commit_retaining;
    decltype(&::isc_rollback_transaction) rollback_transaction;
    decltype(&::isc_dsql_alloc_statement2) dsql_alloc_statement2;
    decltype(&::isc_dsql_prepare) dsql_prepare;
    decltype(&::isc_dsql_sql_info) dsql_sql_info;
    decltype(&::isc_dsql_describe_bind) dsql_describe_bind;
    decltype(&::isc_dsql_describe) dsql_describe;
    decltype(&::isc_dsql_execute2) dsql_execute2;
    decltype(&::isc_dsql_execute) dsql_execute;
    decltype(&::isc_dsql_set_cursor_name) dsql_set_cursor_name;
    decltype(&::isc_dsql_fetch) dsql_fetch;
    decltype(&::isc_dsql_free_statement) dsql_free_statement;
    decltype(&::isc_vax_integer) vax_integer;
    ISC_LONG (*interprete)(ISC_SCHAR*, ISC_STATUS**); // the legacy, unbounded one
    // Optional: newer client generations only.
    decltype(&::fb_interpret) fb_interpret;
    decltype(&::isc_rollback_retaining) rollback_retaining;
    decltype(&::isc_get_client_version) get_client_version;
    decltype(&::isc_decode_sql_date) decode_sql_date;
    decltype(&::isc_decode_sql_time) decode_sql_time;
    decltype(&::isc_decode_timestamp) decode_timestamp;
    decltype(&::isc_encode_sql_date) encode_sql_date;
    decltype(&::isc_encode_sql_time) encode_sql_time;
    decltype(&::isc_encode_timestamp) encode_timestamp;
    decltype(&::fb_shutdown) shutdown;
    decltype(&::isc_create_database) create_database;
};

// Loads the library on first use and returns its entry points; it stays
// loaded until the program ends. Throws LibraryError.
const ClientApi& Api();
// The entry points when the library is loaded already; nullptr otherwise
// (never loads it).
const ClientApi* LoadedApi();

// Put around every call that may be the client library's first (attaching,
// creating): such a call installs signal handlers of the library's own and
// loads the engine's modules. When the scope ends, the SIGINT and SIGTERM
// dispositions in effect when it began are put back (see fbl_engine.h), and
// the modules the call loaded stay mapped until the process ends. The engine
// would unload them at its shutdown, just before the process ends anyway;
// kept, their code can still be named in a sanitizer run's reports, and the
// caches they built in other libraries (ICU's) are not orphaned.
class EngineEntryGuard {
public:
    EngineEntryGuard();
    ~EngineEntryGuard();
    EngineEntryGuard(const EngineEntryGuard&) = delete;
    EngineEntryGuard& operator=(const EngineEntryGuard&) = delete;

private:
    struct sigaction interrupt_ {};
    struct sigaction terminate_ {};
    std::vector<std::string> loaded_;
};

// Attachments by the thread that made them, for the engine shutdown.
void RegisterAttachment(TFBLDatabase* database);
void UnregisterAttachment(TFBLDatabase* database);
// Disconnects every attachment the calling thread made; errors are ignored.
void DisconnectThreadAttachments();
// Registers the exit guard once (see fbl_engine.h); called after an attach,
// when the engine's own libraries are loaded, so that the guard runs before
// their exit handlers.
void GuardProcessExit();

// Library names tried in order: the embedded engine first. The environment
// variable BREVANT_FBCLIENT names one library to try instead.
const char* const kLibraryNames[] = {"libfbembed.so.2.5", "libfbembed.so", "libfbclient.so.2",
                                     "libfbclient.so", "libgds.so"};
inline constexpr const char* kLibraryEnvironment = "BREVANT_FBCLIENT";

// Throws EFBLError when the status vector reports an error.
void Check(const ISC_STATUS* status);
// The joined messages of a status vector.
std::string StatusText(const ISC_STATUS* status);

} // namespace brevant::fbl
