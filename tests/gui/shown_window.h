// The fixture of the window tests: the main window shown on the offscreen screen, its message
// boxes off.
#pragma once

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>

namespace trimora {

class ShownWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->SetMessageBoxesEnabled(false);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }
    std::unique_ptr<MainWindow> window;
};

} // namespace trimora
