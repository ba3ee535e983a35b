#include "exchange/FlatIndex.h"

#include <gtest/gtest.h>

TEST(FlatIndex, EntriesUnderOneKeyAreToldApartByTheMatch)
{
    FlatIndex index;
    index.insert(42, 1);
    index.insert(42, 2);  // another text whose hash met the first's
    index.insert(0, 3);   // zero is a key like any other
    EXPECT_EQ(index.find(42, [](int v) { return v == 2; }), 2);
    EXPECT_EQ(index.find(42, [](int v) { return v == 1; }), 1);
    EXPECT_EQ(index.find(42, [](int v) { return v == 3; }), -1);
    EXPECT_TRUE(index.contains(0));
    EXPECT_FALSE(index.contains(7));
    EXPECT_FALSE(FlatIndex().contains(42));

    // Growing keeps every entry.
    for (int i = 0; i < 100000; ++i)
        index.insert(quint64(i) * 7919 + 100, i);
    for (int i = 0; i < 100000; i += 997)
        EXPECT_EQ(index.find(quint64(i) * 7919 + 100, [&](int v) { return v == i; }), i);
    EXPECT_EQ(index.find(42, [](int v) { return v == 2; }), 2);
}
