// Brevant Dira — what the data windows need from the main window.
#pragma once

#include <QString>

#include "store/data_store.h"
#include "ta/locale_settings.h"

namespace brevant {

// The main window owns the database components, the locale copy and the
// import's stop request; the update, progress and split windows reach them
// through this interface.
class TStoreHost {
public:
    virtual ~TStoreHost() = default;

    virtual TDataStore& Store() = 0;
    // The program's copy of the locale ("dd.mm.yyyy" dates).
    virtual const LocaleSettings& ProgramLocale() const = 0;
    // The user's decimal separator, for reading numbers of quote files.
    virtual char DecimalSeparator() const = 0;
    // The program's folder, ending in "/"; the help is found there.
    virtual QString ProgramDir() const = 0;
    // Set by the progress window's "Cancel", cleared when an import starts.
    virtual bool& StopRequest() = 0;
    // After a completed import: the "All Stock" page in front, the stock list reloaded.
    virtual void ImportFinished() = 0;
};

} // namespace brevant
