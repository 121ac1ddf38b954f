// What the main window remembers from one start to the next: its place and size, the triangle as
// typed, the switched entries, the view, the page of the lists, the animation's settings, the data
// files opened last and the folder of each kind of file dialog. Kept in the ini dialect of Qt's
// settings in $XDG_CONFIG_HOME/trimora/trimora.ini, read and written by the file rules
// (app/session_file.*); a damaged, foreign or refused file counts as no file.
#include "app/main_window.h"

#include "app/session_file.h"
#include "app/window_support.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <map>

namespace trimora {

using namespace window;

namespace {

constexpr int kSettingsFormat = 1; // what a file must say to be read as this program's
constexpr int kRecentFiles = 10;

const char* FolderKey(int kind) {
    static const char* keys[4] = {"folders/loadData", "folders/saveData", "folders/picture", "folders/results"};
    return keys[kind];
}

int Number(const IniSettings& settings, const std::string& key, int fallback) {
    bool ok = false;
    const int n = Q(settings.Text(key)).toInt(&ok);
    return ok ? n : fallback;
}

} // namespace

void MainWindow::RestoreSession() {
    if (memory_ == Memory::None) return;
    const SessionRead read = ReadSessionFile(SessionFilePath());
    if (!read.problem.empty() && activated_) {
        // One short line: a long one would widen the tool bar that holds it.
        ShowStatus("  Sitzung nicht gelesen: Grundeinstellungen");
    }
    const IniSettings& settings = read.settings;
    if (Number(settings, "format", 0) != kSettingsFormat) return;
    if (!activated_) {
        // Before the first show: the window's place and size, the lists of files and folders.
        const std::string geometry = settings.Bytes("window/geometry");
        geometryRestored_ = restoreGeometry(QByteArray(geometry.data(), static_cast<qsizetype>(geometry.size())));
        // A list of one is written as a plain text: it stays one name, not its letters.
        for (const std::string& file : settings.List("recentFiles"))
            if (!file.empty() && recentFiles_.size() < kRecentFiles && !recentFiles_.contains(Q(file)))
                recentFiles_ << Q(file);
        for (int kind = 0; kind < 4; ++kind) folders_[static_cast<std::size_t>(kind)] = Q(settings.Text(FolderKey(kind)));
        lastOpenedFile_ = Q(settings.Text("lastFile"));
        return;
    }
    if (memory_ == Memory::Fresh) return;
    // Shown: the triangle, the entries and the view, all of them or none.
    std::map<std::string, std::string> text;
    for (const std::string& key : settings.KeysOf("session")) text[key] = settings.Text("session/" + key);
    if (const std::optional<SessionState> state = StateFromText(text)) {
        RestoreState(session_, *state);
        SyncFieldsFromSession();
        SyncTabListsFromSession();
    }
    const int page = Number(settings, "window/page", 0);
    if (page >= 0 && page < pages_->count()) pages_->setCurrentIndex(page);
    const int vertex = Number(settings, "animation/vertex", 0);
    const int direction = Number(settings, "animation/direction", 0);
    const int speed = Number(settings, "animation/speed", 70);
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
    IniSettings settings; // a damaged or foreign file is replaced whole
    settings.SetText("format", std::to_string(kSettingsFormat));
    settings.SetBytes("window/geometry", saveGeometry().toStdString());
    settings.SetText("window/page", std::to_string(pages_->currentIndex()));
    SyncSessionFromFields();
    for (const auto& [key, value] : StateToText(CaptureState(session_))) settings.SetText("session/" + key, value);
    settings.SetText("animation/vertex", std::to_string(session_.animation.vertex));
    settings.SetText("animation/direction", std::to_string(static_cast<int>(session_.animation.direction)));
    settings.SetText("animation/speed", std::to_string(session_.animation.speed));
    settings.SetText("lastFile", S(lastOpenedFile_));
    std::vector<std::string> recent;
    for (const QString& file : recentFiles_) recent.push_back(S(file));
    settings.SetList("recentFiles", recent);
    for (int kind = 0; kind < 4; ++kind) settings.SetText(FolderKey(kind), S(folders_[static_cast<std::size_t>(kind)]));
    // A refused file (someone else's link, a pipe) stays as it is; the window closes anyway.
    (void)WriteSessionFile(SessionFilePath(), settings);
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
