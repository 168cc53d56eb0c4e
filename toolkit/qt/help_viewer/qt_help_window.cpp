#include "qt/help_viewer/qt_help_window.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "help/help_contents.h"
#include "qt/help_viewer/qt_help_finder.h"
#include "qt/qt_text.h"

namespace windlass::qt {
namespace {

// The look of every topic: plain, readable, with ruled tables for the form's fields and ranges.
const char* const kTopicStyle = R"(
h1 { font-size: 15pt; font-weight: bold; color: #1d3f61; margin-bottom: 6px; }
h2 { font-size: 12pt; font-weight: bold; color: #1d3f61; margin-top: 12px; }
p, li { line-height: 125%; }
table { border-collapse: collapse; margin-top: 4px; margin-bottom: 8px; }
th { background-color: #e6edf4; font-weight: bold; text-align: left; }
th, td { border: 1px solid #a9b6c3; padding: 3px 6px; }
code { font-family: monospace; }
.note { background-color: #fdf6dc; }
a { color: #1a5fb4; }
)";

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

}  // namespace

TopicBrowser::TopicBrowser(QWidget* parent) : QTextBrowser(parent) {
    document()->setDefaultStyleSheet(QString::fromLatin1(kTopicStyle));
    document()->setDocumentMargin(12);
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (auto context = LinkedContext(FromQString(url.toString()))) {
            if (follow_) {
                follow_(*context);
            }
            return;
        }
        QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("mailto")) {
            QDesktopServices::openUrl(url);
        }
    });
}

void TopicBrowser::ShowTopic(const HelpTopic& topic) {
    setHtml(QStringLiteral("<h1>") + Escaped(ToQString(topic.title)) + QStringLiteral("</h1>") +
            ToQString(topic.body));
}

void TopicBrowser::ShowMessage(const QString& heading, const QString& text) {
    setHtml(QStringLiteral("<h1>") + Escaped(heading) + QStringLiteral("</h1><p>") + Escaped(text) +
            QStringLiteral("</p>"));
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(QStringLiteral("Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* buttons = new QHBoxLayout();
    auto make_button = [this, buttons](const QString& text, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        buttons->addWidget(button);
        return button;
    };
    contents_ = make_button(QStringLiteral("Contents"), QStyle::SP_DirHomeIcon);
    back_ = make_button(QStringLiteral("Back"), QStyle::SP_ArrowBack);
    forward_ = make_button(QStringLiteral("Forward"), QStyle::SP_ArrowForward);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    finder_ = new HelpFinder(
        [this](int context, const QString& highlight) { Display(context, true, highlight); },
        splitter_);
    topics_ = new TopicBrowser(splitter_);
    topics_->OnTopicLink([this](int context) { Display(context, true, {}); });
    splitter_->addWidget(finder_);
    splitter_->addWidget(topics_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({310, 650});
    finder_->setVisible(false);
    layout->addWidget(splitter_, 1);

    connect(contents_, &QToolButton::clicked, this, [this] { ShowContents(); });
    connect(back_, &QToolButton::clicked, this, [this] {
        if (history_at_ > 0) {
            --history_at_;
            Display(history_[history_at_], false, {});
        }
    });
    connect(forward_, &QToolButton::clicked, this, [this] {
        if (history_at_ + 1 < history_.size()) {
            ++history_at_;
            Display(history_[history_at_], false, {});
        }
    });
    resize(960, 660);
    UpdateButtons();
}

void HelpWindow::Open(HelpDocument document, const std::string& document_path, FinderUse finder,
                      const std::string& contents_path) {
    std::string contents;
    if (finder == FinderUse::Show) {
        contents = contents_path;
    } else if (finder == FinderUse::KeepForSameDocument && document_path == document_path_) {
        contents = contents_path_;
    }
    document_path_ = document_path;
    contents_path_.clear();
    history_.clear();
    history_at_ = 0;
    current_.reset();
    document_ = std::move(document);
    setWindowTitle(ToQString(document_->title));
    if (contents.empty()) {
        finder_->setVisible(false);
    } else {
        contents_path_ = contents;
        finder_->Load(*document_, ReadHelpContents(contents));
        finder_->setVisible(true);
    }
}

bool HelpWindow::ShowTopic(int context) {
    return Display(context, true, {});
}

bool HelpWindow::ShowContents() {
    if (!document_) {
        return false;
    }
    return Display(document_->ContentsTopic().context, true, {});
}

bool HelpWindow::Display(int context, bool remember, const QString& highlight) {
    const HelpTopic* topic = document_ ? document_->Find(context) : nullptr;
    if (topic == nullptr) {
        ShowProblem(QStringLiteral("No such topic"),
                    document_
                        ? QStringLiteral("This help document has no topic number %1.").arg(context)
                        : QStringLiteral("No help document is open."));
        return false;
    }
    topics_->ShowTopic(*topic);
    current_ = context;
    if (remember) {
        if (!history_.empty()) {
            history_.resize(history_at_ + 1);
        }
        history_.push_back(context);
        history_at_ = history_.size() - 1;
    }
    // A topic found by a search opens at the first of the words searched for.
    QString first_word = highlight.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (!first_word.isEmpty()) {
        topics_->moveCursor(QTextCursor::Start);
        topics_->find(first_word);
    }
    UpdateButtons();
    return true;
}

void HelpWindow::ShowProblem(const QString& heading, const QString& text) {
    current_.reset();
    topics_->ShowMessage(heading, text);
    UpdateButtons();
}

void HelpWindow::UpdateButtons() {
    contents_->setEnabled(document_.has_value());
    back_->setEnabled(history_at_ > 0);
    forward_->setEnabled(history_at_ + 1 < history_.size());
}

HelpPopup::HelpPopup(QWidget* owner) : QFrame(owner, Qt::Popup) {
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    topics_ = new TopicBrowser(this);
    topics_->setFrameShape(QFrame::NoFrame);
    topics_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    topics_->OnTopicLink([this](int context) {
        const HelpTopic* topic = document_ ? document_->Find(context) : nullptr;
        if (topic != nullptr) {
            ShowTopic(*topic);
        }
    });
    layout->addWidget(topics_);
}

void HelpPopup::ShowTopic(const HelpTopic& topic) {
    topics_->ShowTopic(topic);
    FitAndShow();
}

void HelpPopup::FitAndShow() {
    constexpr int kWidth = 420;
    constexpr int kMostHeight = 420;
    topics_->document()->setTextWidth(kWidth - 2);
    int wanted_height = static_cast<int>(topics_->document()->size().height()) + 4;
    resize(kWidth, std::min(wanted_height, kMostHeight));
    // Beside the pointer, kept on the screen the pointer is on.
    QPoint corner = QCursor::pos() + QPoint(12, 12);
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) {
        QRect room = screen->availableGeometry();
        corner.setX(
            std::clamp(corner.x(), room.left(), std::max(room.left(), room.right() - width())));
        corner.setY(std::clamp(corner.y(), room.top(),
                               std::max(room.top(), room.bottom() - this->height())));
    }
    move(corner);
    show();
    raise();
}

}  // namespace windlass::qt
