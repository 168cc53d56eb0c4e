#include "qt/qt_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "qt/qt_client_area.h"
#include "qt/qt_keys.h"
#include "qt/qt_platform.h"
#include "qt/qt_status_bar.h"
#include "qt/qt_window_icon.h"

namespace windlass::qt {
namespace {

Qt::WindowFlags DecorationsOf(const FrameStyle& style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style.system_menu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (style.minimise_box) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (style.maximise_box) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (style.topmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

}  // namespace

FrameWindow::FrameWindow(const FrameRequest& request, FrameListener& listener)
    : QWidget(nullptr, DecorationsOf(request.style)), listener_(listener) {
    setWindowTitle(ToQString(request.title));
    setWindowIcon(WindowIconOf(request.icon));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    prompts_ = request.menu_prompts;
    if (!request.menu.empty()) {
        BuildMenuBar(request.menu);
        layout->setMenuBar(menu_bar_);
    }
    client_ = new ClientArea(listener, this);
    layout->addWidget(client_, 1);
    if (request.style.status_bar) {
        auto grip = request.style.sizing_border ? StatusBar::Grip::SizeGrip : StatusBar::Grip::None;
        status_bar_ = new StatusBar(grip, this);
        layout->addWidget(status_bar_);
    }
    AddAccelerators(request.accelerators);
    setFocusProxy(client_);

    int menu_height = 0;
    if (menu_bar_ != nullptr) {
        menu_height = menu_bar_->heightForWidth(request.client_width);
        if (menu_height <= 0) {
            menu_height = menu_bar_->sizeHint().height();
        }
    }
    int status_height = status_bar_ != nullptr ? status_bar_->sizeHint().height() : 0;
    QSize outer(request.client_width, menu_height + request.client_height + status_height);
    if (request.style.sizing_border) {
        resize(outer);
    } else {
        setFixedSize(outer);
    }
    layout->activate();
}

// One entry of a pop-up or of the bar itself. A command directly on the bar is an action of
// the bar, which Qt shows and triggers like a pop-up's title.
void FrameWindow::AddEntry(QWidget* container, const MenuEntry& entry) {
    QString text = ToQString(entry.text);
    QAction* action = nullptr;
    switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            action = new QAction(container);
            action->setSeparator(true);
            break;
        case MenuEntry::Kind::PopUp: {
            auto* menu = new QMenu(text, container);
            menu->setEnabled(!entry.greyed);
            for (const MenuEntry& item : entry.items) {
                AddEntry(menu, item);
            }
            if (!prompts_.empty()) {
                connect(menu, &QMenu::aboutToHide, this, [this] { EndPromptsWhenMenusClose(); });
            }
            action = menu->menuAction();
            break;
        }
        case MenuEntry::Kind::Command: {
            action = new QAction(text, container);
            action->setEnabled(!entry.greyed);
            if (entry.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            int id = entry.id;
            connect(action, &QAction::triggered, this,
                    [this, id] { listener_.OnCommand(id, TimeNow()); });
            break;
        }
    }
    action->setData(entry.id);
    if (!prompts_.empty()) {
        int id = entry.id;
        connect(action, &QAction::hovered, this, [this, id, action] { ShowPrompt(id, action); });
    }
    container->addAction(action);
}

void FrameWindow::ShowPrompt(int command_id, QAction* action) {
    // Highlighting a title of the bar with no menu open is no menu selection.
    bool in_open_menu = QApplication::activePopupWidget() != nullptr ||
                        qobject_cast<QMenu*>(action->parent()) != nullptr;
    if (status_bar_ == nullptr || !in_open_menu) {
        return;
    }
    auto prompt = prompts_.find(command_id);
    status_bar_->ShowSimpleText(prompt != prompts_.end() ? ToQString(prompt->second) : QString());
}

void FrameWindow::EndPromptsWhenMenusClose() {
    // A pop-up hides before the next one opens as the user moves along the bar; the status bar
    // gets its parts back only when no menu is open any more.
    QTimer::singleShot(0, this, [this] {
        if (status_bar_ != nullptr && QApplication::activePopupWidget() == nullptr) {
            status_bar_->EndSimpleText();
        }
    });
}

void FrameWindow::BuildMenuBar(const MenuBar& menu) {
    menu_bar_ = new QMenuBar(this);
    // The bar belongs inside the frame on every platform, never in a global menu of the
    // desktop, where a command directly on the bar would not exist.
    menu_bar_->setNativeMenuBar(false);
    menu_bar_->installEventFilter(this);
    for (const MenuEntry& entry : menu) {
        AddEntry(menu_bar_, entry);
    }
}

void FrameWindow::AddAccelerators(const std::vector<AcceleratorKey>& accelerators) {
    for (const AcceleratorKey& accelerator : accelerators) {
        QKeySequence sequence = KeySequenceOf(accelerator);
        if (sequence.isEmpty()) {
            continue;
        }
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        int id = accelerator.command;
        connect(shortcut, &QShortcut::activated,
                [this, id] { listener_.OnCommand(id, TimeNow()); });
    }
}

FrameMeasures FrameWindow::Measures() const {
    // Qt learns the size of the decorations only once the window manager has framed the
    // window; before that the frame measures as its contents.
    QRect frame = frameGeometry();
    QRect inside = geometry();
    int decoration_width = frame.width() - inside.width();
    int decoration_height = frame.height() - inside.height();
    int status_height = status_bar_ != nullptr ? status_bar_->height() : 0;
    return {width() + decoration_width, height() - status_height + decoration_height,
            status_height};
}

void FrameWindow::Show(FrameShow show) {
    if (show == FrameShow::Hidden) {
        return;
    }
    client_->SkipFirstDisplay();
    winId();
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this);
    }
    if (show == FrameShow::Maximised) {
        showMaximized();
    } else {
        QWidget::show();
    }
    activateWindow();
    client_->setFocus(Qt::OtherFocusReason);
}

void FrameWindow::StartTimer(int timer_id, int milliseconds) {
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second == timer_id) {
            killTimer(it->first);
            timers_.erase(it);
            break;
        }
    }
    int qt_id = startTimer(milliseconds);
    if (qt_id != 0) {
        timers_[qt_id] = timer_id;
    }
}

