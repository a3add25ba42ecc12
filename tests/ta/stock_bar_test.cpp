#include <gtest/gtest.h>

#include "ta/stock_bar.h"

using namespace brevant;

TEST(StockBar, FieldTableFollowsTheRecordOrder) {
    TStockBar bar;
    double* raw = reinterpret_cast<double*>(&bar);
    for (std::size_t i = 0; i < kStockBarFieldCount; ++i) {
        SCOPED_TRACE(kStockBarFields[i].name);
        bar.*kStockBarFields[i].member = static_cast<double>(i + 1);
        EXPECT_EQ(raw[i], static_cast<double>(i + 1));
    }
    EXPECT_EQ(kStockBarFields[0].name, "Close");
    EXPECT_EQ(kStockBarFields[19].name, "Date");
    EXPECT_EQ(kStockBarFields[40].name, "BBLower");
}
