// Brevant Dira — one attachment to one database file.
#include <algorithm>
#include <cstdio>

#include "fbl/fbl.h"
#include "fbl/fbl_library.h"

namespace brevant {
namespace {

void AppendItem(std::string& dpb, char tag, const std::string& value) {
    dpb += tag;
    dpb += static_cast<char>(std::min<std::size_t>(value.size(), 255));
    dpb.append(value, 0, 255);
}

void AppendInt(std::string& dpb, char tag, int value) {
    dpb += tag;
    dpb += static_cast<char>(4);
    for (int i = 0; i < 4; ++i) dpb += static_cast<char>((value >> (8 * i)) & 0xff);
}

std::string Quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out + "'";
}

} // namespace

TFBLDatabase::TFBLDatabase() = default;

TFBLDatabase::~TFBLDatabase() {
    try {
        if (Connected()) Disconnect();
    } catch (...) {
        // A destructor must not throw; the engine drops the attachment with
        // the process anyway.
    }
    fbl::UnregisterAttachment(this);
    for (TFBLTransaction* t : transactions_) t->database_ = nullptr;
}

void TFBLDatabase::SetSQLDialect(int dialect) {
    if (dialect <= 0 || (Connected() && dialect > attachedDialect_))
        throw EFBLError("Sql Dialect invalid");
    dialect_ = dialect;
}

std::string TFBLDatabase::ConnectionString() const {
    switch (Protocol) {
    case TProtocolType::ptLocal:
        return DBFile;
    case TProtocolType::ptTcpIp:
        if (Host.empty()) throw EFBLError("Host name cannot be blank");
        if (TcpPort == 3050) return Host + ":" + DBFile;
        return Host + "/" + std::to_string(TcpPort) + ":" + DBFile;
    case TProtocolType::ptNetBeui:
        if (Host.empty()) throw EFBLError("Host name cannot be blank");
        return "\\\\" + Host + "\\" + DBFile;
    }
    return DBFile;
}

std::string TFBLDatabase::ParameterBlock() const {
    std::string dpb(1, static_cast<char>(isc_dpb_version1));
    // Left out, they come from the client library's own ISC_USER and
    // ISC_PASSWORD.
    if (!User.empty()) AppendItem(dpb, isc_dpb_user_name, User);
    if (!Password.empty()) AppendItem(dpb, isc_dpb_password, Password);
    if (!Role.empty()) AppendItem(dpb, isc_dpb_sql_role_name, Role);
    if (!CharacterSet.empty()) AppendItem(dpb, isc_dpb_lc_ctype, CharacterSet);
    if (SetPageBuffers > 0) AppendInt(dpb, isc_dpb_set_page_buffers, SetPageBuffers);
    if (ConnectTimeout > 0) AppendInt(dpb, isc_dpb_connect_timeout, ConnectTimeout);
    if (!ClientConfig.empty()) AppendItem(dpb, isc_dpb_config, ClientConfig);
    return dpb;
}

void TFBLDatabase::Connect() {
    const fbl::ClientApi& api = fbl::Api();
    if (Connected()) throw EFBLError("Database already Connected");
    const std::string path = ConnectionString();
    const std::string dpb = ParameterBlock();
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = 0;
    {
        fbl::EngineEntryGuard entry;
        api.attach_database(status, static_cast<short>(path.size()), path.c_str(), &handle,
                            static_cast<short>(dpb.size()), dpb.data());
    }
    fbl::Check(status);
    Adopt(handle);
}

void TFBLDatabase::Create(int dialect, int pageSize) {
    const fbl::ClientApi& api = fbl::Api();
    if (Connected()) throw EFBLError("Database already Connected");
    if (!api.create_database) throw EFBLError("The client library cannot create databases");
    const std::string path = ConnectionString();
    std::string dpb = ParameterBlock();
    AppendInt(dpb, isc_dpb_page_size, pageSize);
    AppendInt(dpb, isc_dpb_sql_dialect, dialect);
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = 0;
    {
        fbl::EngineEntryGuard entry;
        api.create_database(status, static_cast<short>(path.size()), path.c_str(), &handle,
                            static_cast<short>(dpb.size()), dpb.data(), 0);
    }
    fbl::Check(status);
    Adopt(handle);
}

