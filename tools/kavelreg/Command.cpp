#include "tools/kavelreg/Command.h"

#include "platform/files/Files.h"
#include "platform/registry/Registry.h"
#include "platform/text/Text.h"
#include "tools/kavelreg/KeyName.h"
#include "tools/kavelreg/RegFile.h"
#include "tools/kavelreg/ResultText.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

namespace kavelreg {
namespace {

using platform::RegResult;
using platform::ValueType;

constexpr const char* kUsage =
    "usage: kavelreg [--store FILE] query KEY [--value NAME]\n"
    "       kavelreg [--store FILE] add KEY [--value NAME] [--data TEXT]\n"
    "       kavelreg [--store FILE] delete KEY [--value NAME | --recursive]\n"
    "       kavelreg [--store FILE] import FILE.reg\n"
    "       kavelreg [--store FILE] export KEY FILE.reg\n"
    "       kavelreg --help\n"
    "KEY is HKEY_LOCAL_MACHINE\\path or HKLM\\path (also HKEY_CLASSES_ROOT, HKCR).\n"
    "--value \"\" names the default value. The store is $SOLVANE_REGISTRY, else\n"
    "$XDG_DATA_HOME/solvane/registry.db.\n";

struct Options {
  std::vector<std::string> words;  // the command and its operands
  std::optional<std::string> store, value, data;
  bool recursive = false;
  bool help = false;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& problem) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string>* target = nullptr;
    if (arg == "--store") target = &options.store;
    else if (arg == "--value") target = &options.value;
    else if (arg == "--data") target = &options.data;
    else if (arg == "--recursive") options.recursive = true;
    else if (arg == "--help" || arg == "-h") options.help = true;
    else if (arg.starts_with("--")) problem = "unknown option " + arg;
    else options.words.push_back(arg);
    if (!problem.empty()) return false;
    if (!target) continue;
    if (target->has_value()) problem = arg + " given twice";
    else if (++i == args.size()) problem = arg + " needs a value";
    else *target = args[i];
    if (!problem.empty()) return false;
  }
  return true;
}

// The operands and options each command accepts.
bool CheckShape(const Options& options, std::string& problem) {
  if (options.words.empty()) {
    problem = "no command given";
    return false;
  }
  const std::string& command = options.words[0];
  std::size_t operands = 0;
  bool value = false, data = false, recursive = false;
  if (command == "query") operands = 1, value = true;
  else if (command == "add") operands = 1, value = data = true;
  else if (command == "delete") operands = 1, value = recursive = true;
  else if (command == "import") operands = 1;
  else if (command == "export") operands = 2;
  else problem = "unknown command " + command;
  if (problem.empty() && options.words.size() != operands + 1)
    problem = command + " takes " + std::to_string(operands) + " operand(s)";
  else if (problem.empty() && ((options.value && !value) || (options.data && !data) ||
                               (options.recursive && !recursive)))
    problem = "option not accepted by " + command;
  else if (problem.empty() && options.value && options.recursive)
    problem = "--value and --recursive exclude each other";
  return problem.empty();
}

std::string Utf8(std::string_view cp1252) { return platform::Utf8FromCp1252(cp1252); }

std::string TypeName(ValueType type) {
  switch (type) {
    case ValueType::String: return "REG_SZ";
    case ValueType::ExpandString: return "REG_EXPAND_SZ";
    case ValueType::Binary: return "REG_BINARY";
    case ValueType::Dword: return "REG_DWORD";
    case ValueType::MultiString: return "REG_MULTI_SZ";
  }
  return "REG_" + std::to_string(static_cast<int>(type));
}

// Data as a reader sees them: texts up to their first NUL, a dword as its number, the rest in hex.
std::string Shown(std::string_view data, ValueType type) {
  if (type == ValueType::String || type == ValueType::ExpandString)
    return Utf8(data.substr(0, data.find('\0')));
  if (type == ValueType::Dword && data.size() == 4) {
    unsigned long value = 0;
    for (int i = 3; i >= 0; --i) value = value * 256 + static_cast<unsigned char>(data[i]);
    return std::to_string(value);
  }
  std::string hex;
  char byte[3];
  for (char c : data) {
    std::snprintf(byte, sizeof byte, "%02X", static_cast<unsigned char>(c));
    hex += byte;
  }
  return hex;
}

class Runner {
public:
  Runner(platform::RegistryStore& store, const Options& options, std::ostream& out,
         std::ostream& err)
      : store_(store), options_(options), out_(out), err_(err) {}

