#pragma once

#include <map>
#include <optional>
#include <string>

namespace deadhold {

// What a user set that no file of the program has a place for (a G7 coefficient, a twist rate,
// today's humidity), remembered between runs in the user's own settings, never in the load
// book. Keys are plain ASCII paths with '/' between the parts; values are texts.
class UserSettings {
 public:
  virtual ~UserSettings() = default;

  virtual std::optional<std::string> value(const std::string& key) const = 0;
  virtual void setValue(const std::string& key, const std::string& value) = 0;
};

// Settings that last as long as the object: for a run that must leave the user's own alone.
class SessionSettings : public UserSettings {
 public:
  std::optional<std::string> value(const std::string& key) const override {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void setValue(const std::string& key, const std::string& value) override { values_[key] = value; }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace deadhold
