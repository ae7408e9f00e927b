#include "command_line/argument_split.hpp"

namespace suite {
namespace {

const OptionSpec* find_short(std::string_view name) {
  if (name.size() != 1) return nullptr;
  for (const OptionSpec& spec : kOptionTable)
    if (spec.short_name == name.front()) return &spec;
  return nullptr;
}

const OptionSpec* find_long(std::string_view name) {
  for (const OptionSpec& spec : kOptionTable)
    if (!spec.long_name.empty() && spec.long_name == name) return &spec;
  return nullptr;
}

// The length of the UTF-8 character that starts with `lead`.
std::size_t character_length(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80) return 1;
  if (byte >= 0xF0) return 4;
  if (byte >= 0xE0) return 3;
  return 2;
}

// The scan of the arguments, one at a time, left to right.
class Splitter {
 public:
  explicit Splitter(std::span<const std::string_view> arguments)
      : arguments_(arguments) {}

  std::expected<SplitArguments, std::string> run() {
    while (next_ < arguments_.size()) {
      const std::string_view argument = arguments_[next_++];
      if (argument == "--") {
        for (; next_ < arguments_.size(); ++next_)
          result_.free_arguments.push_back(arguments_[next_]);
      } else if (argument.size() < 2 || argument.front() != '-') {
        result_.free_arguments.push_back(argument);
      } else if (argument.starts_with("--")) {
        if (!long_option(argument.substr(2))) return std::unexpected(error_);
      } else {
        if (!short_cluster(argument.substr(1))) return std::unexpected(error_);
      }
    }
    if (!check_repetition()) return std::unexpected(error_);
    return std::move(result_);
  }

 private:
  bool long_option(std::string_view text) {
    const std::size_t equals = text.find('=');
    const std::string_view name = text.substr(0, equals);
    const OptionSpec* spec = name.size() == 1 ? find_short(name) : find_long(name);
    if (spec == nullptr) return fail("Unrecognized option: '", name, "'");
    if (equals == std::string_view::npos) return take(*spec, name);
    return take_attached(*spec, name, text.substr(equals + 1));
  }

  bool short_cluster(std::string_view cluster) {
    while (!cluster.empty()) {
      const std::string_view name =
          cluster.substr(0, character_length(cluster.front()));
      cluster.remove_prefix(name.size());
      const OptionSpec* spec = find_short(name);
      if (spec == nullptr) return fail("Unrecognized option: '", name, "'");
      if (spec->kind != OptionKind::flag && !cluster.empty())
        return take_attached(*spec, name, cluster);
      if (!take(*spec, name)) return false;
    }
    return true;
  }

  // An occurrence without an attached value.
  bool take(const OptionSpec& spec, std::string_view name) {
    OptionOccurrences& occurrences = entry(spec);
    ++occurrences.count;
    if (spec.kind == OptionKind::flag) return true;
    if (next_ == arguments_.size())
      return fail("Argument to option '", name, "' missing");
    occurrences.values.push_back(arguments_[next_++]);
    return true;
  }

  bool take_attached(const OptionSpec& spec, std::string_view name,
                     std::string_view value) {
    if (spec.kind == OptionKind::flag)
      return fail("Option '", name, "' does not take an argument");
    OptionOccurrences& occurrences = entry(spec);
    ++occurrences.count;
    occurrences.values.push_back(value);
    return true;
  }

  bool check_repetition() {
    for (const OptionSpec& spec : kOptionTable) {
      if (spec.kind != OptionKind::repeatable && entry(spec).count > 1)
        return fail("Option '", option_display_name(spec), "' given more than once");
    }
    return true;
  }

  OptionOccurrences& entry(const OptionSpec& spec) {
    return result_.options[static_cast<std::size_t>(spec.id)];
  }

  bool fail(std::string_view before, std::string_view name, std::string_view after) {
    error_ = before;
    error_ += name;
    error_ += after;
    return false;
  }

  std::span<const std::string_view> arguments_;
  std::size_t next_ = 0;
  SplitArguments result_;
  std::string error_;
};

}  // namespace

std::expected<SplitArguments, std::string> split_arguments(
    std::span<const std::string_view> arguments) {
  return Splitter(arguments).run();
}

}  // namespace suite
