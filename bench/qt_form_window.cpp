// The yardstick of the program's start-up: the program's main window written directly in Qt
// Widgets, with no Windlass. It makes what Heatwise shows at its first wait, from the same
// compiled resources: the menu bar of the menu resource, a status bar of three equal parts
// with the program's three texts, and the 162 controls of the main form at their places in
// the form's dialog units, the city list filled with its 211 entries. It reads the city file,
// cities.dat, simply (one number after another), and writes the line "first wait" on standard
// output where its start-up is over. Its one argument says where:
//   loop-entry  just before its event loop first runs, the point at which Heatwise stops at its
//               first wait;
//   painted     once it has dealt with every event there is without waiting for more, the
//               window's first paint among them, where Heatwise stops when it is started with
//               "first-paint".
// The resource table comes from the source that heatwise-rc generates; this program takes it
// in through its own RegisterResources below, so no part of the toolkit is linked. Only the
// plain data types of the toolkit's resource header are used.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "resources/resource_lookup.h"

namespace windlass {

namespace {
std::span<const Resource> registered;
}  // namespace

// The generated source hands its table over here before main() runs.
void RegisterResources(std::span<const Resource> table) {
    registered = table;
}

}  // namespace windlass

namespace {

using windlass::DialogControl;
using windlass::DialogTemplate;
using windlass::MenuItem;
using windlass::MenuItemKind;

// Window styles of the templates, as the resource compiler writes them.
constexpr std::uint32_t kDisabled = 0x08000000u;
constexpr std::uint32_t kGroupStart = 0x00020000u;
constexpr std::uint32_t kButtonKind = 0x0000000Fu;
constexpr std::uint32_t kCheckBox = 0x2u;
constexpr std::uint32_t kAutoCheckBox = 0x3u;
constexpr std::uint32_t kGroupBox = 0x7u;
constexpr std::uint32_t kAutoRadioButton = 0x9u;
constexpr std::uint32_t kTextRight = 0x2u;
constexpr std::uint32_t kTextCentre = 0x1u;

constexpr int kMenuType = 4;
constexpr int kDialogType = 5;
constexpr int kDataType = 10;
constexpr int kMainMenu = 30001;
constexpr int kMainForm = 102;
constexpr int kCityList = 1112;

const windlass::Resource* Find(int type, int id) {
    for (const windlass::Resource& resource : windlass::registered) {
        if (resource.type.IsNumber() && resource.type.Number() == type && resource.id.IsNumber() &&
            resource.id.Number() == id) {
            return &resource;
        }
    }
    return nullptr;
}

// Kept out of line, so that a profiler can stop its count where the start-up ends.
[[gnu::noinline]] void ReportStartUpOver() {
    std::fputs("first wait\n", stdout);
    std::fflush(stdout);
}

void AddMenuItems(QWidget* container, const MenuItem* items, int count) {
    for (int i = 0; i < count; ++i) {
        const MenuItem& item = items[i];
        const QString text = QString::fromLatin1(item.text);
        if (item.kind == MenuItemKind::kPopup) {
            auto* menu = new QMenu(text, container);
            AddMenuItems(menu, item.items, item.item_count);
            container->addAction(menu->menuAction());
        } else if (item.kind == MenuItemKind::kSeparator) {
            auto* separator = new QAction(container);
            separator->setSeparator(true);
            container->addAction(separator);
        } else {
            container->addAction(new QAction(text, container));
        }
    }
}

// The 211 texts of the city list from the form's companion text: the lines that follow the
// list's own line "1112 211 1 " in its [Menus] section.
std::vector<QString> CityNames() {
    std::vector<QString> names;
    const windlass::Resource* companion = Find(kDataType, kMainForm);
    if (companion == nullptr) {
        return names;
    }
    std::istringstream text(
        std::string(reinterpret_cast<const char*>(companion->bytes), companion->size));
    std::string line;
    int wanted = 0;
    while (std::getline(text, line)) {
        if (wanted > 0) {
            names.push_back(QString::fromLatin1(line.c_str()));
            --wanted;
        } else if (line.starts_with(std::to_string(kCityList) + " ")) {
            std::istringstream numbers(line);
            int id = 0;
            numbers >> id >> wanted;
        }
    }
    return names;
}

// A file of whole numbers between blanks, read one after another; their count.
int ReadNumbers(const char* path) {
    std::ifstream file(path);
    int count = 0;
    for (long value = 0; file >> value;) {
        ++count;
    }
    return count;
}

struct BaseUnits {
    int x = 1;
    int y = 1;
};

int Scaled(int value, int units, int denominator) {
    return (value * units + denominator / 2) / denominator;
}

QRect Place(const DialogControl& control, BaseUnits units) {
    return {Scaled(control.x, units.x, 4), Scaled(control.y, units.y, 8),
            Scaled(control.width, units.x, 4), Scaled(control.height, units.y, 8)};
}

QWidget* MakeControl(const DialogControl& control, QWidget* form, QButtonGroup*& group,
                     const std::vector<QString>& cities) {
    const std::string_view kind = control.class_name;
    const QString text = QString::fromLatin1(control.text);
    const std::uint32_t style = control.style;
    if (kind == "STATIC") {
        auto* label = new QLabel(text, form);
        if (style & kTextRight) {
            label->setAlignment(Qt::AlignRight);
        } else if (style & kTextCentre) {
            label->setAlignment(Qt::AlignHCenter);
        }
        return label;
    }
    if (kind == "COMBOBOX") {
        auto* combo = new QComboBox(form);
        combo->setEditable(true);
        for (const QString& city : cities) {
            combo->addItem(city);
        }
        return combo;
    }
    if (kind == "BUTTON") {
        const std::uint32_t button = style & kButtonKind;
        if (button == kGroupBox) {
            return new QGroupBox(text, form);
        }
        if (button == kAutoRadioButton) {
            if (group == nullptr || (style & kGroupStart)) {
                group = new QButtonGroup(form);
            }
            auto* radio = new QRadioButton(text, form);
            group->addButton(radio);
            return radio;
        }
        if (button == kCheckBox || button == kAutoCheckBox) {
            return new QCheckBox(text, form);
        }
        return new QPushButton(text, form);
    }
    // The numeric fields and plain edit fields alike.
    auto* edit = new QLineEdit(text, form);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QWidget* MakeForm(const DialogTemplate& dialog) {
    auto* form = new QWidget;
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const double dots = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    font.setPixelSize(static_cast<int>(std::lround(dialog.font_point_size * dots / 72.0)));
    form->setFont(font);
    QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const BaseUnits units{(alphabet / 26 + 1) / 2, metrics.height()};
    form->setFixedSize(Scaled(dialog.width, units.x, 4), Scaled(dialog.height, units.y, 8));
    const std::vector<QString> cities = CityNames();
    QButtonGroup* group = nullptr;
    for (int i = 0; i < dialog.control_count; ++i) {
        const DialogControl& control = dialog.controls[i];
        QWidget* widget = MakeControl(control, form, group, cities);
        QRect area = Place(control, units);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // The template's height is that of the opened list.
            area.setHeight(combo->sizeHint().height());
        }
        widget->setGeometry(area);
        widget->setEnabled((control.style & kDisabled) == 0);
    }
    return form;
}

}  // namespace

