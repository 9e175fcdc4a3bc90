// Command-line words: positional arguments, "--name value" / "--name=value" options (repeatable) and flags.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class Options {
public:
  // `flags` lists the options that take no value.
  Options(int argc, char** argv, const std::set<std::string>& flags);

  const std::vector<std::string>& positional() const { return positional_; }
  bool has(const std::string& name) const { return values_.count(name) != 0; }
  std::vector<std::string> all(const std::string& name) const;
  std::string text(const std::string& name, const std::string& fallback) const;
  // Numbers that do not parse whole are errors, collected in `errors`.
  double number(const std::string& name, double fallback);
  int integer(const std::string& name, int fallback);
  std::vector<std::string>& errors() { return errors_; }
  // Options given that the command does not know.
  std::vector<std::string> unknown(const std::set<std::string>& known) const;

private:
  std::vector<std::string> positional_;
  std::map<std::string, std::vector<std::string>> values_;
  std::vector<std::string> errors_;
};

bool parseNumber(const std::string& text, double& value);
