// Brevant Dira — the exchanges offering sample data on the product web site.
#include "store/ui/exchange_pages.h"

namespace brevant {

const std::array<TExchangePage, 38> kExchangePages = {{
    {"AMEX", "/StockExchange/AMEX.html"},
    {"Amsterdam", "/StockExchange/Amsterdam.html"},
    {"ASX", "/StockExchange/ASX.html"},
    {"Berlin", "/StockExchange/Berlin.html"},
    {"Brussels", "/StockExchange/Brussels.html"},
    {"CDNX", "/StockExchange/CDNX.html"},
    {"Copenhagen", "/StockExchange/Copenhagen.html"},
    {"Dusseldorf", "/StockExchange/Dusseldorf.html"},
    {"Hamburg", "/StockExchange/Hamburg.html"},
    {"Hong Kong", "/StockExchange/HKSE.html"},
    {"Jakarta", "/StockExchange/Jakarta.html"},
    {"Bursa Malaysia", "/StockExchange/BursaMalaysia.html"},
    {"KSE", "/StockExchange/KSE.html"},
    {"Lisbon", "/StockExchange/Lisbon.html"},
    {"London", "/StockExchange/LSE.html"},
    {"Mexico", "/StockExchange/Mexico.html"},
    {"Milan", "/StockExchange/Milan.html"},
    {"Munich", "/StockExchange/Munich.html"},
    {"NASDAQ", "/StockExchange/Nasdaq.html"},
    {"NSE", "/StockExchange/NSE.html"},
    {"NYSE", "/StockExchange/NYSE.html"},
    {"NZSE", "/StockExchange/NZSE.html"},
    {"Oslo", "/StockExchange/Oslo.html"},
    {"OTC BB", "/StockExchange/OTCBB.html"},
    {"Paris", "/StockExchange/Paris.html"},
    {"Pink Sheet", "/StockExchange/OTCPS.html"},
    {"Sao Palo", "/StockExchange/SaoPaolo.html"},
    {"Singapore", "/StockExchange/SGX.html"},
    {"Shanghai", "/StockExchange/Shanghai.html"},
    {"Shenzhen", "/StockExchange/Shenzhen.html"},
    {"Stockholm", "/StockExchange/Stockholm.html"},
    {"Swiss", "/StockExchange/Swiss.html"},
    {"Taiwan", "/StockExchange/Taiwan.html"},
    {"Taiwan OTC", "/StockExchange/TaiwanOTC.html"},
    {"Tel Aviv", "/StockExchange/TelAviv.html"},
    {"Toronto", "/StockExchange/Toronto.html"},
    {"Vienna", "/StockExchange/Vienna.html"},
    {"Virt-X", "/StockExchange/VTX.html"},
}};

} // namespace brevant
