// Trimora: without arguments the window opens; with options the command line front end paints
// headless and exits.
#include "app/main_window.h"
#include "cli/cli.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    if (argc > 1) return trimora::RunCommandLine(argc, argv, std::cout, std::cerr);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Trimora 2013");
    trimora::MainWindow window;
    window.show();
    return app.exec();
}
