/**
 * @file windlass.h
 * @brief Windlass, the window and dialog toolkit: the one public header.
 *
 * Conventions that hold for every procedure declared here:
 * - Whole numbers are `int` (32-bit), reals `float`, doubles `double`. A result argument is
 *   a non-const reference; an input number is taken by value.
 * - An input text is a `std::string_view`; its trailing blanks are ignored.
 * - A result text is a `std::string&` whose size on entry is its fixed length: the procedure
 *   writes into it blank-padded, or cut, to exactly that length.
 * - Trailing arguments that may be absent have default arguments.
 * - No procedure returns a status. A failure raises a numeric error code that the program
 *   reads, and clears, with InfoError().
 *
 * The platform: the library Windlass::windlass, the core, draws nothing itself. A program that
 * shows windows links a backend too and installs it before WInitialise(): Windlass::windlass_qt
 * and WInstallQtBackend() for Qt Widgets. A program that installs none (one that links only
 * the core, for the conversions say) runs all the same: everything that needs no window works
 * (conversions, settings, environment, error reporting, the debug file), and whatever needs a
 * window fails as it does where no display can be opened (see InfoDisplay()).
 *
 * Sections:
 *  1. Error codes
 *  2. Error reporting
 *  3. Number and text conversion
 *  4. Initialisation and settings
 *  5. Windows and status bar
 *  6. Messages
 *  7. Dialogs
 *  8. Dialog fields
 *  9. Help
 */
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// ---------------------------------------------------------------------------------------------
// 1. Error codes
// ---------------------------------------------------------------------------------------------

/** @name Error codes raised by the toolkit (read with InfoError(1)). */
///@{
constexpr int ERR_OPEN_FILE = 1;            ///< Error opening file or device.
constexpr int ERR_NUMBER_TOO_LARGE = 4;     ///< Number too large in string to numeric conversion.
constexpr int ERR_NO_SUBSTRING = 10;        ///< No substring found (blank text).
constexpr int ERR_DECIMAL_POINTS = 11;      ///< More than one decimal point in number.
constexpr int ERR_INVALID_CHARACTER = 12;   ///< Invalid character detected.
constexpr int ERR_OS_COMMAND = 13;          ///< Operating system command error in an OS routine.
constexpr int ERR_NUMERIC_TO_STRING = 18;   ///< Numeric to string conversion error.
constexpr int ERR_COMMON_DIALOG = 1004;     ///< General error in common dialog.
constexpr int ERR_NO_DIALOG = 1005;         ///< No dialogs currently loaded.
constexpr int ERR_FIELD_IDENTIFIER = 1006;  ///< Invalid field identifier.
constexpr int ERR_DIALOG_LOAD = 1007;       ///< Unable to load dialog from resource.
constexpr int ERR_DIALOG_SELECT = 1008;     ///< Unable to select specified dialog.
constexpr int ERR_FIELD_RANGE = 1009;       ///< Attempt to store an out of range field value.
constexpr int ERR_FIELD_UNDEFINED = 1010;   ///< Field value undefined.
constexpr int ERR_OPTION_RANGE = 1011;      ///< Option number out of range or invalid item ID.
constexpr int ERR_PROGRESS_RANGE = 1013;    ///< Invalid range specified for progress bar.
constexpr int ERR_DIALOG_MODE = 1014;       ///< Invalid dialog mode requested.
constexpr int ERR_ROOT_HIDDEN = 1016;       ///< Unable to display window/dialog: root hidden.
constexpr int ERR_TEXT_TOO_SMALL = 1023;    ///< Variable too small to receive text.
constexpr int ERR_TRACKBAR_RANGE = 1029;    ///< Invalid range specified for trackbar.
constexpr int ERR_HELP_VIEWER = 1030;       ///< General help viewer error.
constexpr int ERR_HELP_EXTENSION = 1031;    ///< Not a valid help file extension.
constexpr int ERR_DIALOG_STYLE = 1045;      ///< Dialog has the wrong style to be combined.
constexpr int ERR_ROOT_COMBINED = 1046;     ///< Root window is combined with a dialog.
constexpr int ERR_DIALOG_COMBINED = 1047;   ///< Current dialog is combined with a window.
///@}

// ---------------------------------------------------------------------------------------------
// 2. Error reporting
// ---------------------------------------------------------------------------------------------

