// Brevant Dira — one SQL statement executed within a transaction.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "fbl/fbl.h"
#include "fbl/fbl_library.h"
#include "fbl/fbl_values.h"

namespace brevant {
namespace {

std::string Format(const char* pattern, int index) {
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, index);
    return buf;
}

std::string RandomCursorName() {
    static std::mt19937 rng{std::random_device{}()};
    std::uniform_int_distribution<int> letter(0, 24); // "A" to "Y"
    std::string name(15, 'A');
    for (char& c : name) c = static_cast<char>('A' + letter(rng));
    return name;
}

// An XSQLDA with its data buffers and null indicators.
class Descriptor {
public:
    Descriptor() { Resize(8); }
    ~Descriptor() { std::free(da_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    XSQLDA* get() { return da_; }
    const XSQLDA* get() const { return da_; }
    int count() const { return da_->sqld; }
    XSQLVAR& operator[](int i) { return da_->sqlvar[i]; }
    const XSQLVAR& operator[](int i) const { return da_->sqlvar[i]; }
    // Null for an empty descriptor, as the engine calls expect.
    XSQLDA* orNull() { return da_->sqld > 0 ? da_ : nullptr; }

    void Resize(int n) {
        std::free(da_);
        da_ = static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(n)));
        if (!da_) throw std::bad_alloc();
        da_->version = SQLDA_VERSION1;
        da_->sqln = static_cast<ISC_SHORT>(n);
    }

    // Gives every described entry a buffer of its declared length and a null
    // indicator. Throws "Data type unknow" for unsupported types.
    void Bind() {
        std::size_t total = 0;
        for (int i = 0; i < count(); ++i) {
            if (!fbl::SupportedType((*this)[i])) throw EFBLError("Data type unknow");
            total += (static_cast<std::size_t>(fbl::BufferSize((*this)[i])) + 7) & ~std::size_t{7};
        }
        data_.assign(total, 0);
        ind_.assign(static_cast<std::size_t>(count()), 0);
        std::size_t offset = 0;
        for (int i = 0; i < count(); ++i) {
            XSQLVAR& v = (*this)[i];
            v.sqldata = data_.data() + offset;
            v.sqlind = &ind_[static_cast<std::size_t>(i)];
            v.sqltype |= 1; // always pass and receive the null indicator
            offset += (static_cast<std::size_t>(fbl::BufferSize(v)) + 7) & ~std::size_t{7};
        }
    }

private:
    XSQLDA* da_ = nullptr;
    std::vector<char> data_;
    std::vector<short> ind_;
};

} // namespace

struct TFBLDsql::Impl {
    isc_stmt_handle statement = 0;
    bool prepared = false;
    int type = 0;
    Descriptor in, out;
    std::vector<bool> set; // parameter given since the last prepare
    bool procedureRow = false;
};

TFBLDsql::TFBLDsql(TFBLTransaction* transaction)
    : cursorName_(RandomCursorName()), impl_(std::make_unique<Impl>()) {
    SetTransaction(transaction);
}

TFBLDsql::~TFBLDsql() {
    Unprepare();
    if (transaction_) transaction_->Detach(this);
}

void TFBLDsql::SetTransaction(TFBLTransaction* transaction) {
    if (transaction == transaction_) return;
    Unprepare();
    if (transaction_) transaction_->Detach(this);
    transaction_ = transaction;
    if (transaction_) transaction_->Attach(this);
}

void TFBLDsql::SetSQL(const std::string& text) {
    if (text == sql_ && impl_->prepared) {
        SoftReset();
        return;
    }
    Unprepare();
    sql_ = text;
}

bool TFBLDsql::Prepared() const {
    return impl_->prepared;
}

TStatementType TFBLDsql::StatementType() const {
    return static_cast<TStatementType>(impl_->type);
}

void TFBLDsql::Unprepare() {
    if (impl_->statement) {
        ISC_STATUS_ARRAY ignored;
        fbl::Api().dsql_free_statement(ignored, &impl_->statement, DSQL_drop);
        impl_->statement = 0;
    }
    impl_->prepared = false;
    impl_->type = 0;
    impl_->in.Resize(8);
    impl_->out.Resize(8);
    impl_->set.clear();
    impl_->procedureRow = false;
    cursorOpen_ = false;
    eof_ = true;
    bof_ = false;
    fetched_ = 0;
}

// Same text again: the server statement stays, everything a caller can see
// starts over as after a fresh prepare.
void TFBLDsql::SoftReset() {
    if (cursorOpen_) CloseCursor();
    impl_->set.assign(impl_->set.size(), false);
    impl_->procedureRow = false;
    eof_ = true;
    bof_ = false;
    fetched_ = 0;
}

