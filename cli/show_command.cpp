// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli show: the band base and the 16 channels as the editor shows them.

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <iostream>
#include <vector>

#include "channel_view.h"
#include "command_line.h"
#include "commands.h"

namespace {

// JSON numbers read from the editor's own text, so a script sees the digits the window shows.
QJsonValue ShownNumber(const std::string &text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

QJsonValue CodeValue(const ChannelImage &image, std::size_t channel, CodeDirection direction) {
  CodeType type = CodeType::NONE;
  const std::string code = ShownCode(image, channel, direction, type);
  if (type == CodeType::NONE) return QJsonValue::Null;
  QJsonObject value{{"type", CodeTypeName(type)}};
  // A byte without an entry keeps its type but has no code, as in the window.
  value.insert("code", code.empty() ? QJsonValue(QJsonValue::Null) : QString::fromStdString(code));
  return value;
}

void PrintJson(const ChannelImage &image) {
  QJsonArray channels;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    QJsonObject object{{"channel", static_cast<int>(channel + 1)}};
    for (const ChannelFieldInfo &info : CHANNEL_FIELDS) {
      const std::string text = ShownFieldText(image, channel, info.field);
      switch (info.field) {
        case ChannelField::RX_CODE:
          object.insert(info.key, CodeValue(image, channel, RX_CODE_BITS));
          break;
        case ChannelField::TX_CODE:
          object.insert(info.key, CodeValue(image, channel, TX_CODE_BITS));
          break;
        case ChannelField::SPACING:
          object.insert(info.key, QString::fromStdString(text));
          break;
        default:
          object.insert(info.key, ShownNumber(text));
      }
    }
    channels.append(object);
  }
  const QJsonObject root{{"bandBaseMhz", ShownNumber(ShownBandBase(image))}, {"channels", channels}};
  std::cout << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

void PrintTable(const ChannelImage &image) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> heading{"Ch"};
  for (const ChannelFieldInfo &info : CHANNEL_FIELDS) heading.push_back(info.title);
  rows.push_back(heading);
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    std::vector<std::string> row{std::to_string(channel + 1)};
    for (const ChannelFieldInfo &info : CHANNEL_FIELDS) {
      row.push_back(ShownFieldText(image, channel, info.field));
    }
    rows.push_back(row);
  }
  std::vector<std::size_t> widths(heading.size(), 0);
  for (const auto &row : rows) {
    for (std::size_t column = 0; column < row.size(); ++column) {
      widths[column] = std::max(widths[column], row[column].size());
    }
  }
  std::cout << "Band base MHz: " << ShownBandBase(image) << "\n\n";
  for (const auto &row : rows) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
      line += row[column] + std::string(widths[column] - row[column].size() + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    std::cout << line << '\n';
  }
  std::cout << std::flush;
}

}  // namespace

int RunShowCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("FILE", "Image file of 187 bytes.");
  const QCommandLineOption json("json", "Print JSON for scripts instead of a table.");
  parser.addOption(json);
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;

  ChannelImage image;
  if (!LoadImageFile(parser.positionalArguments().at(0), image)) return EXIT_FAILED;
  if (parser.isSet(json)) {
    PrintJson(image);
  } else {
    PrintTable(image);
  }
  return EXIT_DONE;
}