/**
 * @brief Reads, and clears, one of the error slots.
 * @param itype 1 the last toolkit error, 2 the last file status, 3 the last OS error; the slot
 *              read is set to 0. Any other value returns the previous call's result and clears
 *              nothing.
 * @return The slot's value (or the previous result).
 */
int InfoError(int itype);

/**
 * @brief Copies the message text of an error code into @p message, blank-padded or cut to its
 * length; a code without text gives a blank message.
 */
void WInfoErrorMessage(int ierr, std::string& message);

/**
 * @brief Appends @p text (cut to 511 characters) and CR LF to the debug file, which is created
 * on first use as "debug", else "debug.txt", else "debug.dat" in the current directory.
 */
void IDebug(std::string_view text);

/**
 * @brief Shows a modal message box and waits for the user; read the button with WInfoDialog(4).
 *
 * Where nobody can answer (a display that no screen shows, such as Qt's offscreen or minimal
 * platform, or no display at all), no box is shown and nothing waits: the title and text are
 * written on standard error and the box answers as if its default button (@p idefault) had been
 * pressed. The same holds for every other box the toolkit shows, such as the one of
 * IOsExitProgram().
 * @param btype 0 OK; 1 OK, Cancel; 2 Retry, Cancel; 3 Yes, No; 4 Yes, No, Cancel;
 *              5 Abort, Retry, Ignore; anything else OK.
 * @param icon 1 stop, 2 question, 3 exclamation, 4 information, anything else none.
 * @param idefault The button that has the focus first (1 first, 2 second, else the last).
 * @param message The text, shown without trailing blanks.
 * @param title The title, shown without trailing blanks.
 */
void WMessageBox(int btype, int icon, int idefault, std::string_view message,
                 std::string_view title);

/**
 * @brief Dialog information items. Item 4 is the exit button of the last WMessageBox:
 * 1 for OK, Retry or Yes; 0 for Cancel or Ignore; 2 for Abort or No; -1 on failure.
 * Item 2 is the exit field of the last dialog.
 */
int WInfoDialog(int item);

// ---------------------------------------------------------------------------------------------
// 3. Number and text conversion
// ---------------------------------------------------------------------------------------------

/**
 * @brief Writes an integer into @p text under a format such as "(I11)". A value that does not
 * fit becomes ten asterisks and raises ERR_NUMERIC_TO_STRING.
 */
void IntegerToString(int value, std::string& text, std::string_view format);

/**
 * @brief Writes a real into @p text under a format: "(Fw.d)", "(Ew.d)", "(Ew.dEe)",
 * "(Dw.d)", "(Gw.d)" or "(Gw.dEe)". A value that does not fit becomes ten asterisks and
 * raises ERR_NUMERIC_TO_STRING.
 */
void IRealToString(float value, std::string& text, std::string_view format);

/** @brief As IRealToString() for a double. */
void IDoubleToString(double value, std::string& text, std::string_view format);

/**
 * @brief Reads a signed 32-bit integer from @p text (blanks around it allowed). On failure the
 * result is 0 and ERR_NO_SUBSTRING, ERR_INVALID_CHARACTER or ERR_NUMBER_TOO_LARGE is raised.
 */
void IStringToInteger(std::string_view text, int& value);

/**
 * @brief Reads a real from @p text: digits with one optional decimal point, an optional sign,
 * and an optional exponent ("E" or "e", or a sign three characters before the end).
 * On failure the result is 0 and an error is raised.
 */
void IStringToReal(std::string_view text, float& value);

/** @brief As IStringToReal() for a double; "D" and "d" also mark the exponent. */
void IStringToDouble(std::string_view text, double& value);

/**
 * @brief Moves the non-blank part of @p text to the left ("L"), to the right ("R") or to the
 * centre (any other option) of its length.
 */
void IJustifyString(std::string& text, std::string_view option);

/**
 * @brief Finds the 1-based positions of the first and last non-blank characters of @p text;
 * both are 0 for a blank text.
 */
void ILocateString(std::string_view text, int& first, int& last);

// ---------------------------------------------------------------------------------------------
// 4. Initialisation and settings
// ---------------------------------------------------------------------------------------------

/**
 * @brief Makes Qt Widgets the platform that the toolkit's windows, dialogs, message boxes and
 * help viewer are shown with. Defined by the library Windlass::windlass_qt, which a program
 * that calls it links; call it once, before WInitialise(). Later calls change nothing.
 *
 * Qt opens the display on the first need of it, WInitialise() at the latest. Where none can be
 * opened (DISPLAY and WAYLAND_DISPLAY unset, or naming a display no server answers) the program
 * goes on without one: see InfoDisplay().
 */
