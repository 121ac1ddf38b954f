// Trimora: without arguments the window opens; a single ".tmo" file opens the window with that
// triangle; with options the command line front end paints headless and exits.
#include "app/animation_export.h"
#include "app/core/session.h"
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/picture_export.h"
#include "app/qpainter_canvas.h"
#include "app/translation.h"
#include "app/worksheet.h"
#include "output/savefile.h"
#include "cli/cli.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    // Beyond a file-size limit a write then fails with a message instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The window: no arguments, a data file, or "--fresh" (defaults instead of the last session)
    // with or without a data file.
    const bool fresh = argc >= 2 && std::string_view(argv[1]) == "--fresh";
    const int fileArg = fresh ? 2 : 1;
    const bool openFile = argc == fileArg + 1 && std::string_view(argv[fileArg]).size() > 0 && argv[fileArg][0] != '-';
    const bool windowMode = argc == fileArg || openFile;
    if (!windowMode) {
        // Pictures are drawn with Qt, on the offscreen platform: no display is needed.
        std::unique_ptr<QGuiApplication> gui;
        const trimora::PictureExporter exporter = [&](trimora::Document& doc,
                                                      const trimora::PictureRequest& request) -> std::string {
            if (!gui) {
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
                if (!std::getenv("XDG_RUNTIME_DIR")) {
                    // Qt wants a private runtime folder; make one instead of warning about it.
                    const std::string runtime = "/tmp/runtime-" + std::to_string(getuid());
                    mkdir(runtime.c_str(), 0700);
                    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
                }
                static int qtArgc = 1;
                gui = std::make_unique<QGuiApplication>(qtArgc, argv);
                trimora::RegisterFontFallbacks();
            }
            // The name stays bytes all the way to the file system; only its extension is read.
            if (request.animationFrames > 0) {
                trimora::Session session;
                session.doc = doc;
                session.width = request.width, session.height = request.height;
                session.animation.vertex = request.vertex;
                session.animation.direction = static_cast<trimora::AnimationDirection>(request.direction);
                // A long run tells how far it is, about every second.
                auto next = std::chrono::steady_clock::now() + std::chrono::seconds(1);
                const auto progress = [&next](int done, int frames) {
                    if (std::chrono::steady_clock::now() < next || done == frames) return true;
                    std::cerr << "trimora: Animation: " << done << " von " << frames << " Bildern gezeichnet …\n"
                              << std::flush;
                    next = std::chrono::steady_clock::now() + std::chrono::seconds(1);
                    return true;
                };
                return trimora::ExportAnimation(session, request.width, request.height, request.animationFrames,
                                                request.path, trimora::SpecialFiles::WriteInto, progress)
                    .toStdString();
            }
            if (request.worksheet) {
                QStringList lines;
                for (const std::string& line : request.resultLines) lines << QString::fromStdString(line);
                const QByteArray pdf = trimora::RenderWorksheet(doc, request.width, request.height,
                                                                QString::fromStdString(request.title),
                                                                QDate::currentDate(), lines);
                return trimora::WriteFileAtomically(request.path, pdf.toStdString());
            }
            trimora::PictureFormat format;
            if (!trimora::PictureFormatFromPath(QFile::decodeName(request.path.c_str()), request.bmp16, format))
                return "Unbekanntes Bildformat: " + request.path;
            return trimora::ExportPicture(doc, request.width, request.height, format, request.path,
                                          {request.dpi, request.cmPerUnit}, trimora::SpecialFiles::WriteInto)
                .toStdString();
        };
        return trimora::RunCommandLine(argc, argv, std::cout, std::cerr, exporter);
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::cerr << "trimora: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n"
                     "Ohne Bildschirm rechnet und zeichnet Trimora über die Befehlszeile, z. B.\n"
                     "  trimora --topic \"Feuerbach-Kreis\" --results - --export bild.png\n"
                     "(trimora --help zeigt alle Optionen.)\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Trimora 2013");
    QApplication::setApplicationDisplayName("Trimora");
    trimora::InstallGermanTranslations(app); // Qt's own dialogs speak German too
    trimora::RegisterFontFallbacks();
    QFont font("Verdana");
    font.setPixelSize(13);
    QApplication::setFont(font);
    trimora::MainWindow window(nullptr, fresh ? trimora::MainWindow::Memory::Fresh : trimora::MainWindow::Memory::Restore);
    if (std::getenv("TRIMORA_QUIT_AFTER_FIRST_PAINT")) {
        // For measuring the start-up: the program ends once the first picture is on the screen.
        window.Drawing()->onPainted = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    }
    window.show();
    if (openFile) window.LoadDataFileAt(argv[fileArg]);
    return app.exec();
}