int main(int argc, char** argv) {
    const bool painted = argc == 2 && std::strcmp(argv[1], "painted") == 0;
    if (argc != 2 || (!painted && std::strcmp(argv[1], "loop-entry") != 0)) {
        std::fprintf(stderr, "usage: %s loop-entry|painted\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    const windlass::Resource* menu = Find(kMenuType, kMainMenu);
    const windlass::Resource* dialog = Find(kDialogType, kMainForm);
    if (menu == nullptr || dialog == nullptr) {
        std::fputs("the menu or the form is missing from the resources\n", stderr);
        return 1;
    }
    if (ReadNumbers("cities.dat") != 3 * 211) {
        std::fputs("cities.dat is missing from the working folder or incomplete\n", stderr);
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Heatwise 2.0"));
    AddMenuItems(window.menuBar(), menu->menu->items, menu->menu->item_count);
    for (const char* text : {"Bozeman, Montana", "Quillmoor Software, Inc.", "Founded in 1984"}) {
        auto* part = new QLabel(QString::fromLatin1(text));
        part->setAlignment(Qt::AlignHCenter);
        window.statusBar()->addWidget(part, 1);
    }
    window.setCentralWidget(MakeForm(*dialog->dialog));
    window.show();
    if (!painted) {
        ReportStartUpOver();
        return 0;
    }
    // Each round dispatches what is there without blocking; the window is exposed in one round
    // and painted in the same or the next. The first round that finds nothing ends the wait.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    while (dispatcher->processEvents(QEventLoop::AllEvents)) {
    }
    ReportStartUpOver();
    return 0;
}
