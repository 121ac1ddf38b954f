// Trimora: without arguments the window opens; a single ".tmo" file opens the window with that
// triangle; with options the command line front end paints headless and exits.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/picture_export.h"
#include "app/qpainter_canvas.h"
#include "app/translation.h"
#include "cli/cli.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>

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
    const bool openFile = argc == 2 && std::string_view(argv[1]).size() > 0 && argv[1][0] != '-';
    if (argc > 1 && !openFile) {
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
    trimora::MainWindow window;
    if (std::getenv("TRIMORA_QUIT_AFTER_FIRST_PAINT")) {
        // For measuring the start-up: the program ends once the first picture is on the screen.
        window.Drawing()->onPainted = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    }
    window.show();
    if (openFile) window.LoadDataFileAt(argv[1]);
    return app.exec();
}
