// Brevant Dira — what the screening windows need from the main window.
#pragma once

#include <QString>
#include <QStringList>

#include "store/bar_cache.h"
#include "store/data_store.h"
#include "ta/indicator_params.h"

namespace brevant {

// The main window owns the database, the indicator parameters, the stock
// lists and the chart; the filter dialog and the progress window reach them
// through this interface.
class TScanHost {
public:
    virtual ~TScanHost() = default;

    virtual TDataStore& Store() = 0;
    // The session's bar cache, shared by every run and by stock loads.
    virtual TBarCache& BarCache() = 0;
    virtual const TIndicatorParams& IndicatorParams() const = 0;
    // The program's folder, ending in "/"; the help is found there.
    virtual QString ProgramDir() const = 0;
    // The "All Stock" list texts, in list order.
    virtual QStringList StockListItems() const = 0;

    // Before a run: the chart emptied on "3 Months" without its header
    // labels, the result list emptied and its page in front.
    virtual void BeginScan() = 0;
    // Appends one passing stock to the result list.
    virtual void AddScanResult(const QString& listText) = 0;
    // After a run, finished, stopped or failed: the header labels back.
    virtual void EndScan() = 0;
};

} // namespace brevant