  int Run(const KeyName* key) {
    const std::string& command = options_.words[0];
    if (command == "query") return Query(*key);
    if (command == "add") return Add(*key);
    if (command == "delete") return Delete(*key);
    if (command == "import") return Import(options_.words[1]);
    return Export(*key, options_.words[2]);
  }

private:
  int Query(const KeyName& key) {
    platform::RegKey handle;
    RegResult result = store_.OpenKey(key.hive, key.path, platform::KeyAccess::Read, handle);
    if (result != RegResult::Ok) return Failed("key " + options_.words[1], result);
    std::string name, data;
    ValueType type{};
    if (options_.value) {
      result = handle.QueryValue(Cp1252(*options_.value), data, type);
      if (result != RegResult::Ok) return Failed("value " + ValueLabel(), result);
      out_ << Shown(data, type) << '\n';
      return kExitOk;
    }
    out_ << Utf8(FullKeyName(key.hive, handle.Path())) << '\n';
    for (int i = 0; handle.EnumValue(i, name, data, type) == RegResult::Ok; ++i) {
      out_ << "    " << (name.empty() ? std::string("(default)") : Utf8(name)) << "    "
           << TypeName(type) << "    " << Shown(data, type) << '\n';
    }
    for (int i = 0; handle.EnumKey(i, name) == RegResult::Ok; ++i)
      out_ << Utf8(FullKeyName(key.hive, handle.Path() + "\\" + name)) << '\n';
    return kExitOk;
  }

  int Add(const KeyName& key) {
    platform::RegKey handle;
    RegResult result = store_.CreateKey(key.hive, key.path, handle);
    if (result != RegResult::Ok) return Failed("key " + options_.words[1], result);
    if (!options_.value && !options_.data) return kExitOk;
    result = handle.SetValue(Cp1252(options_.value.value_or("")),
                             Cp1252(options_.data.value_or("")));
    return result == RegResult::Ok ? kExitOk : Failed("value " + ValueLabel(), result);
  }

  int Delete(const KeyName& key) {
    if (options_.value) {
      platform::RegKey handle;
      RegResult result = store_.OpenKey(key.hive, key.path, platform::KeyAccess::Full, handle);
      if (result == RegResult::Ok) result = handle.DeleteValue(Cp1252(*options_.value));
      return result == RegResult::Ok ? kExitOk : Failed("value " + ValueLabel(), result);
    }
    const RegResult result = options_.recursive ? store_.DeleteTree(key.hive, key.path)
                                                : store_.DeleteKey(key.hive, key.path);
    if (result == RegResult::HasSubkeys) {
      err_ << "kavelreg: " << options_.words[1]
           << " has subkeys; add --recursive to delete them too\n";
      return kExitFailed;
    }
    if (result == RegResult::InvalidName && key.path.find_first_not_of('\\') == std::string::npos) {
      err_ << "kavelreg: a whole hive cannot be deleted\n";
      return kExitFailed;
    }
    return result == RegResult::Ok ? kExitOk : Failed("key " + options_.words[1], result);
  }

  int Import(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
      err_ << "kavelreg: cannot read " << file << '\n';
      return kExitFailed;
    }
    RegFileError error;
    if (ImportRegFile(store_, bytes, error)) return kExitOk;
    err_ << "kavelreg: " << file;
    if (error.line > 0) err_ << ':' << error.line;
    err_ << ": " << Utf8(error.message) << "; nothing was imported\n";
    return kExitFailed;
  }

  int Export(const KeyName& key, const std::string& file) {
    std::string bytes;
    RegFileError error;
    if (!ExportRegFile(store_, key.hive, key.path, bytes, error)) {
      err_ << "kavelreg: " << options_.words[1] << ": " << Utf8(error.message) << '\n';
      return kExitFailed;
    }
    std::string problem;
    if (platform::WriteFileAtomically(file, bytes, &problem)) return kExitOk;
    err_ << "kavelreg: cannot write " << file << ": " << problem << '\n';
    return kExitFailed;
  }

  static std::string Cp1252(const std::string& utf8) { return platform::Cp1252FromUtf8(utf8); }

  std::string ValueLabel() const {
    return options_.value && !options_.value->empty() ? "\"" + *options_.value + "\""
                                                      : std::string("(default)");
  }

  int Failed(const std::string& what, RegResult result) {
    err_ << "kavelreg: " << what << ": " << Utf8(ResultText(result, store_)) << '\n';
    return kExitFailed;
  }

  platform::RegistryStore& store_;
  const Options& options_;
  std::ostream& out_;
  std::ostream& err_;
};

} // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string problem;
  if (ParseOptions(args, options, problem) && options.help) {
    out << kUsage;
    return kExitOk;
  }
  KeyName key;
  const bool hasKey =
      problem.empty() && CheckShape(options, problem) && options.words[0] != "import";
  if (hasKey && !ParseKeyName(platform::Cp1252FromUtf8(options.words[1]), key))
    problem = "unknown root key in " + options.words[1];
  if (!problem.empty()) {
    err << "kavelreg: " << problem << '\n' << kUsage;
    return kExitUsage;
  }
  platform::RegistryStore store(options.store.value_or(platform::RegistryStore::DefaultPath()));
  if (!store.IsUsable()) {
    err << "kavelreg: cannot use the settings store " << store.Path() << ": "
        << Utf8(store.LastError()) << '\n';
    return kExitFailed;
  }
  return Runner(store, options, out, err).Run(hasKey ? &key : nullptr);
}

} // namespace kavelreg