void WInstallQtBackend();

/**
 * @brief Initialises the toolkit: display, toolkit directory, settings file, command line and
 * debug level. Later calls return at once. A missing display stops nothing here: it is noted
 * for InfoDisplay().
 * @param inifile An optional settings file that takes precedence over the one found by the
 *                environment ("WLINIT") or in the current or toolkit directory.
 */
void WInitialise(std::string_view inifile = {});

/**
 * @brief Whether windows can be shown: 1 when WInitialise() found a display, 0 when it found
 * none (no display could be opened, or no backend is installed) or has not run.
 *
 * Without a display everything that needs no window works as ever, and each procedure that
 * must make a window fails as one whose window the platform refuses: WindowOpen2() ends the
 * program (exit code 0) after its box "Failed to create window - aborting.", WDialogLoad()
 * raises ERR_DIALOG_LOAD, WHelpFile1() ERR_HELP_VIEWER for a help document, and a message box
 * is written on standard error and answers with its default button (see WMessageBox()). A
 * program that cannot do without its window asks here first and tells its user what to do.
 */
int InfoDisplay();

/**
 * @brief As InfoDisplay(), also giving in @p reason, blank-padded or cut to its length, why
 * there is no display (such as "DISPLAY is not set"); blank when there is one.
 */
int InfoDisplay(std::string& reason);

/**
 * @brief Copies the value of environment variable @p name into @p value, blank-padded; an unset
 * variable gives a blank value, and a value too long for @p value leaves it blank and raises
 * ERR_TEXT_TOO_SMALL.
 */
void IOsVariable(std::string_view name, std::string& value);

/** @brief The current directory, blank-padded; blank with ERR_OS_COMMAND on failure. */
void IOsDirName(std::string& dirname);

/** @brief Sets the debug level (0 silent, 1 standard error, 2 debug file, 3 status bar,
 *  4 message box); values outside 0..4 are ignored. */
void IDebugLevel(int level);

/** @brief Which occurrence IndexNoCase() looks for. */
enum class SearchFrom { Front, Back };

/**
 * @brief The 1-based position of @p substring in @p string, ignoring letter case; 0 when absent
 * or when @p substring is longer than @p string.
 */
int IndexNoCase(std::string_view string, std::string_view substring,
                SearchFrom from = SearchFrom::Front);

/**
 * @brief Ends the process with exit code @p iexit, after a message box titled "Windlass" that
 * shows "Abnormal exit (code N) : " and @p message when @p message is not blank.
 */
[[noreturn]] void IOsExitProgram(std::string_view message, int iexit);

// ---------------------------------------------------------------------------------------------
// 5. Windows and status bar
// ---------------------------------------------------------------------------------------------

/** @name Window flags (bits of the FLAGS argument of WindowOpen2; other bits have no effect). */
///@{
constexpr int WF_SYSMENU = 1;     ///< The frame has the system menu and close box.
constexpr int WF_MINBOX = 2;      ///< Minimise box.
constexpr int WF_MAXBOX = 4;      ///< Maximise box.
constexpr int WF_MAXIMISED = 8;   ///< Open maximised.
constexpr int WF_STATUSBAR = 32;  ///< Create a status bar.
constexpr int WF_FIXEDSIZE = 64;  ///< No sizing border, and no size grip on the status bar.
constexpr int WF_HIDDEN = 128;    ///< Create the window hidden.
constexpr int WF_TOPMOST = 512;   ///< Always on top of other windows.
///@}

/** @brief The X or Y of WindowOpen2 that centres the window on the screen along that axis. */
constexpr int WINDOW_CENTRED = -999999;

