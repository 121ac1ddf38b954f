// Trimora: without arguments the window opens; a single ".tmo" file opens the window with that
// triangle; with options the command line front end paints headless and exits.
#include "app/main_window.h"
#include "app/qpainter_canvas.h"
#include "cli/cli.h"

#include <QApplication>

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    const bool openFile = argc == 2 && std::string_view(argv[1]).size() > 0 && argv[1][0] != '-';
    if (argc > 1 && !openFile) return trimora::RunCommandLine(argc, argv, std::cout, std::cerr);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Trimora 2013");
    QApplication::setApplicationDisplayName("Trimora");
    trimora::RegisterFontFallbacks();
    QFont font("Verdana");
    font.setPixelSize(13);
    QApplication::setFont(font);
    trimora::MainWindow window;
    window.show();
    if (openFile) window.LoadDataFile(QString::fromLocal8Bit(argv[1]));
    return app.exec();
}
