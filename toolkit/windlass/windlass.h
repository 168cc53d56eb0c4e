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
 * Sections:
 *  1. Error codes
 *  2. Error reporting
 *  3. Number and text conversion
 *  4. Initialisation and settings
 */
#pragma once

#include <string>
#include <string_view>

// ---------------------------------------------------------------------------------------------
// 1. Error codes
// ---------------------------------------------------------------------------------------------

/** @name Error codes raised by the toolkit (read with InfoError(1)). */
///@{
constexpr int ERR_OPEN_FILE = 1;              ///< Error opening file or device.
constexpr int ERR_NUMBER_TOO_LARGE = 4;       ///< Number too large in string to numeric conversion.
constexpr int ERR_NO_SUBSTRING = 10;          ///< No substring found (blank text).
constexpr int ERR_DECIMAL_POINTS = 11;        ///< More than one decimal point in number.
constexpr int ERR_INVALID_CHARACTER = 12;     ///< Invalid character detected.
constexpr int ERR_OS_COMMAND = 13;            ///< Operating system command error in an OS routine.
constexpr int ERR_NUMERIC_TO_STRING = 18;     ///< Numeric to string conversion error.
constexpr int ERR_COMMON_DIALOG = 1004;       ///< General error in common dialog.
constexpr int ERR_NO_DIALOG = 1005;           ///< No dialogs currently loaded.
constexpr int ERR_FIELD_IDENTIFIER = 1006;    ///< Invalid field identifier.
constexpr int ERR_DIALOG_LOAD = 1007;         ///< Unable to load dialog from resource.
constexpr int ERR_DIALOG_SELECT = 1008;       ///< Unable to select specified dialog.
constexpr int ERR_FIELD_RANGE = 1009;         ///< Attempt to store an out of range field value.
constexpr int ERR_FIELD_UNDEFINED = 1010;     ///< Field value undefined.
constexpr int ERR_OPTION_RANGE = 1011;        ///< Option number out of range or invalid item ID.
constexpr int ERR_DIALOG_MODE = 1014;         ///< Invalid dialog mode requested.
constexpr int ERR_ROOT_HIDDEN = 1016;         ///< Unable to display window/dialog. Root window hidden.
constexpr int ERR_TEXT_TOO_SMALL = 1023;      ///< Variable too small to receive text.
constexpr int ERR_HELP_VIEWER = 1030;         ///< General help viewer error.
constexpr int ERR_HELP_EXTENSION = 1031;      ///< Not a valid help file extension.
constexpr int ERR_DIALOG_STYLE = 1045;        ///< Dialog has wrong style to be combined with a window.
constexpr int ERR_ROOT_COMBINED = 1046;       ///< Root window is combined with a dialog.
constexpr int ERR_DIALOG_COMBINED = 1047;     ///< Current dialog is combined with a window.
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
 * @brief Initialises the toolkit: display, toolkit directory, settings file, command line and
 * debug level. Later calls return at once.
 * @param inifile An optional settings file that takes precedence over the one found by the
 *                environment ("WLINIT") or in the current or toolkit directory.
 */
void WInitialise(std::string_view inifile = {});

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