void TFBLDsql::Prepare() {
    if (impl_->prepared) return;
    if (!transaction_) throw EFBLError("Transaction is not Assigned");
    if (!transaction_->InTransaction()) throw EFBLError("Transaction is not active");
    if (sql_.empty()) throw EFBLError("Empty query");

    const fbl::ClientApi& api = fbl::Api();
    TFBLDatabase* db = transaction_->Database();
    const unsigned short dialect = static_cast<unsigned short>(db->SQLDialect());
    ISC_STATUS_ARRAY status;
    isc_db_handle dbHandle = db->handle_;
    isc_tr_handle trHandle = transaction_->handle_;
    Impl& s = *impl_;
    try {
        api.dsql_alloc_statement2(status, &dbHandle, &s.statement);
        fbl::Check(status);
        api.dsql_prepare(status, &trHandle, &s.statement, 0, sql_.c_str(), dialect, nullptr);
        fbl::Check(status);

        const char item[] = {static_cast<char>(isc_info_sql_stmt_type)};
        char reply[16] = {};
        api.dsql_sql_info(status, &s.statement, sizeof item, item, sizeof reply, reply);
        fbl::Check(status);
        if (reply[0] != static_cast<char>(isc_info_sql_stmt_type)) throw EFBLError("Unknow Query");
        const short len = static_cast<short>(api.vax_integer(reply + 1, 2));
        s.type = (len >= 1 && len <= 4) ? static_cast<int>(api.vax_integer(reply + 3, len)) : 0;
        if (s.type <= 0 || s.type > 13) throw EFBLError("Unknow Query");
        if (s.type == isc_info_sql_stmt_get_segment || s.type == isc_info_sql_stmt_put_segment ||
            s.type == isc_info_sql_stmt_start_trans)
            throw EFBLError("Statement: " + sql_ + "\nNot permitted");

        for (Descriptor* d : {&s.in, &s.out}) {
            const bool bind = d == &s.in;
            for (;;) {
                if (bind)
                    api.dsql_describe_bind(status, &s.statement, dialect, d->get());
                else
                    api.dsql_describe(status, &s.statement, dialect, d->get());
                fbl::Check(status);
                if (d->get()->sqld <= d->get()->sqln) break;
                d->Resize(d->get()->sqld);
            }
            d->Bind();
        }
    } catch (...) {
        Unprepare();
        throw;
    }
    s.set.assign(static_cast<std::size_t>(s.in.count()), false);
    s.prepared = true;
}

void TFBLDsql::ExecSQL() {
    Prepare();
    if (!transaction_->InTransaction()) throw EFBLError("Transaction is not active");
    Impl& s = *impl_;
    for (std::size_t i = 0; i < s.set.size(); ++i)
        if (!s.set[i]) throw EFBLError(Format("Param %d is not set", static_cast<int>(i)));
    Execute();
}

void TFBLDsql::Execute() {
    const fbl::ClientApi& api = fbl::Api();
    Impl& s = *impl_;
    ISC_STATUS_ARRAY status;
    isc_tr_handle trHandle = transaction_->handle_;
    if (cursorOpen_) CloseCursor();
    s.procedureRow = false;
    if (s.type == isc_info_sql_stmt_select || s.type == isc_info_sql_stmt_select_for_upd) {
        api.dsql_execute2(status, &trHandle, &s.statement, SQLDA_VERSION1, s.in.orNull(), nullptr);
        fbl::Check(status);
        api.dsql_set_cursor_name(status, &s.statement, cursorName_.c_str(), 0);
        fbl::Check(status);
        cursorOpen_ = true;
        eof_ = false;
        bof_ = true;
        fetched_ = 0;
        if (AutoFetchFirst) Next();
    } else if (s.type == isc_info_sql_stmt_exec_procedure) {
        api.dsql_execute2(status, &trHandle, &s.statement, SQLDA_VERSION1, s.in.orNull(),
                          s.out.orNull());
        fbl::Check(status);
        s.procedureRow = s.out.count() > 0;
        eof_ = !s.procedureRow;
    } else {
        api.dsql_execute(status, &trHandle, &s.statement, SQLDA_VERSION1, s.in.orNull());
        fbl::Check(status);
    }
}

