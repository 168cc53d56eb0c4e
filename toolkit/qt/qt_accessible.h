// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What assistive technology (a screen reader) is told of the controls whose account Qt would
// give wrongly: a combo box named by the dialog rather than by the entry it shows, and a radio
// button announced as a radio button although its group's exclusivity is the dialog's, not
// Qt's.

class QWidget;

namespace windlass::qt {

// Installs the accounts; the first dialog does it, later calls do nothing.
void InstallAccessibleAccounts();

// Makes sure a control of the dialog, once built, is accounted for as above.
void TakeAccessibleAccount(QWidget* control);

}  // namespace windlass::qt