/**
 * @brief Opens the program's main window: a frame with a title, an optional menu bar, an
 * optional status bar and a client area. Does nothing when the main window is already open.
 *
 * Every argument may be left out; an argument given with its default value behaves exactly as
 * one left out.
 *
 * @param flags Window flags (WF_...); 7 when absent. When a form is shown as the client area
 *              the maximise box, the maximised and the hidden start are dropped and the size
 *              is fixed (39 becomes 99).
 * @param x, y Screen pixels of the frame's top-left corner; WINDOW_CENTRED centres the frame
 *             on the screen.
 * @param width, height Client size in pixels; under 1 gives 80 % of the screen's width or
 *                      height.
 * @param menuid Menu resource id, 0 for none. The data resource of the same id numbers the
 *               menu's pop-up items.
 * @param toolbars Toolbar resource ids (top, left, right, bottom), 0 for none.
 * @param idialog Id of a form to show as the client area, 0 for none; the window then takes
 *                the form's size. A form that cannot be loaded raises ERR_DIALOG_LOAD, one of
 *                the wrong style ERR_DIALOG_STYLE; the window opens without it.
 * @param title The window title, without its trailing blanks.
 * @param ncol Graphics colours on a 256-colour display: 16, 32, 64 or 128; any other value
 *             gives 16.
 *
 * A window that the platform cannot make (there is no display, see InfoDisplay()) leaves
 * nothing to show the program in: a box "Failed to create window - aborting." titled "Windlass
 * Window" says so, and the program ends with exit code 0.
 */
void WindowOpen2(int flags = 7, int x = WINDOW_CENTRED, int y = WINDOW_CENTRED, int width = 0,
                 int height = 0, int menuid = 0, std::array<int, 4> toolbars = {}, int idialog = 0,
                 std::string_view title = {}, int ncol = 16);

/**
 * @brief Closes the main window with everything the toolkit made for it, and resets the
 * message-enable table (see WMessageEnable()).
 */
void WindowClose();

/**
 * @brief Divides the status bar of the current window into parts.
 * @param nparts The number of parts, 1 to 255; any other value leaves the bar as it is.
 * @param iwidths The width of each part in window units of the client width, or -1 for a part
 *                that reaches the right end of the bar (the parts after it have no room).
 *                Widths missing from the array count as -1.
 * @param itypes The border of each part: 0 none, 2 raised, anything else sunken; absent (or
 *               missing for a part) gives sunken.
 */
void WindowStatusBarParts(int nparts, std::span<const int> iwidths,
                          std::span<const int> itypes = {});

/**
 * @brief Writes @p text, without its trailing blanks, into part @p ipart (1 to 255) of the
 * current window's status bar. Text after a first TAB is centred in the part, text after a
 * second TAB right-aligned. Nothing happens for other part numbers, for a part the bar does
 * not have, or when the window has no status bar.
 */
void WindowOutStatusBar(int ipart, std::string_view text);

/**
 * @brief Converts a position in window units (0 to 9999 across each axis of the current
 * window's client area) to pixels: units × (size − 1) / 9999.
 */
void WindowUnitsToPixels(int ix, int iy, int& px, int& py);

/**
 * @brief Converts a pixel position in the current window's client area to window units:
 * (pixels + 0.5) × 9999 / size to the nearest unit, 0 along an axis under 2 pixels.
 */
void WindowUnitsFromPixels(int px, int py, int& ix, int& iy);

// ---------------------------------------------------------------------------------------------
// 6. Messages
// ---------------------------------------------------------------------------------------------

/** @name Message types returned by WMessage(). Type 14 has an enable flag but never arrives. */
///@{
constexpr int MSG_KEY = 1;           ///< Key in a client area: data1 key code, x, y position.
constexpr int MSG_MENU = 2;          ///< Menu item or accelerator: data1 command id.
constexpr int MSG_BUTTON = 3;        ///< Push button of a dialog: data1 button, data2 field.
constexpr int MSG_MOUSE_DOWN = 4;    ///< Mouse button pressed: data1 button, data2 modifiers.
constexpr int MSG_MOUSE_UP = 5;      ///< Mouse button released: as MSG_MOUSE_DOWN.
constexpr int MSG_MOUSE_MOVE = 6;    ///< Mouse moved: as MSG_MOUSE_DOWN with data1 -1.
constexpr int MSG_EXPOSE = 7;        ///< Area to repaint: data1, data2 size, x, y corner.
constexpr int MSG_RESIZE = 8;        ///< Client area resized: data1, data2 size in pixels.
constexpr int MSG_CLOSE = 9;         ///< The user asked to close the window.
constexpr int MSG_FIELD = 10;        ///< Dialog field changed: data1 previous, data2 current.
constexpr int MSG_TAB = 11;          ///< Tab selected in a tabbed dialog.
constexpr int MSG_FRAME_CLICK = 12;  ///< Mouse button pressed on the frame: data1 button.
constexpr int MSG_TIMER = 13;        ///< A toolkit timer expired (and stopped): data1 timer id.
constexpr int MSG_VIEWER = 15;       ///< Bitmap viewer notification.
///@}

