// Brevant Dira — a thin synchronous object layer over the Firebird client
// library's C interface: one attachment, transactions on it, and statements
// with positional "?" parameters and a forward-only cursor.
//
// The client library is loaded at run time on first use (see fbl_library.h).
// Every failure is an exception: EFBLError for the server's and the layer's
// own errors, LibraryError when the client library or one of its entry points
// is missing. Indices of parameters and columns start at 0.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace brevant {

class EFBLError : public std::runtime_error {
public:
    explicit EFBLError(const std::string& message, long iscErrorCode = 0,
                       std::vector<long> iscErrorCodes = {})
        : std::runtime_error(message), IscErrorCode(iscErrorCode),
          IscErrorCodes(std::move(iscErrorCodes)) {}
    // First error code of the server's status vector; 0 for the layer's own.
    long IscErrorCode;
    // Every error code of the status vector, in its order (empty for the
    // layer's own): the first is often a general one ("I/O error") that the
    // later ones explain.
    std::vector<long> IscErrorCodes;
};

// "Library ... not found", "Unable to locate symbol ..." (not an EFBLError).
class LibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TProtocolType { ptLocal, ptTcpIp, ptNetBeui };
enum class TAccessMode { amWrite, amRead };
enum class TIsolationLevel {
    ilConcurrency,
    ilConsistency,
    ilReadCommitted_rec_version,
    ilReadCommitted_no_rec_version
};
enum class TLockResolution { lrWait, lrNoWait };
enum class TTableReservationMode { rmShared, rmProtected };

class TFBLTransaction;
class TFBLDsql;

class TFBLDatabase {
public:
    TFBLDatabase();
    ~TFBLDatabase(); // disconnects when attached; never throws
    TFBLDatabase(const TFBLDatabase&) = delete;
    TFBLDatabase& operator=(const TFBLDatabase&) = delete;

    std::string DBFile;
    TProtocolType Protocol = TProtocolType::ptLocal;
    std::string Host;
    int TcpPort = 3050;
    std::string User;         // sent only when set
    std::string Password;     // sent only when set
    std::string Role;         // sent only when set
    std::string CharacterSet; // sent only when set
    // After attaching, adopt the database's own dialect.
    bool AutoSetClientDialect = true;
    // When above 0, Connect also stores this page-cache size (in pages) in
    // the database header, where the embedded engine reads it; a size asked
    // for per attachment is ignored by that engine.
    int SetPageBuffers = 0;
    // When above 0, the seconds a connect to a server may take before it
    // fails (a host that does not answer would otherwise hold it for minutes).
    int ConnectTimeout = 0;
    // Lines of the client library's configuration for this attachment
    // ("AuthClient = Srp256, Srp"), sent only when set.
    std::string ClientConfig;

    int SQLDialect() const { return dialect_; }
    // "Sql Dialect invalid" for 0 or less, or above the attached database's.
    void SetSQLDialect(int dialect);

    bool Connected() const { return handle_ != 0; }
    std::string ConnectionString() const;
    void Connect();
    void Disconnect();

    // CREATE DATABASE without attaching; the caller sets DBFile and Connects.
    // An empty user or password is left out of the statement.
    void CreateDatabase(const std::string& fileName, const std::string& user,
                        const std::string& password, int dialect = 3, int pageSize = 4096,
                        const std::string& characterSet = "");
    // Creates the database ConnectionString() names with everything Connect
    // sends (the login, ClientConfig, ConnectTimeout) and stays attached to it.
    void Create(int dialect = 3, int pageSize = 4096);

    // The database's dialect as the server reports it (item 62); 1 when the
    // reply lacks it. Requires an attachment.
    int DatabaseDialect();
    // The page buffers the engine gave the database (item 15): for an
    // embedded file, the size in its header, or the engine's default when
    // the header has none. Requires an attachment.
    int PageBuffers();

private:
    friend class TFBLTransaction;
    friend class TFBLDsql;
    std::string ParameterBlock() const;
    std::optional<int> InfoInteger(char item);
    void Adopt(std::uint32_t handle);
    void Attach(TFBLTransaction* t);
    void Detach(TFBLTransaction* t);

