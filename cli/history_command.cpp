// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli history: the images kept of every read and write, by the window and by zentor-cli,
// newest first; --last gives the newest file of one kind, ready for 'zentor-cli write'.

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "channel_fields.h"
#include "command_line.h"
#include "commands.h"
#include "history_folder.h"
#include "image_file.h"
#include "working_channel.h"

namespace {

// The channels export would write a line for; nothing when the file is no longer a whole image.
std::optional<int> ChannelsInUse(const std::string &path) {
  EditorState state;
  FileError error;
  if (!ReadImageFile(path, state.image, error)) return std::nullopt;
  int count = 0;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    state.currentChannel = static_cast<std::int32_t>(channel);
    LoadWorkingChannel(state);
    if (ShowsInUse(state.working)) ++count;
  }
  return count;
}

// "2026-12-09T16-45-01.123" read as a time: "2026-12-09 16:45:01.123", or with the T for JSON.
std::string ShownTime(std::string stamp, char dateTimeSeparator) {
  stamp[10] = dateTimeSeparator;
  stamp[13] = ':';
  stamp[16] = ':';
  return stamp;
}

void PrintLines(const std::vector<HistoryEntry> &newestFirst) {
  std::size_t deviceWidth = 0;
  for (const HistoryEntry &entry : newestFirst) deviceWidth = std::max(deviceWidth, entry.name.device.size());
  for (const HistoryEntry &entry : newestFirst) {
    const std::string kind = HistoryKindName(entry.name.kind);
    const std::optional<int> channels = ChannelsInUse(entry.path);
    const std::string count = channels ? std::to_string(*channels) : "?";
    std::cout << ShownTime(entry.name.stamp, ' ') << "  " << kind << std::string(7 - kind.size(), ' ')
              << entry.name.device << std::string(deviceWidth - entry.name.device.size() + 2, ' ')
              << std::string(2 - std::min<std::size_t>(2, count.size()), ' ') << count << " channels  "
              << entry.path << '\n';
  }
  std::cout << std::flush;
}

void PrintJson(const std::vector<HistoryEntry> &newestFirst) {
  QJsonArray events;
  for (const HistoryEntry &entry : newestFirst) {
    const std::optional<int> channels = ChannelsInUse(entry.path);
    events.append(QJsonObject{
        {"time", QString::fromStdString(ShownTime(entry.name.stamp, 'T'))},
        {"kind", HistoryKindName(entry.name.kind)},
        {"device", QString::fromStdString(entry.name.device)},
        {"channelsInUse", channels ? QJsonValue(*channels) : QJsonValue(QJsonValue::Null)},
        {"path", QString::fromLocal8Bit(entry.path.c_str())},
    });
  }
  std::cout << QJsonDocument(events).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

}  // namespace

int RunHistoryCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  const QCommandLineOption json("json", "Print JSON for scripts instead of lines.");
  const QCommandLineOption last("last",
                                "Print only the path of the newest event of KIND (read or write), as in "
                                "zentor-cli write \"$(zentor-cli history --last read)\".",
                                "KIND");
  parser.addOptions({json, last});
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  std::optional<HistoryKind> wanted;
  if (parser.isSet(last)) {
    wanted = HistoryKindNamed(parser.value(last).toStdString());
    if (!wanted) {
      Complain("history: --last takes read or write\nTry 'zentor-cli history --help'.");
      return EXIT_USAGE;
    }
  }

  const std::string folder = HistoryFolder();
  std::vector<HistoryEntry> entries;
  std::string error;
  if (folder.empty()) {
    Complain("history: no data folder: neither XDG_DATA_HOME nor HOME is set");
    return EXIT_FAILED;
  }
  if (!ListHistory(folder, entries, error)) {
    Complain("history: " + error);
    return EXIT_FAILED;
  }
  std::reverse(entries.begin(), entries.end());

  if (wanted) {
    const auto newest = std::find_if(entries.begin(), entries.end(),
                                     [&](const HistoryEntry &entry) { return entry.name.kind == *wanted; });
    if (newest == entries.end()) {
      Complain(std::string("history: no ") + HistoryKindName(*wanted) + " kept in " + folder);
      return EXIT_FAILED;
    }
    std::cout << newest->path << std::endl;
    return EXIT_DONE;
  }
  if (parser.isSet(json)) {
    PrintJson(entries);
  } else if (entries.empty()) {
    Complain("history: nothing kept yet in " + folder);
  } else {
    PrintLines(entries);
  }
  return EXIT_DONE;
}