long TFBLDsql::RowsAffected() const {
    if (!impl_->prepared) throw EFBLError("Statement is not prepared");
    const fbl::ClientApi& api = fbl::Api();
    const char item[] = {static_cast<char>(isc_info_sql_records)};
    char reply[64] = {};
    ISC_STATUS_ARRAY status;
    api.dsql_sql_info(status, &impl_->statement, sizeof item, item, sizeof reply, reply);
    fbl::Check(status);
    if (reply[0] != static_cast<char>(isc_info_sql_records)) return 0;
    const short length = static_cast<short>(api.vax_integer(reply + 1, 2));
    const char* p = reply + 3;
    const char* end = p + std::min<int>(length, static_cast<int>(sizeof reply) - 3);
    long rows = 0;
    // One count per kind of change: inserted, updated, deleted (and selected).
    while (p + 3 <= end && *p != static_cast<char>(isc_info_end)) {
        const char kind = *p;
        const short size = static_cast<short>(api.vax_integer(p + 1, 2));
        if (size < 0 || p + 3 + size > end) break;
        if (kind == isc_info_req_insert_count || kind == isc_info_req_update_count ||
            kind == isc_info_req_delete_count)
            rows += api.vax_integer(p + 3, size);
        p += 3 + size;
    }
    return rows;
}

void TFBLDsql::CloseCursor() {
    ISC_STATUS_ARRAY status;
    fbl::Api().dsql_free_statement(status, &impl_->statement, DSQL_close);
    cursorOpen_ = false;
    eof_ = true;
    fetched_ = 0;
    fbl::Check(status);
}

void TFBLDsql::Next() {
    bof_ = false;
    if (impl_->type == isc_info_sql_stmt_exec_procedure) eof_ = true;
    if (MaxFetch > 0 && fetched_ >= MaxFetch) eof_ = true;
    if (!cursorOpen_ || eof_) return;
    ISC_STATUS_ARRAY status;
    const ISC_STATUS result = fbl::Api().dsql_fetch(
        status, &impl_->statement,
        static_cast<unsigned short>(transaction_->Database()->SQLDialect()), impl_->out.orNull());
    if (result == 100) {
        eof_ = true;
        return;
    }
    if (result != 0) {
        fbl::Check(status);
        throw EFBLError("Fetch failed", result);
    }
    eof_ = false;
    ++fetched_;
}

bool TFBLDsql::Eof() const {
    if (cursorOpen_ || impl_->procedureRow) return eof_;
    return true;
}

void TFBLDsql::First() {
    if (!cursorOpen_) return;
    if (fetched_ == 0) {
        Next();
        return;
    }
    if (fetched_ == 1) return; // the one row is still in the buffers
    CloseCursor();
    Execute();
    if (!AutoFetchFirst) Next();
}

int TFBLDsql::ParamCount() const {
    return impl_->in.count();
}
int TFBLDsql::FieldCount() const {
    return impl_->out.count();
}

namespace {
void CheckField(int index, int count) {
    if (index < 0 || index >= count) throw EFBLError(Format("Field index %d out of range", index));
}
void CheckParam(int index, int count) {
    if (index < 0 || index >= count) throw EFBLError(Format("Param index %d out of range", index));
}
} // namespace

bool TFBLDsql::FieldIsNull(int index) const {
    CheckField(index, FieldCount());
    const XSQLVAR& v = impl_->out[index];
    return v.sqlind && *v.sqlind < 0;
}

std::string TFBLDsql::FieldAsString(int index) const {
    CheckField(index, FieldCount());
    return fbl::ColumnAsString(impl_->out[index], index);
}

int TFBLDsql::FieldAsInteger(int index) const {
    CheckField(index, FieldCount());
    return fbl::ColumnAsInteger(impl_->out[index], index);
}

float TFBLDsql::FieldAsFloat(int index) const {
    CheckField(index, FieldCount());
    return fbl::ColumnAsFloat(impl_->out[index], index);
}

double TFBLDsql::FieldAsDateTime(int index) const {
    CheckField(index, FieldCount());
    return fbl::ColumnAsDateTime(impl_->out[index], index);
}

void TFBLDsql::ParamAsString(int index, const std::string& text) {
    CheckParam(index, ParamCount());
    fbl::ParamFromString(impl_->in[index], index, text);
    impl_->set[static_cast<std::size_t>(index)] = true;
}

void TFBLDsql::ParamAsFloat(int index, float value) {
    CheckParam(index, ParamCount());
    fbl::ParamFromFloat(impl_->in[index], index, value);
    impl_->set[static_cast<std::size_t>(index)] = true;
}

void TFBLDsql::ParamAsDateTime(int index, double value) {
    CheckParam(index, ParamCount());
    fbl::ParamFromDateTime(impl_->in[index], index, value);
    impl_->set[static_cast<std::size_t>(index)] = true;
}

} // namespace brevant
