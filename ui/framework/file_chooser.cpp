// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_chooser.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QList>
#include <QListView>
#include <QSplitter>
#include <QStringList>
#include <QTreeView>

#include <algorithm>
#include <utility>

namespace {

// The role under which Qt's sidebar keeps each entry's URL.
constexpr int SIDEBAR_URL_ROLE = Qt::UserRole + 1;

QString ChosenFile(QFileDialog &dialog) {
  if (dialog.exec() != QDialog::Accepted) {
    return QString();
  }
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

// Qt keeps the sidebar of every program's file dialogs in one settings file. Earlier releases
// left their place there, one entry for every folder ever used, greyed once it was gone (a test's
// scratch folder, a moved data folder): those go, and so does the place itself, which is added
// afresh for each dialog and taken out again before Qt saves the sidebar.
QList<QUrl> WithoutOurPlaces(const QList<QUrl> &urls, const QUrl &place) {
  const QString placeName = QFileInfo(place.toLocalFile()).fileName();
  QList<QUrl> kept;
  for (const QUrl &url : urls) {
    const QFileInfo folder(url.toLocalFile());
    const bool earlierPlace = url.isLocalFile() && folder.fileName() == placeName && !folder.isDir();
    if (url != place && !earlierPlace) {
      kept.append(url);
    }
  }
  return kept;
}

// The sidebar names an entry after its folder; ours carries a name of its own, given again
// whenever Qt renames it (as it does when the folder's details arrive).
void NamePlace(QFileDialog &dialog, const SidebarPlace &place) {
  auto *sidebar = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
  if (sidebar == nullptr || sidebar->model() == nullptr) {
    return;
  }
  QAbstractItemModel *model = sidebar->model();
  const auto rename = [model, place] {
    for (int row = 0; row < model->rowCount(); ++row) {
      const QModelIndex entry = model->index(row, 0);
      if (entry.data(SIDEBAR_URL_ROLE).toUrl() == place.folder && entry.data().toString() != place.name) {
        model->setData(entry, place.name);
      }
    }
  };
  rename();
  QObject::connect(model, &QAbstractItemModel::dataChanged, &dialog, rename);
}

// Qt's dialog opens at its least size where no earlier size is kept, which cuts the sidebar's
// names and the file names short (a history name is some forty characters): it gets room for
// both, and a sidebar as wide as its widest entry.
void GiveRoom(QFileDialog &dialog) {
  const QFontMetrics metrics(dialog.font());
  dialog.resize(std::max(dialog.width(), metrics.averageCharWidth() * 110),
                std::max(dialog.height(), metrics.height() * 26));
  auto *splitter = dialog.findChild<QSplitter *>(QStringLiteral("splitter"));
  auto *sidebar = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
  auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
  if (splitter != nullptr && sidebar != nullptr && splitter->count() == 2) {
    const int sidebarWidth = sidebar->sizeHintForColumn(0) + sidebar->frameWidth() * 2 + metrics.averageCharWidth() * 2;
    splitter->setSizes({sidebarWidth, std::max(1, dialog.width() - sidebarWidth)});
  }
  if (details != nullptr && details->header() != nullptr) {
    details->header()->resizeSection(0, std::max(details->header()->sectionSize(0), metrics.averageCharWidth() * 48));
  }
}

}  // namespace

FileDialogChooser::FileDialogChooser(QWidget *owner, SidebarPlace place)
    : owner_(owner), place_(std::move(place)) {
  // As the sidebar spells it, so that the entry is found again by its URL.
  if (place_.folder.isLocalFile()) {
    place_.folder = QUrl::fromLocalFile(QDir::cleanPath(place_.folder.toLocalFile()));
  }
}

// Qt's own dialog rather than the desktop's: only it has the sidebar the history's place is in,
// and both dialogs look alike whatever the desktop.
QString FileDialogChooser::SaveFileName(const QString &caption, const QString &filter,
                                        const QString &defaultSuffix) {
  // An object rather than the static helper: only it appends the suffix. It still asks before
  // replacing an existing file.
  QFileDialog dialog(owner_, caption, QString(), filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  GiveRoom(dialog);
  return ChosenFile(dialog);
}

QString FileDialogChooser::OpenFileName(const QString &caption, const QString &filter) {
  QFileDialog dialog(owner_, caption, QString(), filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (place_.folder.isEmpty()) {
    GiveRoom(dialog);
    return ChosenFile(dialog);
  }
  dialog.setSidebarUrls(WithoutOurPlaces(dialog.sidebarUrls(), place_.folder) + QList<QUrl>{place_.folder});
  NamePlace(dialog, place_);
  GiveRoom(dialog);
  const QString chosen = ChosenFile(dialog);
  dialog.setSidebarUrls(WithoutOurPlaces(dialog.sidebarUrls(), place_.folder));
  return chosen;
}
