// Brevant Dira — one transaction context on a database.
#include <algorithm>

#include "fbl/fbl.h"
#include "fbl/fbl_library.h"

namespace brevant {
namespace {
// How the engine expects one database entry of a multi-database start.
struct TransactionEntry {
    isc_db_handle* database;
    int tpbLength;
    const char* tpb;
};
} // namespace

TFBLTransaction::TFBLTransaction(TFBLDatabase* database) {
    SetDatabase(database);
}

TFBLTransaction::~TFBLTransaction() {
    try {
        if (InTransaction()) Rollback();
    } catch (...) {
        // Never throw from a destructor; the engine rolls back on detach.
    }
    for (TFBLDsql* s : statements_) s->transaction_ = nullptr;
    if (database_) database_->Detach(this);
}

void TFBLTransaction::SetDatabase(TFBLDatabase* database) {
    if (database == database_) return;
    if (InTransaction()) Rollback();
    if (database_) database_->Detach(this);
    database_ = database;
    if (database_) database_->Attach(this);
}

std::string TFBLTransaction::ParameterBlock() const {
    const bool timed = LockResolution == TLockResolution::lrWait && LockTimeout > 0;
    if (AccessMode == TAccessMode::amWrite && IsolationLevel == TIsolationLevel::ilConcurrency &&
        LockResolution == TLockResolution::lrWait && !timed)
        return {};
    std::string tpb;
    tpb += static_cast<char>(isc_tpb_version3);
    tpb += static_cast<char>(AccessMode == TAccessMode::amWrite ? isc_tpb_write : isc_tpb_read);
    tpb += static_cast<char>(LockResolution == TLockResolution::lrWait ? isc_tpb_wait
                                                                       : isc_tpb_nowait);
    switch (IsolationLevel) {
    case TIsolationLevel::ilConcurrency:
        tpb += static_cast<char>(isc_tpb_concurrency);
        break;
    case TIsolationLevel::ilConsistency:
        tpb += static_cast<char>(isc_tpb_consistency);
        break;
    case TIsolationLevel::ilReadCommitted_rec_version:
        tpb += static_cast<char>(isc_tpb_read_committed);
        tpb += static_cast<char>(isc_tpb_rec_version);
        break;
    case TIsolationLevel::ilReadCommitted_no_rec_version:
        tpb += static_cast<char>(isc_tpb_read_committed);
        tpb += static_cast<char>(isc_tpb_no_rec_version);
        break;
    }
    if (timed) {
        tpb += static_cast<char>(isc_tpb_lock_timeout);
        tpb += static_cast<char>(4);
        for (int i = 0; i < 4; ++i) tpb += static_cast<char>((LockTimeout >> (8 * i)) & 0xff);
    }
    return tpb;
}

void TFBLTransaction::StartTransaction() {
    if (!database_) throw EFBLError("Database not assigned");
    if (!database_->Connected()) throw EFBLError("No Active Connection");
    if (InTransaction()) throw EFBLError("Transaction is active");
    const fbl::ClientApi& api = fbl::Api();
    const std::string tpb = ParameterBlock();
    isc_db_handle db = database_->handle_;
    TransactionEntry entry{&db, static_cast<int>(tpb.size()), tpb.empty() ? nullptr : tpb.data()};
    ISC_STATUS_ARRAY status;
    isc_tr_handle handle = 0;
    api.start_multiple(status, &handle, 1, &entry);
    fbl::Check(status);
    handle_ = handle;
}

void TFBLTransaction::Commit() {
    EndTransaction(End::Commit);
}
void TFBLTransaction::CommitRetaining() {
    EndTransaction(End::CommitRetaining);
}
void TFBLTransaction::Rollback() {
    EndTransaction(End::Rollback);
}

void TFBLTransaction::EndTransaction(End how) {
    if (!InTransaction()) throw EFBLError("Transaction is not active");
    const fbl::ClientApi& api = fbl::Api();
    ISC_STATUS_ARRAY status;
    isc_tr_handle handle = handle_;
    switch (how) {
    case End::Commit:
        api.commit_transaction(status, &handle);
        break;
    case End::CommitRetaining:
        api.commit_retaining(status, &handle);
        break;
    case End::Rollback:
        api.rollback_transaction(status, &handle);
        break;
    }
    fbl::Check(status); // a failed end leaves the statements as they are
    handle_ = handle;
    UnprepareAll();
}

void TFBLTransaction::UnprepareAll() {
    for (TFBLDsql* s : statements_) s->Unprepare();
}

void TFBLTransaction::Attach(TFBLDsql* s) {
    statements_.push_back(s);
}

void TFBLTransaction::Detach(TFBLDsql* s) {
    statements_.erase(std::remove(statements_.begin(), statements_.end(), s), statements_.end());
}

} // namespace brevant
