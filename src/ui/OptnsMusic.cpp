// The music page: the effects and music switches and volumes, and the music list editor that
// fills MEDIA\songs.lst from the files of a folder.
#include "ui/Optns.h"

#include "media/MusicPlayer.h"
#include "media/SkinColors.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorim {

namespace {

// The file mask "*.mid;*.mp3;*.ogg;", letter case ignored as the Windows search ignored it.
const QStringList kMusicMask{QStringLiteral("*.mid"), QStringLiteral("*.mp3"),
                             QStringLiteral("*.ogg")};
constexpr int kGreyedFiles = 8421504;

QSlider* VolumeSlider(const char* name) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(QLatin1String(name));
  slider->setRange(0, 100);
  slider->setPageStep(10);
  slider->setTickInterval(10);
  slider->setTickPosition(QSlider::TicksBelow);
  return slider;
}

QPushButton* Button(const char* name) {
  auto* button = new QPushButton;
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

void TOptions::BuildMusicPage() {
  auto* page = new QWidget(pages_);
  page->setObjectName(QStringLiteral("TabSheetMusic"));
  pages_->addTab(page, QString());
  auto* layout = new QVBoxLayout(page);

  auto* volumes = new QGridLayout;
  auto* effects = new QCheckBox;
  effects->setObjectName(QStringLiteral("MusicSoundFX"));
  volumes->addWidget(effects, 0, 0);
  auto* soundLabel = new QLabel;
  soundLabel->setObjectName(QStringLiteral("MusicLabelSoundVolume"));
  volumes->addWidget(soundLabel, 0, 1);
  soundVolume_ = VolumeSlider("TrackBar3");
  volumes->addWidget(soundVolume_, 0, 2);
  auto* musicLabel = new QLabel;
  musicLabel->setObjectName(QStringLiteral("MusicLabelMusicVolume"));
  volumes->addWidget(musicLabel, 1, 1);
  musicVolume_ = VolumeSlider("TrackBar4");
  volumes->addWidget(musicVolume_, 1, 2);
  volumes->setColumnStretch(2, 1);
  layout->addLayout(volumes);

  musicGroup_ = new QGroupBox(page);
  musicGroup_->setObjectName(QStringLiteral("MusicGroupBackgroundMusic"));
  musicGroup_->setCheckable(true);
  layout->addWidget(musicGroup_, 1);
  auto* editor = new QVBoxLayout(musicGroup_);
  auto* shuffle = new QCheckBox;
  shuffle->setObjectName(QStringLiteral("MusicShuffle"));
  editor->addWidget(shuffle);

  auto* folderRow = new QHBoxLayout;
  auto* folderLabel = new QLabel;
  folderLabel->setObjectName(QStringLiteral("MusicLabelFolder"));
  folderRow->addWidget(folderLabel);
  directory_ = new QLineEdit;
  directory_->setObjectName(QStringLiteral("DirectoryEdit"));
  folderRow->addWidget(directory_, 1);
  QPushButton* browse = Button("MusicButtonFolder");
  browse->setText(QStringLiteral("..."));
  browse->setFixedWidth(32);
  folderRow->addWidget(browse);
  editor->addLayout(folderRow);

  auto* lists = new QGridLayout;
  auto* filesLabel = new QLabel;
  filesLabel->setObjectName(QStringLiteral("MusicLabelFiles"));
  lists->addWidget(filesLabel, 0, 0);
  auto* songsLabel = new QLabel;
  songsLabel->setObjectName(QStringLiteral("MusicLabelSongs"));
  lists->addWidget(songsLabel, 0, 2);
  files_ = new QListWidget;
  files_->setObjectName(QStringLiteral("FileListBox1"));
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lists->addWidget(files_, 1, 0);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  QPushButton* add = Button("MusicButtonAdd");
  QPushButton* addAll = Button("MusicButtonAddAll");
  QPushButton* remove = Button("MusicButtonRemove");
  QPushButton* removeAll = Button("MusicButtonRemoveAll");
  for (QPushButton* button : {add, addAll, remove, removeAll}) {
    button->setMinimumWidth(110);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  lists->addLayout(buttons, 1, 1);
  songList_ = new QListWidget;
  songList_->setObjectName(QStringLiteral("MusicListboxSelectedSongs"));
  songList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lists->addWidget(songList_, 1, 2);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);
  editor->addLayout(lists, 1);

  // the greyed file list of a switched-off music editor
  QPalette greyed = files_->palette();
  greyed.setColor(QPalette::Disabled, QPalette::Base, ColorFromWindows(kGreyedFiles));
  files_->setPalette(greyed);

  connect(musicGroup_, &QGroupBox::toggled, this, [this] { UpdateMusicControls(); });
  connect(add, &QPushButton::clicked, this, [this] { AddFiles(false); });
  connect(addAll, &QPushButton::clicked, this, [this] { AddFiles(true); });
  connect(remove, &QPushButton::clicked, this, [this] { RemoveSongs(false); });
  connect(removeAll, &QPushButton::clicked, this, [this] { RemoveSongs(true); });
  connect(files_, &QListWidget::itemDoubleClicked, this, [this] { AddFiles(false); });
  connect(directory_, &QLineEdit::textChanged, this,
          [this](const QString& folder) { ShowFolder(folder); });
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), directory_->text());
    if (!folder.isEmpty()) directory_->setText(QDir::toNativeSeparators(folder));
  });
  connect(soundVolume_, &QSlider::valueChanged, this, [this](int level) {
    if (!filling_ && !soundVolume_->isSliderDown() && hooks_.effectsVolumeMoved)
      hooks_.effectsVolumeMoved(level);
  });
  connect(soundVolume_, &QSlider::sliderReleased, this, [this] {
    if (hooks_.effectsVolumeMoved) hooks_.effectsVolumeMoved(soundVolume_->value());
  });
  connect(musicVolume_, &QSlider::valueChanged, this, [this](int level) {
    if (!filling_ && hooks_.musicVolumeMoved) hooks_.musicVolumeMoved(level);
  });
}

