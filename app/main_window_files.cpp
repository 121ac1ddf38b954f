// The main window's data files: "Neu", "Daten laden", "Daten speichern" (to the open file),
// "Daten speichern unter …", the file dialogs with the folder used last and a name to suggest, and
// the window's title naming the open file (marked while the triangle differs from it).
#include "app/main_window.h"

#include "app/window_support.h"
#include "app/picture_export.h"
#include "base/codepage.h"
#include "output/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

namespace trimora {

using namespace window;

// ---------------------------------------------------------------- data files

QString MainWindow::StartFolder() const {
    // A documents folder that does not exist would be taken for a file name in the home folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::unique_ptr<QFileDialog> MainWindow::MakeFileDialog(FileDialogKind kind) {
    auto dialog = std::make_unique<QFileDialog>(this);
    // Each kind of dialog starts in the folder it was used in last.
    const QString& last = folders_[static_cast<std::size_t>(kind)];
    dialog->setDirectory(!last.isEmpty() && QDir(last).exists() ? last : StartFolder());
    dialog->setAcceptMode(kind == FileDialogKind::LoadData ? QFileDialog::AcceptOpen
                                                           : QFileDialog::AcceptSave);
    switch (kind) {
    case FileDialogKind::LoadData:
        dialog->setWindowTitle("Daten laden");
        dialog->setNameFilter("Dreiecksdatei (*.tmo)");
        dialog->setFileMode(QFileDialog::ExistingFile);
        // The file opened last stays chosen, in its own folder.
        if (!lastOpenedFile_.isEmpty()) {
            const QFileInfo last(lastOpenedFile_);
            if (last.dir().exists()) dialog->setDirectory(last.dir());
            dialog->selectFile(last.fileName());
        }
        return dialog;
    case FileDialogKind::SaveData:
        dialog->setWindowTitle("Daten speichern");
        dialog->setNameFilter("Dreiecksdatei (*.tmo)");
        dialog->setDefaultSuffix("tmo");
        break;
    case FileDialogKind::SavePicture: {
        dialog->setWindowTitle("Abbildung speichern");
        const QStringList filters = PictureFilters();
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters[3]); // GIF
        dialog->setDefaultSuffix("gif");
        QFileDialog* d = dialog.get();
        connect(d, &QFileDialog::filterSelected, d, [d, filters](const QString& f) {
            d->setDefaultSuffix(PictureSuffix(static_cast<PictureFormat>(filters.indexOf(f) + 1)));
        });
        break;
    }
    case FileDialogKind::SaveResults:
        dialog->setWindowTitle("Daten speichern");
        dialog->setNameFilters({"Text (UTF-8) (*.txt)", "Text (Windows-1252) (*.txt)", "Tabelle (CSV) (*.csv)"});
        dialog->setDefaultSuffix("txt");
        // A name typed without an extension gets the chosen filter's (and is asked about as such).
        connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(), [d = dialog.get()](const QString& f) {
            d->setDefaultSuffix(d->nameFilters().indexOf(f) == kResultsTableFilter ? "csv" : "txt");
        });
        break;
    }
    // A name to start from: the open file's, else the topic's ("Dreieck" for the triangle at the
    // start), with the dialog's extension; the folder stays the one used last. Another filter
    // changes the suggestion's extension with it (the extension would choose the format), never
    // a name the user typed.
    const QString base = SuggestedName();
    dialog->selectFile(base + "." + dialog->defaultSuffix());
    connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(), [d = dialog.get(), base] {
        auto* name = d->findChild<QLineEdit*>("fileNameEdit");
        if (name && QFileInfo(name->text()).completeBaseName() == base) name->setText(base + "." + d->defaultSuffix());
    });
    return dialog;
}

QString MainWindow::SuggestedName() const {
    QString name = dataFile_.isEmpty() ? sheetTitle_ : QFileInfo(dataFile_).completeBaseName();
    name.replace('/', '-');
    name.remove('&');
    name = name.trimmed();
    return name.isEmpty() || name.startsWith('.') ? QString("Dreieck") : name;
}