    std::uint32_t handle_ = 0;
    int dialect_ = 1;
    int attachedDialect_ = 0;
    std::vector<TFBLTransaction*> transactions_;
};

class TFBLTransaction {
public:
    explicit TFBLTransaction(TFBLDatabase* database = nullptr);
    ~TFBLTransaction(); // rolls back when started; never throws
    TFBLTransaction(const TFBLTransaction&) = delete;
    TFBLTransaction& operator=(const TFBLTransaction&) = delete;

    TFBLDatabase* Database() const { return database_; }
    void SetDatabase(TFBLDatabase* database);

    TAccessMode AccessMode = TAccessMode::amWrite;
    TIsolationLevel IsolationLevel = TIsolationLevel::ilConcurrency;
    TLockResolution LockResolution = TLockResolution::lrWait;
    TTableReservationMode TableReservationMode = TTableReservationMode::rmShared;
    // When above 0 (and LockResolution waits), the seconds a statement waits
    // for a row another transaction holds before it fails with a lock
    // time-out; 0 waits for as long as that transaction lasts.
    int LockTimeout = 0;

    bool InTransaction() const { return handle_ != 0; }
    void StartTransaction();
    void Commit();
    void CommitRetaining();
    void Rollback();

    // The transaction parameter block StartTransaction sends (empty for the
    // server defaults).
    std::string ParameterBlock() const;
    std::optional<int> InfoInteger(char item);

private:
    friend class TFBLDatabase;
    friend class TFBLDsql;
    enum class End { Commit, CommitRetaining, Rollback };
    void EndTransaction(End how);
    void UnprepareAll();
    void Attach(TFBLDsql* s);
    void Detach(TFBLDsql* s);

    TFBLDatabase* database_ = nullptr;
    std::uint32_t handle_ = 0;
    std::vector<TFBLDsql*> statements_;
};

enum class TStatementType {
    Unknown = 0,
    Select = 1,
    Insert = 2,
    Update = 3,
    Delete = 4,
    DDL = 5,
    GetSegment = 6,
    PutSegment = 7,
    ExecProcedure = 8,
    StartTrans = 9,
    Commit = 10,
    Rollback = 11,
    SelectForUpdate = 12,
    SetGenerator = 13
};

class TFBLDsql {
public:
    explicit TFBLDsql(TFBLTransaction* transaction = nullptr);
    ~TFBLDsql(); // un-prepares; never throws
    TFBLDsql(const TFBLDsql&) = delete;
    TFBLDsql& operator=(const TFBLDsql&) = delete;

    TFBLTransaction* Transaction() const { return transaction_; }
    void SetTransaction(TFBLTransaction* transaction);

    // Setting a different text un-prepares the statement. Setting the text it
    // already holds closes the cursor and asks for every parameter again, but
    // may keep the server's prepared statement.
    void SetSQL(const std::string& text);
    const std::string& SQL() const { return sql_; }

    bool AutoFetchFirst = true;
    int MaxFetch = 0; // above 0: the cursor ends after that many rows

    bool Prepared() const;
    TStatementType StatementType() const;
    const std::string& CursorName() const { return cursorName_; }

    void Prepare();
    void ExecSQL();
    void First();
    void Next();
    bool Eof() const;
    bool Bof() const { return bof_; }

    int ParamCount() const;
    int FieldCount() const;
    // The rows the last ExecSQL inserted, updated or deleted.
    long RowsAffected() const;
    bool FieldIsNull(int index) const;

    std::string FieldAsString(int index) const;
    int FieldAsInteger(int index) const;
    float FieldAsFloat(int index) const;
    // A date or timestamp column as a day number (a date has no time of day).
    double FieldAsDateTime(int index) const;

    void ParamAsString(int index, const std::string& text);
    void ParamAsFloat(int index, float value);
    void ParamAsDateTime(int index, double value);

private:
    friend class TFBLTransaction;
    struct Impl;
    void Unprepare();
    void SoftReset();
    void Execute();
    void CloseCursor();

    TFBLTransaction* transaction_ = nullptr;
    std::string sql_;
    std::string cursorName_;
    std::unique_ptr<Impl> impl_;
    bool cursorOpen_ = false;
    bool eof_ = true;
    bool bof_ = false;
    long fetched_ = 0;
};

} // namespace brevant
