// The main window's picture and results commands: dialogs, saving, printing and the clipboard
// (the data files are in main_window_files.cpp).
#include "app/main_window.h"

#include "app/window_support.h"
#include "app/animation_export.h"
#include "app/drawing_area.h"
#include "app/picture_export.h"
#include "app/results_view.h"
#include "app/worksheet.h"
#include "draw/document.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"
#include "base/codepage.h"
#include "output/results_table.h"
#include "output/savefile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSpinBox>
#include <QStandardPaths>

namespace trimora {

using namespace window;

// ---------------------------------------------------------------- output

QStringList MainWindow::ResultLines() const { return resultsModel_->Lines(); }

void MainWindow::SavePictureAs() {
    const auto dialog = MakeFileDialog(FileDialogKind::SavePicture);
    // The resolution of the raster formats sits below the file type; 96 dpi is the screen's size.
    // Qt's own dialog, because only it takes a further row.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    auto* resolution = new QSpinBox(dialog.get());
    resolution->setObjectName("pictureResolution");
    resolution->setRange(kMinExportDpi, kMaxExportDpi);
    resolution->setSingleStep(96);
    resolution->setValue(96);
    resolution->setSuffix(" dpi");
    resolution->setToolTip("96 dpi: so groß wie die Zeichenfläche; 288 dpi: dreimal so breit und hoch");
    auto* resolutionLabel = new QLabel("Auflösung:", dialog.get());
    resolutionLabel->setBuddy(resolution);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
        const int row = grid->rowCount();
        grid->addWidget(resolutionLabel, row, 0);
        grid->addWidget(resolution, row, 1);
    }
    // TikZ: a whole LaTeX document, or the tikzpicture alone for \input.
    auto* tikzBody = new QCheckBox("nur die tikzpicture-Umgebung (für \\input)", dialog.get());
    tikzBody->setObjectName("tikzBody");
    tikzBody->setEnabled(false);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) grid->addWidget(tikzBody, grid->rowCount(), 1);
    const QStringList filters = PictureFilters();
    connect(dialog.get(), &QFileDialog::filterSelected, resolution, [resolution, tikzBody, filters](const QString& f) {
        const auto format = static_cast<PictureFormat>(filters.indexOf(f) + 1);
        resolution->setEnabled(IsRasterFormat(format));
        tikzBody->setEnabled(format == PictureFormat::Tex);
    });
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    NoteFolder(FileDialogKind::SavePicture, dialog->selectedFiles().front());
    tikzBodyOnly_ = tikzBody->isChecked();
    SavePictureTyped(dialog->selectedFiles().front(),
                     static_cast<int>(filters.indexOf(dialog->selectedNameFilter())) + 1, resolution->value());
}

bool MainWindow::SavePictureTyped(const QString& path, int filter, int dpi) {
    const PictureFormat chosen = static_cast<PictureFormat>(std::clamp(filter, 1, kPictureFormats));
    PictureFormat format;
    if (PictureFormatFromPath(path, chosen == PictureFormat::Bmp16, format))
        return SavePicture(path, static_cast<int>(format), dpi);
    return SavePicture(path + "." + PictureSuffix(chosen), static_cast<int>(chosen), dpi);
}

bool MainWindow::SavePicture(const QString& path, int format, int dpi) {
    SyncSessionFromFields();
    const int w = drawing_->width(), h = drawing_->height();
    const PictureFormat chosen = static_cast<PictureFormat>(std::clamp(format, 1, kPictureFormats));
    const QString failure =
        ExportPicture(session_.doc, w, h, chosen, Native(path), {IsRasterFormat(chosen) ? dpi : 96, 0, tikzBodyOnly_});
    Repaint();
    if (!failure.isEmpty()) {
        ShowMessage("Abbildung speichern", failure);
        return false;
    }
    return true;
}

// A save dialog of the picture kind for one format; empty when cancelled.
QString MainWindow::AskPictureFile(const QString& title, const QString& filter, const QString& suffix) {
    const auto dialog = MakeFileDialog(FileDialogKind::SavePicture);
    dialog->setWindowTitle(title);
    dialog->setNameFilters({filter});
    dialog->setDefaultSuffix(suffix);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    NoteFolder(FileDialogKind::SavePicture, dialog->selectedFiles().front());
    return dialog->selectedFiles().front();
}

void MainWindow::SaveWorksheetAs() {
    const QString path = AskPictureFile("Arbeitsblatt als PDF", "PDF-Dokument (*.pdf)", "pdf");
    if (!path.isEmpty()) SaveWorksheet(path);
}

bool MainWindow::SaveWorksheet(const QString& path) {
    SyncSessionFromFields();
    // The results as "Berechnung" lists them, whatever the mode.
    Document measured = session_.doc;
    measured.view.stretchFactor = 1;
    ApplyFieldTexts(measured, drawing_->width(), drawing_->height());
    RecordingCanvas canvas(drawing_->width(), drawing_->height());
    PaintDocument(measured, canvas, true);
    QStringList lines;
    for (const std::string& line : measured.results.Lines()) lines << Q(line);
    Document picture = session_.doc;
    const QByteArray pdf =
        RenderWorksheet(picture, drawing_->width(), drawing_->height(), sheetTitle_, QDate::currentDate(), lines);
    const std::string failure = WriteFileAtomically(Native(path), pdf.toStdString(), SpecialFiles::Refuse);
    if (!failure.empty()) {
        ShowMessage("Arbeitsblatt als PDF", Q(failure));
        return false;
    }
    return true;
}

void MainWindow::SaveAnimationAs() {
    StopAnimation(true);
    const QString path = AskPictureFile("Animation als GIF speichern", "GIF-Animation (*.gif)", "gif");
    if (!path.isEmpty()) SaveAnimation(path);
}