/**
 * @brief What WMessage() reports about a message. Values that do not apply to a type are -1.
 *
 * Key codes (data1 of MSG_KEY): the character a key produces; Shift+Tab 274; Up 258, Down 259,
 * Right 260, Left 261 (plus 4 with Shift, plus 8 with Ctrl); Page Up 262, Page Down 263,
 * Home 270, End 271, Insert 272, Delete 273, Print Screen 300; F1 to F20 301 to 320 (321 to
 * 340 with Shift, 341 to 360 with Ctrl); keypad 0 to 9 280 to 289, minus 290, decimal point
 * 291, plus 292, divide 293, multiply 294; other keys without a character their platform
 * virtual-key code. Shift, Ctrl, Alt and the lock keys alone give no message.
 *
 * Mouse modifier bits (data2 of mouse messages): 1 Ctrl, 2 Shift, 4 left button down,
 * 8 middle button down, 16 right button down. Mouse buttons: 1 left, 2 middle, 3 right.
 */
struct MessageRecord {
    /// Where the message arose: the window slot (0 = main window), or a dialog's id.
    int window = -1;
    /// The type-dependent values.
    int data1 = -1;
    int data2 = -1;
    int data3 = -1;
    int data4 = -1;
    /// The position; in window units for window messages.
    int x = -1;
    int y = -1;
    /// MSG_EXPOSE: the size of the area in graphics coordinates.
    float graph_width = 0.0f;
    float graph_height = 0.0f;
    /// Key, mouse, expose and viewer messages: the position in graphics coordinates, which
    /// run from 0 to 9999 across the client area with y measured upward from its bottom.
    float graph_x = 0.0f;
    float graph_y = 0.0f;
    /// The platform's time stamp of the event, milliseconds.
    int time = 0;
};

/**
 * @brief Waits for the next message of an enabled type and returns its type in @p itype and
 * its values in @p mesg. Repaints and resizes that happened while the program was busy come
 * first, a repaint then covering the whole client area. There is no time-out. A message of a
 * disabled type is dropped and the wait goes on, also while only a dialog is open (a program
 * made of modeless dialogs waits for their messages).
 *
 * With nothing open at all (no window, no dialog on the screen) no message could ever come, so
 * the call does not wait: it returns at once with MSG_CLOSE for window 0, or, when close
 * requests are disabled, with @p itype 0 and a record whose values are all -1 (0 for the
 * time), so that the program's loop can end.
 */
void WMessage(int& itype, MessageRecord& mesg);

/**
 * @brief Switches message type @p itype (1 to 15) on (@p istate not 0) or off (0); other
 * types are ignored. At start types 1 to 4, 7 to 9, 13 and 14 are on; WindowClose() switches
 * all on except 5, 6, 10, 11 and 12. A type that is off is dropped where it arises.
 */
void WMessageEnable(int itype, int istate);

// ---------------------------------------------------------------------------------------------
// 7. Dialogs
// ---------------------------------------------------------------------------------------------

