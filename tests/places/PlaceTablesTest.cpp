#include "places/PlaceTables.h"
#include "tests/places/PlaceBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace qb {
namespace {

using test::Shifted;

CPlaceTables WithSystem(const std::vector<PlaceRecord>& records)
{
    CPlaceTables tables;
    test::SetSystemRecords(tables, records);
    return tables;
}

std::pair<double, double> New(const CPlaceTables& t, double lat, double lon)
{
    t.ToNewDatum(lat, lon);
    return {lat, lon};
}

TEST(DatumConversion, TheNearestSystemNameGivesTheShift)
{
    const CPlaceTables t = WithSystem({Shifted(35.0f, 139.0f, 0.25f, -0.5f), Shifted(43.0f, 142.0f, 0.125f, 0.75f),
                                       Shifted(33.0f, 131.0f, -0.5f, 0.25f)});
    const auto [lat, lon] = New(t, 42.0, 141.0);
    EXPECT_DOUBLE_EQ(lat, 42.125);
    EXPECT_DOUBLE_EQ(lon, 141.75);
    // Far from every name, still the nearest one's shift.
    EXPECT_EQ(New(t, 20.0, 125.0), std::pair(19.5, 125.25));
    double back = 42.125, backLon = 141.75;
    t.ToOldDatum(back, backLon);
    EXPECT_DOUBLE_EQ(back, 42.0);
    EXPECT_DOUBLE_EQ(backLon, 141.0);
}

TEST(DatumConversion, PointsOutsideTheBoxAndEmptyTablesStayAsTheyAre)
{
    const CPlaceTables t = WithSystem({Shifted(35.0f, 139.0f, 0.25f, -0.5f)});
    EXPECT_EQ(New(t, 14.99, 139.0), std::pair(14.99, 139.0));
    EXPECT_EQ(New(t, 48.01, 139.0), std::pair(48.01, 139.0));
    EXPECT_EQ(New(t, 35.0, 121.99), std::pair(35.0, 121.99));
    EXPECT_EQ(New(t, 35.0, 160.01), std::pair(35.0, 160.01));
    EXPECT_EQ(New(t, 15.0, 160.0), std::pair(15.25, 159.5));
    EXPECT_EQ(New(t, 48.0, 122.0), std::pair(48.25, 121.5));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(New(t, nan, 139.0).first));
    EXPECT_EQ(New(CPlaceTables(), 35.0, 139.0), std::pair(35.0, 139.0));
}

TEST(DatumConversion, TheFirstOfEqualsWins)
{
    // Two names equally far from the point, and two at the same place.
    const CPlaceTables t = WithSystem({Shifted(36.0f, 139.0f, 0.5f, 0.0f), Shifted(34.0f, 139.0f, -0.5f, 0.0f),
                                       Shifted(40.0f, 140.0f, 0.25f, 0.0f), Shifted(40.0f, 140.0f, -0.25f, 0.0f)});
    EXPECT_EQ(New(t, 35.0, 139.0).first, 35.5);
    EXPECT_EQ(New(t, 40.0, 140.0).first, 40.25);
    CPlaceTables linear = WithSystem({Shifted(36.0f, 139.0f, 0.5f, 0.0f), Shifted(34.0f, 139.0f, -0.5f, 0.0f)});
    linear.SetSearch(CPlaceTables::Search::Linear);
    EXPECT_EQ(New(linear, 35.0, 139.0).first, 35.5);
}

// A system table as awkward as files make them: crowds, names at the same
// place, unknown and far-away pairs, pairs that are no numbers.
std::vector<PlaceRecord> AwkwardRecords(int n, std::mt19937& random)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<PlaceRecord> records;
    for (int i = 0; i < n; ++i) {
        const int kind = static_cast<int>(random() % 20);
        const float t = unit(random);
        float lat = 31.0f + 14.0f * t + unit(random) - 0.5f;
        float lon = 129.5f + 16.0f * t + unit(random) - 0.5f;
        if (kind == 0 && !records.empty()) {
            lat = records.back().oldLat;
            lon = records.back().oldLon;
        } else if (kind == 1) {
            lat = lon = -1.0f;
        } else if (kind == 2) {
            lat = 60.0f + 20.0f * unit(random);
            lon = 90.0f + 100.0f * unit(random);
        } else if (kind == 3) {
            lat = std::numeric_limits<float>::quiet_NaN();
        } else if (kind == 4) {
            lat = 15.0f + 33.0f * unit(random);
            lon = 122.0f + 38.0f * unit(random);
        }
        records.push_back(Shifted(lat, lon, 0.003f * unit(random), -0.003f * unit(random)));
    }
    return records;
}

using Points = std::vector<std::pair<double, double>>;

void ExpectSameAsLinear(const std::vector<PlaceRecord>& records, const Points& points)
{
    const CPlaceTables t = WithSystem(records);
    for (const auto& [lat, lon] : points)
        for (const DatumKey key : {DatumKey::Old, DatumKey::New})
            ASSERT_EQ(t.NearestSystemRecord(key, lat, lon), NearestPlaceLinear(records, key, lat, lon))
                << records.size() << " records, point " << lat << ", " << lon;
}

TEST(DatumConversion, TheIndexFindsTheSameRecordAsTheLinearSearch)
{
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> lat(15.0, 48.0), lon(122.0, 160.0);
    for (const int n : {1, 2, 7, 100, 3000, 20000}) {
        const std::vector<PlaceRecord> records = AwkwardRecords(n, random);
        Points points;
        for (int i = 0; i < 2000; ++i)
            points.emplace_back(lat(random), lon(random));
        // Exactly on names and exactly between two of them.
        for (int i = 0; i + 1 < n && i < 500; ++i) {
            points.emplace_back(records[i].oldLat, records[i].oldLon);
            points.emplace_back((double(records[i].oldLat) + records[i + 1].oldLat) / 2,
                                (double(records[i].oldLon) + records[i + 1].oldLon) / 2);
        }
        ExpectSameAsLinear(records, points);
    }
    // Names on a lattice, in shuffled order: the centre of each square is
    // equally far from four names, the middle of each side from two, and the
    // equals lie in different buckets.
    for (const float spacing : {0.125f, 0.5f, 1.0f}) {
        std::vector<PlaceRecord> records;
        Points points;
        for (int i = 0; i < 24; ++i)
            for (int j = 0; j < 24; ++j) {
                records.push_back(Shifted(30.0f + spacing * i, 130.0f + spacing * j, 0.0f, 0.0f));
                for (const auto& [di, dj] : {std::pair(0.5, 0.5), std::pair(0.5, 0.0), std::pair(0.0, 0.5)})
                    points.emplace_back(30.0 + spacing * (i + di), 130.0 + spacing * (j + dj));
            }
        std::shuffle(records.begin(), records.end(), random);
        ExpectSameAsLinear(records, points);
    }
}

TEST(PlaceTable, ViewBytesMoveWithTheirRecords)
{
    CPlaceTable table(CPlaceTable::kDisplayViewBytes);
    for (int i = 0; i <= 100; ++i) {
        table.Append(PlaceRecord{});
        table.ViewBytes(i)[15] = static_cast<std::uint8_t>(i);
    }
    EXPECT_EQ(table.Capacity(), 200);
    table.RemoveAt(1);
    EXPECT_EQ(table.ViewBytes(1)[15], 2);
    EXPECT_EQ(table.ViewBytes(99)[15], 100);
    table.Replace(1, PlaceRecord{});
    EXPECT_EQ(table.ViewBytes(1)[15], 0);
}

} // namespace
} // namespace qb
