#pragma once

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <cstdio>

// Doubles are compared bit for bit: QCOMPARE on doubles is fuzzy, and the last bit matters here.
inline bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline QByteArray describe(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return QByteArray(buffer);
}

#define COMPARE_BITS(actual, expected)                                                             \
    QVERIFY2(                                                                                      \
        sameBits((actual), (expected)),                                                            \
        QByteArray("got " + describe(actual) + ", expected " + describe(expected)).constData())