/**
 * @page common_controls Common controls, pictures and colours in dialogs
 *
 * Besides buttons, labels, edit fields, list and combo boxes and the numeric edit classes, a
 * dialog template may hold these controls, by the class names of the system the templates
 * were first written for (in any letter case). On Qt each becomes the widget a Qt user knows:
 *
 * - "msctls_trackbar32": a slider, from 0 to 100 until a range is given. Style 0x01 puts a
 *   tick at every step, 0x02 makes it vertical (minimum at the top), 0x04 puts the ticks above
 *   or left, 0x08 on both sides, 0x10 leaves them out, 0x20 lets it show a selection.
 * - "msctls_progress32": a progress bar without text, from 0 to 100 until a range is given;
 *   style 0x04 makes it vertical.
 * - "SysTabControl32": a row of tabs over the area where the selected page is shown.
 * - "SysTreeView32": a tree without a column header; style 0x01 gives it expand buttons.
 * - "msctls_updown32": a pair of arrows standing on their own, up and down, or left and right
 *   with style 0x40; they step a whole number, from 0 to 100 until a range is given.
 * - "SysHeader32": a row of column captions, the template text split at its tab characters.
 *
 * Progress bars, headers and up-down arrows never take the focus. The arrow keys belong to a
 * focused trackbar, tree view or tab control, as they do to an edit field. Tab on a tab
 * control goes on into the page it shows; Tab from the page's last control goes on to the
 * control after the tab control, and Shift+Tab from the page's first control back to the tab
 * control.
 *
 * Companion data (the RCDATA resource of the dialog's id):
 * - "[Ranges]" gives a progress bar or trackbar its range and places its bar or thumb at the
 *   number of its template text; a range whose minimum is not below its maximum is passed
 *   over. Every other control keeps the range as its field's range.
 * - "[Trackbars]": a trackbar's id, tick frequency, page step (Page Up and Page Down), line
 *   step (the arrow keys), selection start and end. The selection is shown as a band beside
 *   the groove of a trackbar with the selection style only; a start equal to the end shows
 *   none.
 * - "[Tabs]": the tab control's id, the number of pages and the dialog id of the page shown
 *   first (the first page when none matches); then one line per page, a dialog id and the
 *   caption of its tab. Each page dialog (child style, without a caption) is loaded as by
 *   WDialogLoad() and shown inside the tab control, while the dialog whose data this is stays
 *   current. WDialogUnload() with option 0 unloads the pages with their dialog; with any other
 *   option they stay loaded, hidden, and are unloaded on their own.
 * - "[Colours]": a control's id, then red, green and blue of its text and of its background (0
 *   to 255). A red of 256 puts that colour back to the dialog's own.
 *
 * Pictures: a button with the bitmap (0x80) or icon (0x40) style and a label of the icon (3) or
 * bitmap (14) kind show the BITMAP or ICON resource whose id is the control's id. A button
 * shows it beside its caption; a label at its top left corner, or centred with style 0x200. A
 * button whose picture is missing or cannot be read loses its image style and shows only its
 * caption; a label without one shows nothing.
 *
 * Field procedures on bars: WDialogPutInteger(), WDialogPutReal() and WDialogPutDouble() move a
 * progress bar, trackbar or up-down control to the whole number toward zero of the value, and
 * WDialogGetInteger() and WDialogGetReal() read its position. A value outside the range the
 * program set with WDialogRangeInteger() or WDialogRangeReal() is refused with
 * ERR_FIELD_RANGE; with no such range in force a value is held to the bar's reach (0 to 100,
 * or the "[Ranges]" of the companion data).
 *
 * Messages: each move of a trackbar's thumb by the user (a key, a click beside the thumb, a
 * drag) makes it the current field and posts MSG_FIELD with the previous and the current
 * field. The user choosing another tab posts MSG_TAB with the tab control's id as data1 and
 * the dialog id of the page now shown as data2. Both are posted only while their types are
 * switched on with WMessageEnable(). Moves and pages set by the program post nothing. Tree views
 * and headers take no companion data and post nothing on this platform; the program fills neither.
 */

/** @name Show modes of WDialogShow(). */
///@{
constexpr int DIALOG_MODAL = 1;      ///< Blocks until a push button ends the dialog.
constexpr int DIALOG_MODELESS = 2;   ///< Shown beside the program's other windows.
constexpr int DIALOG_SEMIMODAL = 3;  ///< Modeless, with every other window disabled.
///@}

/** @brief The X or Y of WDialogShow() that centres the dialog along that axis. */
constexpr int DIALOG_CENTRED = -1;

/** @brief The resource id of the current dialog; 0 when there is none. */
int CurrentDialogId();

/**
 * @brief Loads the dialog resource @p idialog with its companion data and makes it the
 * current dialog, or makes it current when it is loaded already (its companion data is then
 * not applied again). Raises ERR_DIALOG_LOAD when it cannot be loaded, which includes a dialog
 * whose window the platform cannot make (no display, see InfoDisplay()).
 */
void WDialogLoad(int idialog);

/** @brief Makes the loaded dialog @p idialog current; ERR_DIALOG_SELECT when not loaded. */
void WDialogSelect(int idialog);

/**
 * @brief Shows the current dialog at @p ix, @p iy (window units of the main window, or
 * DIALOG_CENTRED) with the focus on field @p ifocus (0 for the first tab stop) and that field's
 * whole text selected, so that typing replaces it, in mode @p itype (DIALOG_MODAL,
 * DIALOG_MODELESS or DIALOG_SEMIMODAL). The dialog belongs to the dialog active at the time (the
 * main window's form while the user works in it), else to the main window. A dialog shown
 * before is only brought back. Raises ERR_DIALOG_MODE when the mode had to change,
 * ERR_ROOT_HIDDEN or ERR_ROOT_COMBINED when a child dialog cannot be shown.
 *
 * The keyboard in a shown dialog: Tab and Shift+Tab visit every enabled, visible control in
 * template order, whether or not its template marks it as a tab stop, so that everything a user
 * can change is reachable without a mouse; a group of radio buttons is one stop, where the
 * arrow keys choose within it. A group runs from a control with the group style (0x20000) up to
 * the next control with it or of another class, as for WDialogGetRadioButton(); a radio button
 * the user checks, by a click or an arrow key, unchecks the others of its group that are
 * enabled and shown. Return presses the focused push button, else the one that looks like the
 * default (the focused push button does, else the template's default one), else OK (id 1);
 * Escape presses Cancel (id 2). Only plain and default push buttons are pressed: a click on a
 * button of another kind (owner-drawn, say) posts MSG_FIELD as a check box does.
 */
