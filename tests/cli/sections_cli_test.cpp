// --section, --area and the sections listing: a section gives what its area
// gives, in every way the command line takes it; mistakes exit 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "run_process.h"

namespace {

using testing_support::ProcessResult;
using testing_support::runProcess;

ProcessResult cli(std::vector<std::string> args)
{
    return runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

const std::vector<std::string> kDanish = {"danish", "L=12", "Qa=20", "W=3", "h=60", "e=0.8", "FS=5", "E=200", "rc"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliSections, SectionAreaFileAndOverrideAgree)
{
    const ProcessResult bySection = cli(with(kDanish, {"--section", "I-26", "--json"}));
    ASSERT_EQ(bySection.exitCode, 0) << bySection.out;
    const auto json = nlohmann::json::parse(bySection.out);
    EXPECT_EQ(json["section"], nlohmann::json::parse(R"({"id":"I-26","name":"ไอ 26×26","size":"26×26","area":"489"})"));
    EXPECT_EQ(json["results"][0], "พื้นที่หน้าตัดเสาเข็ม =  489  ตร.ซม.");

    const ProcessResult byArea = cli(with(kDanish, {"--area", "489", "--json"}));
    EXPECT_EQ(nlohmann::json::parse(byArea.out)["results"], json["results"]);
    EXPECT_EQ(nlohmann::json::parse(byArea.out)["section"]["name"], "กำหนดเอง");
    EXPECT_EQ(nlohmann::json::parse(cli(with(kDanish, {"D=30", "square", "--json"})).out)["section"], nullptr);

    // A pile file with the section opens with the same results; round on the
    // command line overrides its section.
    const auto path = std::filesystem::temp_directory_path() / ("cli_sections_" + std::to_string(getpid()) + ".blowcount");
    {
        std::ofstream out(path, std::ios::binary);
        out << R"({"format":"blowcount-pile","version":2,"decimal_separator":",","tabs":{"danish":{"fields":)"
               R"({"D":"","L":"12","Qa":"20","W":"3","h":"60","e":"0,8","FS":"5","E":"200"},"material":"rc",)"
               R"("section":{"id":"I-26","name":"ไอ 26×26","size":"26×26","area":"489"}}}})";
    }
    const ProcessResult byFile = cli({"danish", "--file", path.string(), "--json"});
    EXPECT_EQ(nlohmann::json::parse(byFile.out)["results"], json["results"]) << byFile.out;
    EXPECT_EQ(nlohmann::json::parse(byFile.out)["section"], json["section"]);
    const ProcessResult overridden = cli({"danish", "--file", path.string(), "D=30", "round", "--json"});
    EXPECT_EQ(nlohmann::json::parse(overridden.out)["results"][0], "พื้นที่หน้าตัดเสาเข็ม =  706.86  ตร.ซม.");
    std::filesystem::remove(path);
}

TEST(CliSections, ListsTheCatalogue)
{
    const ProcessResult plain = cli({"sections"});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_NE(plain.out.find("I-26\tไอ 26×26\t26×26\t489\tyes\n"), std::string::npos) << plain.out;
    const ProcessResult json = cli({"sections", "--json"});
    const auto rows = nlohmann::json::parse(json.out)["sections"];
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[12], nlohmann::json::parse(
                            R"({"id":"spun-400/65","name":"สปัน Ø400 มม. ผนัง 65 มม.","size":"Ø400/65","area":"684.08","built_in":true})"));
}

TEST(CliSections, MistakesExitTwoNamingTheArgument)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {with(kDanish, {"--section", "I-27"}), "unknown section 'I-27'"},
        {with(kDanish, {"--area", "0"}), "'--area' needs a number greater than 0, not '0'"},
        {with(kDanish, {"--area", "4,5"}), "not '4,5'"},
        {with(kDanish, {"--section", "I-26", "square"}), "'square' cannot be given with '--section'"},
        {with(kDanish, {"round", "--area", "500"}), "'round' cannot be given with '--area'"},
        {with(kDanish, {"--section", "I-26", "--area", "500"}), "'--area' cannot be given with '--section'"},
        {{"engineering-news", "--section", "I-26"}, "'--section' does not apply to engineering-news"},
        {{"sections", "--csv"}, "'sections' takes '--json' only"},
        {{"sections", "hiley"}, "unexpected argument 'hiley' after 'sections'"},
    };
    for (const auto& [args, named] : cases) {
        const ProcessResult r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << named;
        EXPECT_EQ(r.out, "") << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
}

}  // namespace
