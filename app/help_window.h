// The handbook ("Handbuch", F1): the German handbook shown in a text browser, with its table of
// contents beside it and a search field above it.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;

namespace trimora {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return browser_; }
    QTreeWidget* Contents() const { return contents_; }
    // Finds the next place of `text` after the cursor, from the top again at the end; false: none,
    // and the line beside the search field says "Nichts gefunden".
    bool Find(const QString& text);
    QLabel* SearchResult() const { return found_; }

  private:
    QTextBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* found_ = nullptr;
};

// The handbook's HTML, as the program carries it.
QString HandbookHtml();

} // namespace trimora
