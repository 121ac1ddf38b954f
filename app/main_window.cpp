#include "app/main_window.h"

namespace trimora {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Trimora");
    resize(1032, 688);
}

} // namespace trimora
