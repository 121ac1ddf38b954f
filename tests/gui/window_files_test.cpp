// The window and its files: names reach the file system as bytes, pipes never block it, what is
// no data file is refused, and a triangle beyond the drawing is listed as typed with a hint.
#include "app/picture_export.h"
#include "app/results_view.h"
#include "shown_window.h"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QFileDialog>
#include <QMimeData>
#include <QUndoStack>
#include <QTemporaryDir>
#include <QUrl>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace trimora {
namespace {

using WindowFiles = ShownWindow;

std::string Bytes(const QTemporaryDir& dir, const char* name) {
    return QFile::encodeName(dir.path()).toStdString() + "/" + name;
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const char* kDataFile = "3\r\n0\r\n0\r\n0\r\n0\r\n4\r\n#\r\n#\r\n#\r\n#\r\n";

TEST_F(WindowFiles, NamesAreBytesFromEverySource) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A Latin-1 name ("dreieck\xe4.tmo"): opened by its bytes, as the program's argument gives
    // them, and dropped as a URL that carries the byte percent-encoded.
    const std::string latin = Bytes(dir, "dreieck\xe4.tmo");
    Put(latin, kDataFile);
    ASSERT_TRUE(window->LoadDataFileAt(latin)) << window->LastMessage().toStdString();
    EXPECT_EQ(window->Field(0)->text(), "3");
    window->Field(0)->setText("7");
    QMimeData data;
    data.setData("text/uri-list",
                 "file://" + QByteArray::fromStdString(latin).toPercentEncoding("/") + "\r\n");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->Field(0)->text(), "3") << window->LastMessage().toStdString();

    // A picture under a name that is no UTF-8 gets exactly that name.
    const std::string picture = Bytes(dir, "bild\xff.png");
    EXPECT_TRUE(ExportPicture(window->GetSession().doc, 40, 30, PictureFormat::Png, picture).isEmpty());
    struct stat st;
    EXPECT_EQ(stat(picture.c_str(), &st), 0);
    // Qt lists no name that is not UTF-8, so its temporary folder cannot remove these.
    unlink(latin.c_str());
    unlink(picture.c_str());
}

// The open file: named in the title, marked while the triangle differs from it; "Daten speichern"
// writes to it without a dialog; "Neu" starts afresh (undoably) and leaves no file open.
TEST_F(WindowFiles, TheOpenFileIsNamedMarkedAndSavedTo) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dreieck.tmo");
    Put(QFile::encodeName(path).toStdString(), kDataFile);
    ASSERT_TRUE(window->LoadDataFile(path));
    EXPECT_TRUE(window->windowTitle().startsWith("dreieck.tmo"));
    EXPECT_FALSE(window->isWindowModified());
    window->Field(0)->setText("5");
    window->ApplyCoordinates();
    EXPECT_TRUE(window->isWindowModified());
    window->Action("save")->trigger(); // a dialog would wait here
    EXPECT_FALSE(window->isWindowModified());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("5\r\n"));
    EXPECT_EQ(window->MakeFileDialog(MainWindow::FileDialogKind::SavePicture)->selectedFiles().value(0).section('/', -1),
              "dreieck.gif");

    const auto start = window->Field(0)->text();
    window->Action("new")->trigger();
    EXPECT_EQ(window->windowTitle(), "Trimora");
    EXPECT_NE(window->Field(0)->text(), "5");
    EXPECT_EQ(window->UndoStack()->undoText(), "Neu");
    window->UndoStack()->undo();
    EXPECT_EQ(window->Field(0)->text(), start);
}

TEST_F(WindowFiles, PipesAndForeignFilesAreRefusedAtOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string pipe = Bytes(dir, "pipe.tmo");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const QString before = window->Field(0)->text();
    // No writer and no reader: a blocking open would hang the window here for good.
    EXPECT_FALSE(window->LoadDataFileAt(pipe));
    EXPECT_TRUE(window->LastMessage().contains("benannte Pipe"));
    EXPECT_FALSE(window->SaveDataFile(QString::fromStdString(pipe)));
    EXPECT_TRUE(window->LastMessage().contains("keine gewöhnliche Datei"));
    EXPECT_FALSE(window->SaveResults(QString::fromStdString(pipe)));

    // UTF-16 and binary files are not loaded: the triangle stays.
    for (const std::string& bytes : {std::string("\xFF\xFE"
                                                 "3\0\r\0\n\0",
                                                 8),
                                     std::string("\x7F"
                                                 "ELF\x02\x01\x01",
                                                 7)}) {
        const std::string path = Bytes(dir, "fremd.tmo");
        Put(path, bytes);
        EXPECT_FALSE(window->LoadDataFileAt(path));
        EXPECT_TRUE(window->LastMessage().contains("keine Trimora-Dreiecksdatei"))
            << window->LastMessage().toStdString();
        EXPECT_EQ(window->Field(0)->text(), before);
    }
}

TEST_F(WindowFiles, ATriangleBeyondTheDrawingIsListedAsTypedWithAHint) {
    const char* far[] = {"2000", "0", "0", "0", "0", "1"};
    for (int n = 0; n < 6; ++n)
        window->Field(n)->setText(far[n]);
    window->ShowResults();
    EXPECT_EQ(window->Results()->Line(0).toStdString(), "Punkt A\t( 2000 | 0 )");
    EXPECT_TRUE(window->StatusPanel()->text().contains("Dreieck außerhalb der Zeichnung"));
    const char* near[] = {"1", "2", "-2", "-1", "2", "-1"};
    for (int n = 0; n < 6; ++n)
        window->Field(n)->setText(near[n]);
    window->ShowResults();
    EXPECT_FALSE(window->StatusPanel()->text().contains("Dreieck außerhalb der Zeichnung"));
}

} // namespace
} // namespace trimora