void WDialogShow(int ix, int iy, int ifocus = 0, int itype = DIALOG_MODELESS);

/**
 * @brief Hides the current dialog and gives the focus back to the window it belongs to (the
 * program's form, when that is the main window); when that window is hidden or unloaded by
 * then, to the one it belongs to in turn, and in the end to the main window's form (nowhere
 * without a main window). A hidden dialog never becomes the active one.
 * ERR_DIALOG_COMBINED for the form of the main window.
 */
void WDialogHide();

/**
 * @brief Hides and destroys the current dialog, as WDialogHide() hides it; with @p ioption 0
 * the dialogs shown as its tab pages go with it. The dialogs that belonged to it belong to the
 * window it belonged to from then on. There is no current dialog afterwards.
 * ERR_DIALOG_COMBINED for the form of the main window.
 */
void WDialogUnload(int ioption = 0);

/**
 * @brief Gives the current dialog a caption (trailing blanks dropped); a dialog shown as a tab
 * page gets the text as the caption of its tab.
 */
void WDialogTitle(std::string_view title);

// ---------------------------------------------------------------------------------------------
// 8. Dialog fields
// ---------------------------------------------------------------------------------------------
// Every procedure acts on the current dialog and names a field by its control id. With no
// current dialog it raises ERR_NO_DIALOG and changes nothing; a field the dialog does not
// have, or one of the wrong kind, raises ERR_FIELD_IDENTIFIER.

/**
 * @brief Writes @p ivalue into the field under "(I11)", left-justified. A value outside the
 * field's range raises ERR_FIELD_RANGE and leaves the field as it was.
 */
void WDialogPutInteger(int ifield, int ivalue);

/**
 * @brief Writes @p value under @p format, or the field's own format when the format is absent
 * or blank ("(G15.5E2)" when it has none); the format used becomes the field's. Range test as
 * WDialogPutInteger().
 */
void WDialogPutReal(int ifield, float value, std::string_view format = {});

/** @brief As WDialogPutReal() for a double. */
void WDialogPutDouble(int ifield, double value, std::string_view format = {});

/** @brief Writes @p text (trailing blanks dropped) into the field; no range test. */
void WDialogPutString(int ifield, std::string_view text);

/** @brief Sets a check box's or radio button's check state (0, 1 or 2). */
void WDialogPutCheckBox(int ifield, int istate);

/** @brief Checks the radio button @p ifield and unchecks the rest of its group. */
void WDialogPutRadioButton(int ifield);

/**
 * @brief Fills a list box or combo box with the first @p nopts texts of @p options and
 * selects entry @p iopt (from 1). With @p iopt 0 a combo box with an edit part selects the
 * entry equal to @p text or else shows @p text. ERR_OPTION_RANGE when the entry does not exist.
 */
void WDialogPutMenu1(int ifield, std::span<const std::string> options, int nopts, int iopt,
                     std::string_view text = {});

/**
 * @brief The field's value truncated toward zero. An empty field gives -999 and raises
 * ERR_FIELD_UNDEFINED; text that is not a number raises the conversion's error.
 */
void WDialogGetInteger(int ifield, int& ivalue);

/** @brief As WDialogGetInteger(), rounded to a real; -999.0 for an empty field. */
void WDialogGetReal(int ifield, float& value);

/** @brief The field's text, blank-padded or cut to the length of @p text. */
void WDialogGetString(int ifield, std::string& text);

/** @brief The number of characters of the field's text. */
void WDialogGetStringLength(int ifield, int& length);

/** @brief The check state of a check box or radio button. */
void WDialogGetCheckBox(int ifield, int& istate);

/**
 * @brief The position (from 1) of the checked button in the radio group of @p ifield; -999
 * when none is checked. ERR_FIELD_IDENTIFIER (and 0) for a field that is not a radio button.
 */