void TOptions::LoadSongs() {
  // opening step 9: the list as MEDIA\songs.lst holds it, every played mark cleared
  if (music_ != nullptr) {
    music_->ReloadSongList();
    songs_ = music_->Songs().Songs;
  } else {
    SongList list;
    list.Load(game_.Data.Resolve(u"MEDIA\\songs.lst"), game_.InterfaceCodePage());
    songs_ = list.Songs;
  }
  ShowSongs();
  if (music_ != nullptr && game_.GameRunning && game_.Settings.PlayBackgroundMusic &&
      music_->Songs().CurrentSong < songList_->count())
    songList_->setCurrentRow(music_->Songs().CurrentSong);
  const QString media = QDir::toNativeSeparators(game_.Data.Resolve(u"MEDIA"));
  if (directory_->text() == media) ShowFolder(media);
  directory_->setText(media);
}

void TOptions::ShowSongs() {
  songList_->clear();
  for (const TSong& song : songs_) songList_->addItem(song.FileName);
  UpdateMusicControls();
}

void TOptions::ShowFolder(const QString& folder) {
  files_->clear();
  // a folder that does not exist (yet) just lists nothing
  const QDir dir(QDir::fromNativeSeparators(folder));
  if (!folder.isEmpty() && dir.exists())
    files_->addItems(dir.entryList(kMusicMask, QDir::Files, QDir::Name | QDir::IgnoreCase));
  UpdateMusicControls();
}

QString TOptions::SongFolder() const {
  const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(directory_->text()));
  const QString root = QDir::cleanPath(game_.Data.Root());
  // inside the data directory a song keeps a game path ("MEDIA\"), which survives a move of it
  if (folder == root) return {};
  if (folder.startsWith(root + u'/')) {
    QString relative = folder.mid(root.size() + 1);
    return relative.replace(u'/', u'\\') + u'\\';
  }
  return folder + u'\\';
}

void TOptions::AddFiles(bool all) {
  const QString folder = SongFolder();
  for (int i = 0; i < files_->count(); ++i) {
    const QListWidgetItem* item = files_->item(i);
    if (!all && !item->isSelected()) continue;
    const bool listed = std::ranges::any_of(songs_, [&](const TSong& song) {
      return song.FileName.compare(item->text(), Qt::CaseInsensitive) == 0 &&
             song.Folder.compare(folder, Qt::CaseInsensitive) == 0;
    });
    if (listed || static_cast<int>(songs_.size()) >= kMaxSongs) continue;
    songs_.push_back({item->text(), folder, false});
  }
  ShowSongs();
}

void TOptions::RemoveSongs(bool all) {
  if (all) {
    songs_.clear();
  } else {
    for (int i = songList_->count() - 1; i >= 0; --i)
      if (songList_->item(i)->isSelected()) songs_.erase(songs_.begin() + i);
  }
  ShowSongs();
}

void TOptions::UpdateMusicControls() {
  // the group box switches its controls itself; these follow the lists only while it is on
  const bool on = musicGroup_->isChecked();
  const bool hasFiles = on && files_->count() > 0;
  const bool hasSongs = on && songList_->count() > 0;
  findChild<QPushButton*>(QStringLiteral("MusicButtonAdd"))->setEnabled(hasFiles);
  findChild<QPushButton*>(QStringLiteral("MusicButtonAddAll"))->setEnabled(hasFiles);
  findChild<QPushButton*>(QStringLiteral("MusicButtonRemove"))->setEnabled(hasSongs);
  findChild<QPushButton*>(QStringLiteral("MusicButtonRemoveAll"))->setEnabled(hasSongs);
}

bool TOptions::SaveSongs() {
  // OK step 9: written even when empty, so that no song plays
  if (music_ != nullptr) {
    SongList& list = music_->Songs();
    list.Songs = songs_;
    if (list.CurrentSong >= list.Count()) list.CurrentSong = 0;
    return music_->SaveSongList();
  }
  SongList list;
  list.Songs = songs_;
  return list.Save(game_.Data.Resolve(u"MEDIA\\songs.lst"), game_.InterfaceCodePage());
}

}  // namespace quorim
