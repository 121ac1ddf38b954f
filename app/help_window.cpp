#include "app/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

// The handbook lives in the static library's resources: registered by hand.
static void RegisterHandbook() { Q_INIT_RESOURCE(handbook); }

namespace trimora {

QString HandbookHtml() {
    RegisterHandbook();
    QFile file(":/handbook/handbuch.html");
    if (!file.open(QIODevice::ReadOnly)) return "<p>Das Handbuch fehlt in diesem Programm.</p>";
    return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Trimora – Handbuch");
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Suchen:", this));
    search_ = new QLineEdit(this);
    search_->setPlaceholderText("Begriff eingeben, Eingabetaste sucht weiter");
    search_->setClearButtonEnabled(true);
    row->addWidget(search_, 1);
    found_ = new QLabel(this);
    row->addWidget(found_);
    connect(search_, &QLineEdit::textChanged, found_, &QLabel::clear);
    layout->addLayout(row);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    contents_ = new QTreeWidget(splitter);
    contents_->setHeaderLabel("Inhalt");
    browser_ = new QTextBrowser(splitter);
    browser_->setOpenExternalLinks(true);
    const QString html = HandbookHtml();
    browser_->setHtml(html);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setSizes({240, 660});
    layout->addWidget(splitter, 1);

    // The table of contents from the headings and their anchors: <h2 id="…">, <h3 id="…">.
    static const QRegularExpression heading(R"re(<h([23])\s+id="([^"]+)"[^>]*>(.*?)</h\1>)re",
                                            QRegularExpression::DotMatchesEverythingOption);
    QTreeWidgetItem* chapter = nullptr;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString title = m.captured(3);
        title.remove(QRegularExpression("<[^>]*>"));
        auto* item = m.captured(1) == "2" || !chapter ? new QTreeWidgetItem(contents_)
                                                      : new QTreeWidgetItem(chapter);
        if (m.captured(1) == "2") chapter = item;
        item->setText(0, title);
        item->setData(0, Qt::UserRole, m.captured(2));
    }
    contents_->expandAll();
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { browser_->scrollToAnchor(item->data(0, Qt::UserRole).toString()); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { Find(search_->text()); });
}

bool HelpWindow::Find(const QString& text) {
    found_->clear();
    if (text.isEmpty()) return false;
    if (browser_->find(text)) return true;
    // From the top again.
    browser_->moveCursor(QTextCursor::Start);
    if (browser_->find(text)) return true;
    found_->setText("Nichts gefunden");
    return false;
}

} // namespace trimora
