// Brevant Dira — transaction helpers for the core's units of work.
//
// The house rule for a unit of work (a load, a file of an import, a scan run):
// it starts its transaction, puts a TransactionGuard on it, and commits only
// when all of its work succeeded. When an error leaves the unit, the guard
// rolls the transaction back on the way out and the error goes on to the
// caller. A transaction found still started when a unit begins is what a
// failed unit left behind: StartTransactionRecovering rolls it back, a plain
// StartTransaction refuses it ("Transaction is active"); it is never committed.
#pragma once

#include "fbl/fbl.h"

namespace brevant {

// Rolls `t` back when it is started. Failures are ignored: this runs while
// another error is on its way, and that one is the error to report.
inline void RollbackQuietly(TFBLTransaction& t) noexcept {
    if (!t.InTransaction()) return;
    try {
        t.Rollback();
    } catch (...) {
    }
}

// Starts `t` for a new unit of work; a transaction still started from earlier
// work is rolled back first, so an earlier failure neither blocks this unit
// nor gets its half-done work committed by it.
inline void StartTransactionRecovering(TFBLTransaction& t) {
    if (t.InTransaction()) t.Rollback();
    t.StartTransaction();
}

// Ends a unit of work on `t`: whatever is still started on `t` when the scope
// is left (by an error, or a return before Commit) is rolled back. Put it on
// the transaction right after starting it; a unit that commits and starts `t`
// again keeps the one guard.
class TransactionGuard {
public:
    explicit TransactionGuard(TFBLTransaction& t) : t_(t) {}
    ~TransactionGuard() { RollbackQuietly(t_); }
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void Commit() { t_.Commit(); }

private:
    TFBLTransaction& t_;
};

// Runs `work` with a statement in a transaction of its own on `db` and
// commits; an error rolls it back and propagates.
template <class Work> void InOwnTransaction(TFBLDatabase& db, Work work) {
    TFBLTransaction t(&db);
    t.StartTransaction();
    TransactionGuard guard(t);
    TFBLDsql sql(&t);
    work(sql);
    guard.Commit();
}

} // namespace brevant