void WDialogGetRadioButton(int ifield, int& istate);

/**
 * @brief The position (from 1) of the selected entry of a list box or combo box; -999 and
 * ERR_FIELD_UNDEFINED when there is none. A combo box whose typed text matches no entry
 * gives 0.
 */
void WDialogGetMenu1(int ifield, int& iopt);

/** @brief As WDialogGetMenu1(int, int&), also giving the entry's text in @p text. */
void WDialogGetMenu1(int ifield, int& iopt, std::string& text);

/**
 * @brief Sets the range a field's value must lie in, for writes and when the user leaves the
 * field. Any control takes a range; a minimum greater than the maximum is accepted and
 * switches the range off.
 *
 * A numeric edit field whose text is not a number, or lies outside the range, keeps the focus
 * when the user tries to leave it, by a key, a click, or bringing another of the program's
 * dialogs forward: it beeps and takes the focus back (with its window) with its whole text
 * selected. Only the main window itself is exempt.
 *
 * A progress bar, trackbar or up-down control also reaches over the range, truncated to whole
 * numbers, while it is in force and its whole minimum lies below its whole maximum; otherwise
 * the bar keeps the reach it had. A write outside a range in force raises ERR_FIELD_RANGE and
 * moves nothing, as for any field.
 */
void WDialogRangeInteger(int ifield, int imin, int imax);

/** @brief As WDialogRangeInteger() for reals; the bounds are widened exactly to doubles. */
void WDialogRangeReal(int ifield, float min, float max);

// ---------------------------------------------------------------------------------------------
// 9. Help
// ---------------------------------------------------------------------------------------------

/**
 * @brief Opens a help document for the user and returns at once; the viewer stays open by
 * itself.
 *
 * The kind of document is told from its name, in any letter case and without trailing blanks:
 * - ".HLP" (or a blank name): a help document, shown in the toolkit's help viewer;
 * - ".CHM": a compiled HTML help file, opened in a compiled-HTML viewer (see @p icontext);
 * - "HTTP://" at the first non-blank character: a web address, opened in the browser;
 * - ".HTM" or ".HTML": a web page file, opened in the browser.
 *
 * The browser is the program the desktop associates with the page's type or the address's
 * scheme (the user's default applications, then those of the system and of the installed
 * programs' desktop entries); the settings file's BROWSER command plays no part here. The
 * programs chosen for the document's own type are tried in that order, a choice whose program
 * is not installed giving way to the next; the types it is a kind of (plain text, for a web
 * page) are asked only when no installed program is chosen for its own type at all. A program
 * whose desktop entry says it runs in a terminal is started in the user's terminal emulator:
 * the one TERMINAL names, else x-terminal-emulator, else the first installed of gnome-terminal,
 * konsole, xfce4-terminal, mate-terminal, alacritty, kitty, foot, terminator, urxvt and xterm;
 * with none installed it cannot be started. Programs are started directly, without a shell.
 *
 * A file name with no folder separator ("/" or a backslash) and no drive ("X:" as its first
 * two characters) is looked for in the folder of the running executable. When a help document
 * is opened at its contents and a contents file of the same name with the extension ".CNT"
 * stands beside it, the viewer opens its finder instead: the contents tree, the keyword index
 * and the full-text search.
 *
 * @param helpfile The document: a file name or a web address. A blank name without a topic
 *                 closes the help viewer.
 * @param icontext The context number of the topic to show, or -1 for the document's contents.
 *                 A ".CHM" file goes with its topic (as "-mapid N") to the compiled-HTML viewer
 *                 "hh" when that program is on the PATH; otherwise to the desktop's viewer for
 *                 the file, which takes no topic, so the file opens at its start.
 * @param ipopup 1 shows the topic in a small pop-up window instead of the help window.
 *
 * Raises ERR_HELP_EXTENSION for a name of no known kind, ERR_OPEN_FILE when the document does
 * not exist or when no program is associated with a web page or address, and ERR_HELP_VIEWER
 * when the viewer cannot be started or refuses the request: a document it cannot read, a topic
 * it does not hold, no display for the help window (see InfoDisplay()), or programs chosen for
 * the document's type none of which can be started (not installed, or needing a terminal
 * emulator where none is). Nothing is opened after an error; in particular no program chosen
 * for another type is started instead.
 */
void WHelpFile1(std::string_view helpfile, int icontext = -1, int ipopup = 0);
