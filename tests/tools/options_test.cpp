// Checks gatehost's option parsing and table layout.
#include <gtest/gtest.h>

#include "tools/gatehost/options.h"
#include "tools/gatehost/report.h"

namespace {

Options parse(std::vector<std::string> words, const std::set<std::string>& flags = {}) {
  static std::vector<std::string> storage;
  storage = std::move(words);
  static std::vector<char*> argv;
  argv.clear();
  for (std::string& word : storage) argv.push_back(word.data());
  return Options(static_cast<int>(argv.size()), argv.data(), flags);
}

} // namespace

TEST(Options, ValuesFlagsAndPositionals) {
  Options options = parse(
      {"plugin.dll", "--tempo", "98.5", "--set=3=0.5", "--set", "4=1", "--accumulate", "x"}, {"accumulate"});
  EXPECT_EQ(options.positional(), (std::vector<std::string>{"plugin.dll", "x"}));
  EXPECT_EQ(options.number("tempo", 0.0), 98.5);
  EXPECT_EQ(options.all("set"), (std::vector<std::string>{"3=0.5", "4=1"}));
  EXPECT_TRUE(options.has("accumulate"));
  EXPECT_EQ(options.number("missing", 7.0), 7.0);
  EXPECT_TRUE(options.errors().empty());
  EXPECT_EQ(options.unknown({"tempo", "set"}), (std::vector<std::string>{"--accumulate"}));
}

TEST(Options, MalformedNumbersAndMissingValuesAreErrors) {
  Options options = parse({"--tempo", "fast", "--block", "12.5", "--bars"});
  EXPECT_EQ(options.number("tempo", 120.0), 120.0);
  EXPECT_EQ(options.integer("block", 512), 512);
  EXPECT_EQ(options.errors().size(), 3u);
}

TEST(Report, TableColumnsAreAlignedToTheWidestCell) {
  const std::string table = formatTable({{"index", "name"}, {"0", "\" Bar 00 \""}, {"33", "\"BarWidth\""}});
  EXPECT_EQ(table, "index  name\n0      \" Bar 00 \"\n33     \"BarWidth\"\n");
}
