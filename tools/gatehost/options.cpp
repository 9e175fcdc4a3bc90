// Option parsing for gatehost's commands.
#include "tools/gatehost/options.h"

#include <cmath>
#include <cstdlib>

bool parseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end != nullptr && *end == '\0';
}

Options::Options(int argc, char** argv, const std::set<std::string>& flags) {
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.rfind("--", 0) != 0) {
      positional_.push_back(word);
      continue;
    }
    const size_t equals = word.find('=');
    const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    if (equals != std::string::npos)
      values_[name].push_back(word.substr(equals + 1));
    else if (flags.count(name) != 0)
      values_[name].push_back("");
    else if (i + 1 < argc)
      values_[name].push_back(argv[++i]);
    else
      errors_.push_back("--" + name + " needs a value");
  }
}

std::vector<std::string> Options::all(const std::string& name) const {
  const auto found = values_.find(name);
  return found != values_.end() ? found->second : std::vector<std::string>{};
}

std::string Options::text(const std::string& name, const std::string& fallback) const {
  const auto found = values_.find(name);
  return found != values_.end() ? found->second.back() : fallback;
}

double Options::number(const std::string& name, double fallback) {
  if (!has(name)) return fallback;
  double value;
  if (!parseNumber(text(name, ""), value)) {
    errors_.push_back("--" + name + " takes a number, not '" + text(name, "") + "'");
    return fallback;
  }
  return value;
}

int Options::integer(const std::string& name, int fallback) {
  const double value = number(name, fallback);
  if (value != std::floor(value) || std::fabs(value) > 1e9) {
    errors_.push_back("--" + name + " takes a whole number");
    return fallback;
  }
  return static_cast<int>(value);
}

std::vector<std::string> Options::unknown(const std::set<std::string>& known) const {
  std::vector<std::string> names;
  for (const auto& entry : values_)
    if (known.count(entry.first) == 0) names.push_back("--" + entry.first);
  return names;
}
