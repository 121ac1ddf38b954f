// The main window of the program.
#pragma once

#include <QMainWindow>

namespace trimora {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace trimora
