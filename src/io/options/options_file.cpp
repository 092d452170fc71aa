#include "io/options/options_file.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cstdint>
#include <type_traits>

#include "document/numeric.h"
#include "platform/file_io.h"

namespace tavisk {

std::string OptionsToJson(const sPzOptions& options) {
  std::string text = "{\r\n";
  bool first = true;
  ForEachOption(options, [&](const char* name, const auto& field) {
    if (!first) text += ",\r\n";
    first = false;
    text += "    \"";
    text += name;
    text += "\": ";
    text += std::to_string(static_cast<int64_t>(field));
  });
  text += "\r\n}\r\n";
  return text;
}

namespace {

// A member's value as a 64-bit integer: numbers are rounded, numeric strings
// parsed, anything else is 0.
int64_t MemberValue(const QJsonValue& value) {
  if (value.isDouble()) return RoundInt(value.toDouble());
  if (value.isBool()) return value.toBool() ? 1 : 0;
  if (value.isString()) return value.toString().trimmed().toLongLong();
  return 0;
}

template <typename Field>
void Narrow(Field& field, int64_t value) {
  if constexpr (std::is_same_v<Field, int64_t>) {
    field = value;
  } else if constexpr (std::is_same_v<Field, int16_t>) {
    field = Wrap16(value);
  } else {
    field = Wrap8(value);
  }
}

}  // namespace

bool OptionsFromJson(const std::string& text, sPzOptions& options) {
  QJsonParseError error{};
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromRawData(text.data(), static_cast<int>(text.size())),
                              &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
  const QJsonObject object = document.object();
  options = sPzOptions{};
  ForEachOption(options, [&](const char* name, auto& field) {
    const QString wanted = QString::fromLatin1(name);
    for (auto it = object.begin(); it != object.end(); ++it) {
      if (it.key().compare(wanted, Qt::CaseInsensitive) == 0) {
        Narrow(field, MemberValue(it.value()));
        break;
      }
    }
  });
  return true;
}

OptionsReadResult ReadOptionsFile(const std::string& directory) {
  OptionsReadResult result;
  SetDefaultOptions(result.Options);
  const std::string path = JoinPath(directory, kOptionsFileName);
  if (!IsRegularFile(path)) return result;
  std::string text;
  sPzOptions read;
  if (!ReadWholeFile(path, text) || !OptionsFromJson(text, read)) {
    result.State = OptionsFileState::Damaged;
    return result;
  }
  result.Options = read;
  result.State = OptionsFileState::Read;
  return result;
}

void LoadOptions(sPzOptions& options, const std::string& directory) {
  const OptionsReadResult read = ReadOptionsFile(directory);
  // A missing file is written with the defaults; a damaged one keeps them,
  // and the next save replaces it.
  if (read.State == OptionsFileState::Absent) SaveOptions(read.Options, directory);
  options = read.Options;
}

void SaveOptions(const sPzOptions& options, const std::string& directory) {
  WriteFileAtomically(JoinPath(directory, kOptionsFileName), OptionsToJson(options));
}

}  // namespace tavisk
