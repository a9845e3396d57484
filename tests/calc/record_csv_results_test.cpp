// The check's results as the CSV's last seven columns: "." in the numbers
// whatever the file's separator, names rather than Thai texts, and a record
// exported from a "," file and imported into one gives back its texts.
#include <gtest/gtest.h>

#include "calc/record_csv_results.h"

namespace {

using Texts = std::vector<std::string>;

TEST(RecordCsvResults, PointsInNumbersNamesForStatusAndFlags)
{
    calc::RecordCheck check;
    check.status = calc::RecordStatus::Fails;
    check.lastSet = "0";
    check.lastBlows = "400";
    check.criterion = calc::RecordCriterion{calc::Formula::Danish, "3", "100", "0,191", "1,91", "157", 1.91f, 157};
    check.capacity = calc::CapacityTexts{"0,1", "120,5", "24,1", "40", "", "", false};
    check.flags = {calc::RecordFlag::Refusal, calc::RecordFlag::Overdriven};
    const calc::RecordCsvResults r = calc::recordCsvResults(check, ",");
    EXPECT_EQ(r.status, "fails");
    EXPECT_EQ(r.lastSet, "0");
    EXPECT_EQ(r.allowedSet10, "1.91");
    EXPECT_EQ(r.lastBlows, "400");
    EXPECT_EQ(r.leastBlows30, "157");
    EXPECT_EQ(r.safeLoad, "24.1");
    EXPECT_EQ(r.flags, "refusal;overdriven");

    const calc::RecordCsvResults none = calc::recordCsvResults(calc::RecordCheck{}, ",");
    EXPECT_EQ(none.status, "incomplete");
    EXPECT_TRUE(none.allowedSet10.empty() && none.safeLoad.empty() && none.flags.empty() && none.lastSet.empty());
}

TEST(RecordCsvResults, ACommaFileRoundTripsThroughTheCheckedCsv)
{
    calc::PileDocument d;
    d.decimalSeparator = ",";
    d.tab(calc::Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0,9", "4"}, {}};
    d.records = {calc::PileRecord{"P-1", "ก/1", "", "3,5", "", "18,3", {"12", "15"}, {"2,1", "1,9"}, "นาย ก", "a, \"b\""},
                 calc::PileRecord{"P-2", "", "", "", "", "", {}, {}, "", ""}};
    const std::string csv = calc::checkedRecordsCsv(d, calc::checkRecords(d));
    EXPECT_EQ(csv.find("18,3"), std::string::npos) << csv;
    const calc::RecordsCsvImport back = calc::readRecordsCsv(csv, ",");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.records, d.records);
}

}  // namespace