// What Qt sees of the frame: on Windows a press on the title bar or a border arrives as a
// non-client press, on X11, Wayland and macOS the window manager keeps those presses to itself,
// and the offscreen platform has no frame at all. The menu bar, which lies in the frame on the
// toolkit's first platform, is a widget of the frame everywhere, so a press on it counts as a
// press on the frame on every platform.
bool FrameWindow::event(QEvent* event) {
    if (event->type() == QEvent::NonClientAreaMouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        listener_.OnFrameClick(ButtonOf(mouse->button()), FramePart::Other, TimeNow());
    }
    return QWidget::event(event);
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_bar_ && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        listener_.OnFrameClick(ButtonOf(mouse->button()), FramePart::Other, TimeNow());
        return false;
    }
    // The first exposure of the window paints the client area for the first time; once it is
    // handled, later repaints are the program's business.
    QWindow* window = windowHandle();
    if (watched == window && event->type() == QEvent::Expose) {
        // The window handles the exposure here, while the client area still skips its paints;
        // the filter then stops the event, which has been dealt with.
        watched->event(event);
        if (window->isExposed()) {
            client_->FirstDisplayDone();
            window->removeEventFilter(this);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    listener_.OnCloseRequest(TimeNow());
}

void FrameWindow::timerEvent(QTimerEvent* event) {
    auto it = timers_.find(event->timerId());
    if (it == timers_.end()) {
        QWidget::timerEvent(event);
        return;
    }
    int timer_id = it->second;
    killTimer(event->timerId());
    timers_.erase(it);
    listener_.OnTimer(timer_id, TimeNow());
}

}  // namespace windlass::qt