bool MainWindow::SaveAnimation(const QString& path) {
    SyncSessionFromFields();
    // A large drawing area takes a while: the frames drawn are shown, and the run can be cancelled.
    QProgressDialog progress("Animation wird gezeichnet …", "Abbrechen", 0, kDefaultAnimationFrames, this);
    progress.setWindowTitle("Animation als GIF speichern");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const QString failure =
        ExportAnimation(session_, drawing_->width(), drawing_->height(), kDefaultAnimationFrames, Native(path),
                        SpecialFiles::Refuse, [&progress](int done, int) {
                            progress.setValue(done);
                            return !progress.wasCanceled();
                        });
    progress.reset();
    if (progress.wasCanceled()) return false;
    if (!failure.isEmpty()) {
        ShowMessage("Animation als GIF speichern", failure);
        return false;
    }
    return true;
}

void MainWindow::SaveResultsAs() {
    const auto dialog = MakeFileDialog(FileDialogKind::SaveResults);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().front();
    NoteFolder(FileDialogKind::SaveResults, path);
    const int filter = static_cast<int>(dialog->nameFilters().indexOf(dialog->selectedNameFilter()));
    SaveResults(ResultsFileName(path, filter), filter == 1);
}

QString ResultsFileName(const QString& chosen, int filter) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == "txt" || suffix == "csv") return chosen; // the name chooses text or table
    if (filter == kResultsTableFilter) return chosen + ".csv";
    return suffix.isEmpty() ? chosen + ".txt" : chosen;
}

bool MainWindow::SaveResults(const QString& path, bool windows1252) {
    // What the panel shows, as copying and printing take it: the relations under the results too.
    std::vector<std::string> lines = session_.doc.results.Lines();
    if (relations_.Listed()) lines.insert(lines.end(), relations_.Lines().begin(), relations_.Lines().end());
    // A name ending in ".csv" asks for the table for spreadsheet programs.
    const bool table = QFileInfo(path).suffix().compare("csv", Qt::CaseInsensitive) == 0;
    const std::string failure =
        WriteFileAtomically(Native(path), table ? ResultsCsv(lines) : windows1252 ? ToWindowsText(lines) : ToUtf8Text(lines),
                            SpecialFiles::Refuse);
    if (!failure.empty()) {
        ShowMessage("Daten speichern", Q(failure));
        return false;
    }
    return true;
}

void MainWindow::CopyPicture() { QApplication::clipboard()->setImage(drawing_->Image()); }

void MainWindow::CopyVector() {
    SyncSessionFromFields();
    const int w = drawing_->width(), h = drawing_->height();
    auto* data = new QMimeData;
    data->setData("image/svg+xml", RenderSvg(session_.doc, w, h));
    const Encoded emf = EncodePicture(session_.doc, w, h, PictureFormat::Wmf);
    if (emf.ok()) data->setData("image/x-emf", QByteArray::fromStdString(emf.bytes));
    QApplication::clipboard()->setMimeData(data);
    Repaint();
}

void MainWindow::CopyResults() { QApplication::clipboard()->setText(ResultsText(ResultLines())); }

void MainWindow::PrintPicture(bool vector) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(vector ? "Vektorgrafik drucken" : "Abbildung drucken");
    if (dialog.exec() != QDialog::Accepted) return;
    if (vector) {
        SyncSessionFromFields();
        PrintVector(printer, session_.doc, drawing_->width(), drawing_->height());
        Repaint();
    } else {
        PrintBitmap(printer, drawing_->Image());
    }
}

std::unique_ptr<QPrintPreviewDialog> MainWindow::MakePrintPreview(bool results) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(this);
    dialog->setWindowTitle(results ? "Druckvorschau der Berechnungsergebnisse" : "Druckvorschau der Abbildung");
    connect(dialog.get(), &QPrintPreviewDialog::paintRequested, this, [this, results](QPrinter* printer) {
        if (results) {
            const QStringList lines = ResultLines();
            PrintResults(*printer, lines, false, 1, ResultsPageCount(*printer, lines, false));
        } else {
            PrintBitmap(*printer, drawing_->Image());
        }
    });
    return dialog;
}

void MainWindow::PrintResultsDialog(bool twoColumns) {
    const QStringList lines = ResultLines();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(twoColumns ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(twoColumns ? "zweispaltig Drucken" : "Berechnungsergebnisse drucken");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    const int pages = ResultsPageCount(printer, lines, twoColumns);
    dialog.setMinMax(1, pages);
    printer.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted) return;
    int first = 1, last = ResultsPageCount(printer, lines, twoColumns);
    if (printer.printRange() == QPrinter::PageRange) first = printer.fromPage(), last = printer.toPage();
    PrintResults(printer, lines, twoColumns, first, last);
}

// ---------------------------------------------------------------- files dropped on the window

namespace {

// The first data file of a drop, as the bytes of its name. Read from the raw URI list: QUrl would
// replace every byte of a name that is no UTF-8.
std::optional<std::string> DroppedDataFile(const QMimeData* data) {
    for (QByteArray line : data->data("text/uri-list").split('\n')) {
        line = line.trimmed();
        if (!line.startsWith("file://")) continue;
        const qsizetype slash = line.indexOf('/', 7); // after the host: none or this machine
        if (slash < 0 || (slash > 7 && line.mid(7, slash - 7) != "localhost")) continue;
        const QByteArray path = QByteArray::fromPercentEncoding(line.mid(slash));
        if (path.toLower().endsWith(".tmo")) return path.toStdString();
    }
    return std::nullopt;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (DroppedDataFile(e->mimeData())) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    if (const auto path = DroppedDataFile(e->mimeData())) {
        LoadDataFileAt(*path);
        e->acceptProposedAction();
    }
}

} // namespace trimora