// Takes a new attachment on: its dialect read, registered for the engine's end.
void TFBLDatabase::Adopt(std::uint32_t attached) {
    const fbl::ClientApi& api = fbl::Api();
    isc_db_handle handle = attached;
    handle_ = handle;
    try {
        attachedDialect_ = DatabaseDialect();
    } catch (...) {
        ISC_STATUS_ARRAY ignored;
        api.detach_database(ignored, &handle);
        handle_ = 0;
        throw;
    }
    if (AutoSetClientDialect) dialect_ = attachedDialect_;
    fbl::RegisterAttachment(this);
    fbl::GuardProcessExit();
}

int TFBLDatabase::DatabaseDialect() {
    return InfoInteger(static_cast<char>(isc_info_db_sql_dialect)).value_or(1);
}

int TFBLDatabase::PageBuffers() {
    return InfoInteger(static_cast<char>(isc_info_num_buffers)).value_or(0);
}

std::optional<int> TFBLDatabase::InfoInteger(char item) {
    const fbl::ClientApi& api = fbl::Api();
    if (!Connected()) throw EFBLError("No Active Connection");
    const char items[] = {item, static_cast<char>(isc_info_end)};
    char reply[32] = {};
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = handle_;
    api.database_info(status, &handle, sizeof items, items, sizeof reply, reply);
    fbl::Check(status);
    if (reply[0] != item) return std::nullopt;
    const short len = static_cast<short>(api.vax_integer(reply + 1, 2));
    if (len < 1 || len > 4) return std::nullopt;
    return static_cast<int>(api.vax_integer(reply + 3, len));
}

void TFBLDatabase::Disconnect() {
    if (!Connected()) throw EFBLError("No Active Connection");
    for (TFBLTransaction* t : transactions_)
        if (t->InTransaction()) t->Rollback();
    const fbl::ClientApi& api = fbl::Api();
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = handle_;
    api.detach_database(status, &handle);
    handle_ = handle;
    if (handle_ != 0) fbl::Check(status);
    attachedDialect_ = 0;
    fbl::UnregisterAttachment(this);
}

void TFBLDatabase::CreateDatabase(const std::string& fileName, const std::string& user,
                                  const std::string& password, int dialect, int pageSize,
                                  const std::string& characterSet) {
    const fbl::ClientApi& api = fbl::Api();
    // The file name is quoted like the rest: a folder name with an
    // apostrophe must not break the statement.
    std::string sql = "CREATE DATABASE " + Quoted(fileName);
    if (!user.empty()) sql += " USER " + Quoted(user);
    if (!password.empty()) sql += " PASSWORD " + Quoted(password);
    sql += " PAGE_SIZE " + std::to_string(pageSize);
    if (!characterSet.empty()) sql += " DEFAULT CHARACTER SET " + characterSet;
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    {
        fbl::EngineEntryGuard entry;
        api.dsql_execute_immediate(status, &db, &tr, 0, sql.c_str(),
                                   static_cast<unsigned short>(dialect), nullptr);
    }
    fbl::Check(status);
    // The statement leaves an attachment to the new file behind; this
    // component is not attached afterwards.
    if (db != 0) {
        ISC_STATUS_ARRAY ignored;
        api.detach_database(ignored, &db);
    }
}

void TFBLDatabase::Attach(TFBLTransaction* t) {
    transactions_.push_back(t);
}

void TFBLDatabase::Detach(TFBLTransaction* t) {
    transactions_.erase(std::remove(transactions_.begin(), transactions_.end(), t),
                        transactions_.end());
}

} // namespace brevant
