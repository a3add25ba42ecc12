// Brevant Dira — the Firebird client library, loaded at run time.
#include "fbl/fbl_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>
#include <vector>

#include "fbl/engine_folders.h"
#include "fbl/fbl.h"

namespace brevant::fbl {
namespace {

template <typename F> void Resolve(void* lib, const char* name, F& out, bool mandatory) {
    out = reinterpret_cast<F>(dlsym(lib, name));
    if (!out && mandatory)
        throw LibraryError("Unable to locate symbol \"" + std::string(name) + "\"");
}

void* OpenLibrary() {
    // The engine reads its folders from the environment when it loads.
    UsePrivateEngineFolders();
    std::vector<std::string> names;
    if (const char* chosen = std::getenv(kLibraryEnvironment); chosen && *chosen) {
        names.emplace_back(chosen);
    } else {
        names.assign(std::begin(kLibraryNames), std::end(kLibraryNames));
    }
    for (const std::string& name : names) {
        if (void* lib = dlopen(name.c_str(), RTLD_NOW | RTLD_GLOBAL)) return lib;
    }
    throw LibraryError("Library " + names.back() + " not found");
}

ClientApi LoadApi() {
    void* lib = OpenLibrary();
    ClientApi a{};
    Resolve(lib, "isc_attach_database", a.attach_database, true);
    Resolve(lib, "isc_database_info", a.database_info, true);
    Resolve(lib, "isc_detach_database", a.detach_database, true);
    Resolve(lib, "isc_dsql_execute_immediate", a.dsql_execute_immediate, true);
    Resolve(lib, "isc_start_multiple", a.start_multiple, true);
    Resolve(lib, "isc_commit_transaction", a.commit_transaction, true);
    Resolve(lib, "isc_commit_retaining", a.commit_retaining, true);
    Resolve(lib, "isc_rollback_transaction", a.rollback_transaction, true);
    Resolve(lib, "isc_dsql_alloc_statement2", a.dsql_alloc_statement2, true);
    Resolve(lib, "isc_dsql_prepare", a.dsql_prepare, true);
    Resolve(lib, "isc_dsql_sql_info", a.dsql_sql_info, true);
    Resolve(lib, "isc_dsql_describe_bind", a.dsql_describe_bind, true);
    Resolve(lib, "isc_dsql_describe", a.dsql_describe, true);
    Resolve(lib, "isc_dsql_execute2", a.dsql_execute2, true);
    Resolve(lib, "isc_dsql_execute", a.dsql_execute, true);
    Resolve(lib, "isc_dsql_set_cursor_name", a.dsql_set_cursor_name, true);
    Resolve(lib, "isc_dsql_fetch", a.dsql_fetch, true);
    Resolve(lib, "isc_dsql_free_statement", a.dsql_free_statement, true);
    Resolve(lib, "isc_vax_integer", a.vax_integer, true);
    Resolve(lib, "isc_interprete", a.interprete, true);
    Resolve(lib, "fb_interpret", a.fb_interpret, false);
    Resolve(lib, "isc_rollback_retaining", a.rollback_retaining, false);
    Resolve(lib, "isc_get_client_version", a.get_client_version, false);
    // The date and time conversions exist in the generations that have
    // rollback-retaining; older libraries lack them.
    const bool modern = a.rollback_retaining != nullptr;
    Resolve(lib, "isc_decode_sql_date", a.decode_sql_date, modern);
    Resolve(lib, "isc_decode_sql_time", a.decode_sql_time, modern);
    Resolve(lib, "isc_decode_timestamp", a.decode_timestamp, modern);
    Resolve(lib, "isc_encode_sql_date", a.encode_sql_date, modern);
    Resolve(lib, "isc_encode_sql_time", a.encode_sql_time, modern);
    Resolve(lib, "isc_encode_timestamp", a.encode_timestamp, modern);
    Resolve(lib, "fb_shutdown", a.shutdown, false);
    Resolve(lib, "isc_create_database", a.create_database, false);
    return a;
}

} // namespace

namespace {

// The library takes SIGINT and SIGTERM for itself on its first attach or
// create; were that a real one, a signal while it waits (on a server that
// does not answer) would be the library's, not the program's. A first call
// that fails at once, on a parameter block the library refuses, lets it take
// them here; the guard hands them back, and later calls leave them alone.
void TakeSignalsBack(const ClientApi& a) {
    EngineEntryGuard entry;
    const char refused[] = {static_cast<char>(0x7f)};
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = 0;
    a.attach_database(status, 0, "", &handle, sizeof refused, refused);
    if (handle != 0) a.detach_database(status, &handle);
}

std::mutex apiLock;
ClientApi api;
bool loaded = false;
} // namespace

const ClientApi& Api() {
    // A failed load is retried on the next call, so that a user who installs
    // the library does not have to restart a long-running tool.
    std::lock_guard guard(apiLock);
    if (!loaded) {
        api = LoadApi();
        loaded = true;
        TakeSignalsBack(api);
    }
    return api;
}

const ClientApi* LoadedApi() {
    std::lock_guard guard(apiLock);
    return loaded ? &api : nullptr;
}

std::string StatusText(const ISC_STATUS* status) {
    const ClientApi& a = Api();
    std::string text, previous;
    char message[512];
    const ISC_STATUS* p = status;
    for (;;) {
        long n = a.fb_interpret ? a.fb_interpret(message, sizeof message, &p)
                                : a.interprete(message, const_cast<ISC_STATUS**>(&p));
        if (n == 0) break;
        std::string m(message);
        if (m == previous) continue; // the engine often repeats a message
        if (!text.empty()) text += "\r\n";
        text += m;
        previous = std::move(m);
    }
    return text;
}

namespace {

// The error codes of a status vector: each isc_arg_gds entry, skipping the
// arguments between them.
std::vector<long> ErrorCodes(const ISC_STATUS* status) {
    std::vector<long> codes;
    std::size_t i = 0;
    while (i + 1 < ISC_STATUS_LENGTH && status[i] != isc_arg_end) {
        const ISC_STATUS kind = status[i];
        if (kind == isc_arg_gds && status[i + 1] != 0)
            codes.push_back(static_cast<long>(status[i + 1]));
        // A counted string has two words after its kind (length, text); every
        // other kind one (a code, a string, a number, an OS error).
        i += kind == isc_arg_cstring ? 3 : 2;
    }
    return codes;
}

} // namespace

void Check(const ISC_STATUS* status) {
    if (status[0] == 1 && status[1] != 0)
        throw EFBLError(StatusText(status), status[1], ErrorCodes(status));
}

} // namespace brevant::fbl
