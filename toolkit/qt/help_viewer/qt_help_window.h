// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QFrame>
#include <QTextBrowser>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "help/help_document.h"

class QSplitter;
class QToolButton;

namespace windlass::qt {

class HelpFinder;

// Shows topics of a help document in a text browser. Links to other topics ("#context-N")
// open them in the same browser; web links go to the desktop's browser. Anything that cannot
// be shown (a document that does not read, a topic it does not hold) is explained in the
// browser itself.
class TopicBrowser : public QTextBrowser {
  public:
    explicit TopicBrowser(QWidget* parent);

    void ShowTopic(const HelpTopic& topic);
    void ShowMessage(const QString& heading, const QString& text);

    // Called with the context number of a topic link the user followed.
    void OnTopicLink(std::function<void(int)> follow) { follow_ = std::move(follow); }

  private:
    std::function<void(int)> follow_;
};

// The help window: one help document, its topics in a browser with Contents, Back and
// Forward buttons, and, when a contents file belongs to the document, the finder beside it.
// It is a window of its own, not modal; the program's help requests reuse it.
class HelpWindow : public QWidget {
  public:
    HelpWindow();

    // What a request does with the finder: show it with a contents file, hide it, or keep it
    // as it is while the same document stays open (a request for a topic names no contents).
    enum class FinderUse { Show, Hide, KeepForSameDocument };

    // Takes a document read afresh from its file, so that an edited file shows its new state,
    // and with the finder reads its contents file.
    void Open(HelpDocument document, const std::string& document_path, FinderUse finder,
              const std::string& contents_path = {});

    // Shows a topic of the open document; false, with a message in the window, when there is
    // no document or no such topic.
    bool ShowTopic(int context);
    bool ShowContents();

    const std::optional<HelpDocument>& document() const { return document_; }
    // The context number of the topic on show; nothing while a message is shown.
    std::optional<int> current_topic() const { return current_; }
    TopicBrowser* browser() const { return topics_; }
    HelpFinder* finder() const { return finder_; }
    QToolButton* back_button() const { return back_; }
    QToolButton* forward_button() const { return forward_; }

  private:
    // Shows a topic; `remember` adds it to the history that Back and Forward walk.
    bool Display(int context, bool remember, const QString& highlight);
    void ShowProblem(const QString& heading, const QString& text);
    void UpdateButtons();

    std::optional<HelpDocument> document_;
    std::string document_path_;
    // The contents file of the finder while it is shown; empty while it is hidden.
    std::string contents_path_;
    std::optional<int> current_;
    std::vector<int> history_;
    std::size_t history_at_ = 0;
    TopicBrowser* topics_ = nullptr;
    HelpFinder* finder_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QToolButton* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
};

// A topic in a small frameless window beside the mouse pointer, closed by a click anywhere
// else or by Escape, as a pop-up definition is read and dismissed.
class HelpPopup : public QFrame {
  public:
    explicit HelpPopup(QWidget* owner);

    // Shows a topic and sizes the window to it.
    void ShowTopic(const HelpTopic& topic);

    TopicBrowser* browser() const { return topics_; }
    // The document the pop-up reads its linked topics from.
    void SetDocument(std::optional<HelpDocument> document) { document_ = std::move(document); }

  private:
    void FitAndShow();

    TopicBrowser* topics_;
    std::optional<HelpDocument> document_;
};

}  // namespace windlass::qt
