// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli history: the images kept of every read and write, by the window and by zentor-cli,
// newest first; --last gives the newest file of one kind, ready for 'zentor-cli write'.

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "channel_fields.h"
#include "command_line.h"
#include "commands.h"
#include "history_folder.h"
#include "image_file.h"
#include "printable_text.h"
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

// The event's time in the local time zone, "2026-12-10 06:26:02.939"; for JSON with the T and
// the zone's offset, "2026-12-10T06:26:02.939+01:00", so that it names one moment.
std::string ShownTime(std::int64_t utcMilliseconds, bool forJson) {
  const std::time_t seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
  std::tm local{};
  ::localtime_r(&seconds, &local);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d.%03d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, forJson ? 'T' : ' ', local.tm_hour, local.tm_min, local.tm_sec,
                static_cast<int>(utcMilliseconds % 1000));
  if (!forJson) return text;
  const long offset = local.tm_gmtoff / 60;
  char zone[48];
  const long minutes = std::labs(offset);
  std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text + std::string(zone);
}

// The path as bytes a shell's printf '%b' turns back into it, whatever its encoding: every byte
// that is not printable ASCII as \xHH, and the backslash doubled.
std::string EscapedBytes(const std::string &path) {
  std::string escaped;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      escaped += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
      escaped += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(byte));
      escaped += hex;
    }
  }
  return escaped;
}

void PrintLines(const std::vector<HistoryEntry> &newestFirst) {
  std::size_t deviceWidth = 0;
  for (const HistoryEntry &entry : newestFirst) deviceWidth = std::max(deviceWidth, entry.name.device.size());
  for (const HistoryEntry &entry : newestFirst) {
    const std::string kind = HistoryKindName(entry.name.kind);
    const std::optional<int> channels = ChannelsInUse(entry.path);
    const std::string count = channels ? std::to_string(*channels) : "?";
    std::cout << ShownTime(entry.name.utcMilliseconds, false) << "  " << kind << std::string(7 - kind.size(), ' ')
              << entry.name.device << std::string(deviceWidth - entry.name.device.size() + 2, ' ')
              << std::string(2 - std::min<std::size_t>(2, count.size()), ' ') << count << " channels  "
              << EscapeUnprintable(entry.path) << '\n';
  }
  std::cout << std::flush;
}

void PrintJson(const std::vector<HistoryEntry> &newestFirst) {
  QJsonArray events;
  for (const HistoryEntry &entry : newestFirst) {
    const std::optional<int> channels = ChannelsInUse(entry.path);
    events.append(QJsonObject{
        {"time", QString::fromStdString(ShownTime(entry.name.utcMilliseconds, true))},
        {"kind", HistoryKindName(entry.name.kind)},
        {"device", QString::fromStdString(entry.name.device)},
        {"channelsInUse", channels ? QJsonValue(*channels) : QJsonValue(QJsonValue::Null)},
        {"path", QString::fromLocal8Bit(entry.path.c_str())},
        {"pathBytes", QString::fromLatin1(EscapedBytes(entry.path))},
    });
  }
  std::cout << QJsonDocument(events).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

}  // namespace

int RunHistoryCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  const QCommandLineOption json("json", "Print JSON for scripts instead of lines.");
  const QCommandLineOption last("last",
                                "Print only the path of the newest event of KIND, as in zentor-cli write "
                                "\"$(zentor-cli history --last read)\". KIND is read (what a radio held: "
                                "read by the window, by zentor-cli read, or as the backup of zentor-cli "
                                "write --backup), write (what was sent to a radio, whether or not it took "
                                "it) or verify (what a radio held right after zentor-cli write --verify).",
                                "KIND");
  parser.addOptions({json, last});
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  std::optional<HistoryKind> wanted;
  if (parser.isSet(last)) {
    wanted = HistoryKindNamed(parser.value(last).toStdString());
    if (!wanted) {
      Complain("history: --last takes read, write or verify\nTry 'zentor-cli history --help'.");
      return EXIT_USAGE;
    }
  }

  const std::string folder = HistoryFolder();
  std::vector<HistoryEntry> entries;
  std::string error;
  if (folder.empty()) {
    Complain(std::string("history: ") + NO_DATA_FOLDER);
    return EXIT_FAILED;
  }
  if (!OwnHistoryFolder(folder, false, error) || !ListHistory(folder, entries, error)) {
    Complain("history: " + EscapeUnprintable(error));
    return EXIT_FAILED;
  }
  std::reverse(entries.begin(), entries.end());

  if (wanted) {
    const auto newest = std::find_if(entries.begin(), entries.end(),
                                     [&](const HistoryEntry &entry) { return entry.name.kind == *wanted; });
    if (newest == entries.end()) {
      Complain(std::string("history: no ") + HistoryKindName(*wanted) + " kept in " + EscapeUnprintable(folder));
      return EXIT_FAILED;
    }
    std::cout << newest->path << std::endl;
    return EXIT_DONE;
  }
  if (parser.isSet(json)) {
    PrintJson(entries);
  } else if (entries.empty()) {
    Complain("history: nothing kept yet in " + EscapeUnprintable(folder));
  } else {
    PrintLines(entries);
  }
  return EXIT_DONE;
}
