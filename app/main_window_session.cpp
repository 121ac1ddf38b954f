// What the main window remembers from one start to the next: its place and size, the triangle as
// typed, the switched entries, the view, the page of the lists, the animation's settings, the data
// files opened last and the folder of each kind of file dialog. Kept in Qt's settings
// ($XDG_CONFIG_HOME/trimora/trimora.conf); a damaged or foreign file counts as no file.
#include "app/main_window.h"

#include "app/window_support.h"

#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>

#include <map>

namespace trimora {

using namespace window;

namespace {

constexpr int kSettingsFormat = 1; // what a file must say to be read as this program's
constexpr int kRecentFiles = 10;

QSettings Settings() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "trimora", "trimora"); }

const char* FolderKey(int kind) {
    static const char* keys[4] = {"folders/loadData", "folders/saveData", "folders/picture", "folders/results"};
    return keys[kind];
}

} // namespace

void MainWindow::RestoreSession() {
    if (memory_ == Memory::None) return;
    QSettings settings = Settings();
    if (settings.status() != QSettings::NoError || settings.value("format").toInt() != kSettingsFormat) return;
    if (!activated_) {
        // Before the first show: the window's place and size, the lists of files and folders.
        geometryRestored_ = restoreGeometry(settings.value("window/geometry").toByteArray());
        for (const QVariant& file : settings.value("recentFiles").toList())
            if (file.canConvert<QString>() && recentFiles_.size() < kRecentFiles) recentFiles_ << file.toString();
        for (int kind = 0; kind < 4; ++kind) folders_[static_cast<std::size_t>(kind)] = settings.value(FolderKey(kind)).toString();
        lastOpenedFile_ = settings.value("lastFile").toString();
        return;
    }
    if (memory_ == Memory::Fresh) return;
    // Shown: the triangle, the entries and the view, all of them or none.
    settings.beginGroup("session");
    std::map<std::string, std::string> text;
    for (const QString& key : settings.childKeys()) text[S(key)] = S(settings.value(key).toString());
    settings.endGroup();
    if (const std::optional<SessionState> state = StateFromText(text)) {
        RestoreState(session_, *state);
        SyncFieldsFromSession();
        SyncTabListsFromSession();
    }
    const int page = settings.value("window/page", 0).toInt();
    if (page >= 0 && page < pages_->count()) pages_->setCurrentIndex(page);
    const int vertex = settings.value("animation/vertex", 0).toInt();
    const int direction = settings.value("animation/direction", 0).toInt();
    const int speed = settings.value("animation/speed", 70).toInt();
    if (vertex >= 0 && vertex < 3) {
        vertexRadios_[static_cast<std::size_t>(vertex)]->setChecked(true);
        session_.animation.vertex = vertex;
    }
    if (direction >= 0 && direction < 3) {
        directionRadios_[static_cast<std::size_t>(direction)]->setChecked(true);
        session_.animation.direction = static_cast<AnimationDirection>(direction);
    }
    if (speed >= speed_->minimum() && speed <= speed_->maximum()) speed_->setValue(speed);
}

void MainWindow::StoreSession() {
    if (memory_ == Memory::None) return;
    QSettings settings = Settings();
    if (!settings.isWritable()) return;
    settings.clear(); // a damaged or foreign file is replaced whole
    settings.setValue("format", kSettingsFormat);
    settings.setValue("window/geometry", saveGeometry());
    settings.setValue("window/page", pages_->currentIndex());
    SyncSessionFromFields();
    settings.beginGroup("session");
    for (const auto& [key, value] : StateToText(CaptureState(session_))) settings.setValue(Q(key), Q(value));
    settings.endGroup();
    settings.setValue("animation/vertex", session_.animation.vertex);
    settings.setValue("animation/direction", static_cast<int>(session_.animation.direction));
    settings.setValue("animation/speed", session_.animation.speed);
    settings.setValue("lastFile", lastOpenedFile_);
    settings.setValue("recentFiles", recentFiles_);
    for (int kind = 0; kind < 4; ++kind) settings.setValue(FolderKey(kind), folders_[static_cast<std::size_t>(kind)]);
    settings.sync();
}

void MainWindow::NoteRecentFile(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(file);
    recentFiles_.prepend(file);
    while (recentFiles_.size() > kRecentFiles) recentFiles_.removeLast();
}

void MainWindow::NoteFolder(FileDialogKind kind, const QString& file) {
    folders_[static_cast<std::size_t>(kind)] = QFileInfo(file).absolutePath();
}

void MainWindow::FillRecentMenu() {
    recentMenu_->clear();
    for (int n = 0; n < recentFiles_.size(); ++n) {
        const QString path = recentFiles_[n];
        QAction* a = recentMenu_->addAction(QString("&%1  %2").arg((n + 1) % 10).arg(QFileInfo(path).fileName()));
        a->setToolTip(path);
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    if (recentFiles_.isEmpty()) recentMenu_->addAction("(keine)")->setEnabled(false);
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recentFiles_.removeAll(path);
        ShowMessage("Zuletzt geöffnet",
                    QString("Die Datei „%1“ gibt es nicht mehr; sie wird aus der Liste genommen.").arg(path));
        return;
    }
    LoadDataFile(path);
}

} // namespace trimora