void MainWindow::UpdateTitle() {
    if (dataFile_.isEmpty()) {
        setWindowTitle("Trimora");
        setWindowModified(false);
        return;
    }
    setWindowTitle(QFileInfo(dataFile_).fileName() + "[*] – Trimora");
    setWindowModified(DataFileLines(session_) != savedLines_);
}

void MainWindow::NewTriangle() {
    StopAnimation(false);
    Step("Neu", [this] {
        // The triangle, entries and view of the start; the switches of the view stay as they are.
        Session fresh;
        InitSession(fresh, session_.width, session_.height);
        SessionState start = CaptureState(fresh);
        const SessionState now = CaptureState(session_);
        start.showAxes = now.showAxes, start.showGrid = now.showGrid, start.showMmGrid = now.showMmGrid;
        start.showTrilinear = now.showTrilinear, start.showEtc = now.showEtc;
        RestoreState(session_, start);
    });
    dataFile_.clear();
    savedLines_.clear();
    sheetTitle_ = "Dreieck";
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    SyncChecks();
    Repaint();
}

void MainWindow::SaveDataFileCommand() {
    if (dataFile_.isEmpty())
        SaveDataFileAs();
    else
        SaveDataFile(dataFile_);
}

void MainWindow::ShowMessage(const QString& title, const QString& text) {
    lastMessage_ = text;
    if (messageBoxes_) QMessageBox::warning(this, title, text);
}

void MainWindow::OpenDataFile() {
    StopAnimation(false);
    const auto dialog = MakeFileDialog(FileDialogKind::LoadData);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    NoteFolder(FileDialogKind::LoadData, dialog->selectedFiles().front());
    LoadDataFile(dialog->selectedFiles().front());
}

void MainWindow::SaveDataFileAs() {
    StopAnimation(false);
    const auto dialog = MakeFileDialog(FileDialogKind::SaveData);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    NoteFolder(FileDialogKind::SaveData, dialog->selectedFiles().front());
    SaveDataFile(dialog->selectedFiles().front());
}

bool MainWindow::LoadDataFile(const QString& path) { return LoadDataFileAt(Native(path)); }

bool MainWindow::LoadDataFileAt(const std::string& path) {
    StopAnimation(false);
    // Regular files only (a pipe would block the window), at most the limit.
    std::string error;
    const std::optional<std::string> bytes = ReadFileLimited(path, kMaxDataFileBytes, error);
    if (!bytes) {
        ShowMessage("Daten laden", Q(error));
        return false;
    }
    if (!IsDataFileText(*bytes)) {
        ShowMessage("Daten laden", "Die Datei \"" + QFile::decodeName(path.c_str()) + "\" ist " + kNotADataFile + ".");
        return false;
    }
    const QString name = QFile::decodeName(path.c_str());
    lastOpenedFile_ = name;
    NoteRecentFile(name);
    sheetTitle_ = QFileInfo(name).fileName();
    Step(QString("Daten laden: %1").arg(QFileInfo(name).fileName()),
         [&] { LoadDataFileLines(session_, DecodeTextFile(*bytes)); });
    dataFile_ = name;
    savedLines_ = DataFileLines(session_);
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    Repaint();
    return true;
}

bool MainWindow::SaveDataFile(const QString& path) {
    SyncSessionFromFields();
    std::vector<std::string> lines = DataFileLines(session_);
    const std::string failure = WriteFileAtomically(Native(path), ToWindowsText(lines), SpecialFiles::Refuse);
    if (!failure.empty()) {
        ShowMessage("Daten speichern", Q(failure));
        return false;
    }
    NoteRecentFile(path);
    dataFile_ = path;
    savedLines_ = std::move(lines);
    sheetTitle_ = QFileInfo(path).fileName();
    UpdateTitle();
    return true;
}

} // namespace trimora
