// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The style bits of dialog templates and their controls, which the dialog manager and the
// platform's dialogs both read. Templates carry the numbers of the system the toolkit was
// first written for, so a resource script written for it describes the same dialog here.

#include <cstdint>

namespace windlass::styles {

// Every window.
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kDialogFrame = 0x00400000;
inline constexpr std::uint32_t kVerticalScroll = 0x00200000;
inline constexpr std::uint32_t kHorizontalScroll = 0x00100000;
inline constexpr std::uint32_t kSystemMenu = 0x00080000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;

// Extended styles that draw a sunken edge around a control.
inline constexpr std::uint32_t kExClientEdge = 0x00000200;
inline constexpr std::uint32_t kExStaticEdge = 0x00020000;

// Static controls: the low five bits name the kind.
inline constexpr std::uint32_t kStaticKindMask = 0x1F;
inline constexpr std::uint32_t kStaticLeft = 0x00;
inline constexpr std::uint32_t kStaticCentre = 0x01;
inline constexpr std::uint32_t kStaticRight = 0x02;
inline constexpr std::uint32_t kStaticBlackRect = 0x04;
inline constexpr std::uint32_t kStaticGrayRect = 0x05;
inline constexpr std::uint32_t kStaticWhiteRect = 0x06;
inline constexpr std::uint32_t kStaticBlackFrame = 0x07;
inline constexpr std::uint32_t kStaticGrayFrame = 0x08;
inline constexpr std::uint32_t kStaticWhiteFrame = 0x09;
inline constexpr std::uint32_t kStaticSimple = 0x0B;
inline constexpr std::uint32_t kStaticLeftNoWordWrap = 0x0C;
inline constexpr std::uint32_t kStaticEtchedHorizontal = 0x10;
inline constexpr std::uint32_t kStaticEtchedVertical = 0x11;
inline constexpr std::uint32_t kStaticEtchedFrame = 0x12;
inline constexpr std::uint32_t kStaticIcon = 0x03;
inline constexpr std::uint32_t kStaticBitmap = 0x0E;
inline constexpr std::uint32_t kStaticCentreImage = 0x0200;
inline constexpr std::uint32_t kStaticNoPrefix = 0x0080;
inline constexpr std::uint32_t kStaticNotify = 0x0100;
inline constexpr std::uint32_t kStaticCentreVertically = 0x0200;
inline constexpr std::uint32_t kStaticSunken = 0x1000;

// Buttons: the low four bits name the kind.
inline constexpr std::uint32_t kButtonKindMask = 0x0F;
inline constexpr std::uint32_t kPushButton = 0x0;
inline constexpr std::uint32_t kDefaultPushButton = 0x1;
inline constexpr std::uint32_t kCheckBox = 0x2;
inline constexpr std::uint32_t kAutoCheckBox = 0x3;
inline constexpr std::uint32_t kRadioButton = 0x4;
inline constexpr std::uint32_t kThreeState = 0x5;
inline constexpr std::uint32_t kAutoThreeState = 0x6;
inline constexpr std::uint32_t kGroupBox = 0x7;
inline constexpr std::uint32_t kAutoRadioButton = 0x9;
inline constexpr std::uint32_t kButtonLeftText = 0x0020;
inline constexpr std::uint32_t kButtonIcon = 0x0040;
inline constexpr std::uint32_t kButtonBitmap = 0x0080;

// Edit controls.
inline constexpr std::uint32_t kEditCentre = 0x0001;
inline constexpr std::uint32_t kEditRight = 0x0002;
inline constexpr std::uint32_t kEditMultiLine = 0x0004;
inline constexpr std::uint32_t kEditUpperCase = 0x0008;
inline constexpr std::uint32_t kEditLowerCase = 0x0010;
inline constexpr std::uint32_t kEditPassword = 0x0020;
inline constexpr std::uint32_t kEditScrollsSideways = 0x0080;
inline constexpr std::uint32_t kEditReadOnly = 0x0800;
inline constexpr std::uint32_t kEditWantReturn = 0x1000;

// Combo boxes: the low two bits name the kind.
inline constexpr std::uint32_t kComboKindMask = 0x3;
inline constexpr std::uint32_t kComboSimple = 0x1;
inline constexpr std::uint32_t kComboDropDown = 0x2;
inline constexpr std::uint32_t kComboDropDownList = 0x3;
inline constexpr std::uint32_t kComboSort = 0x0100;

// List boxes.
inline constexpr std::uint32_t kListNotify = 0x0001;
inline constexpr std::uint32_t kListSort = 0x0002;
inline constexpr std::uint32_t kListMultipleSelection = 0x0008;
inline constexpr std::uint32_t kListExtendedSelection = 0x0800;
inline constexpr std::uint32_t kListNoSelection = 0x4000;

// Trackbars.
inline constexpr std::uint32_t kTrackbarAutoTicks = 0x0001;
inline constexpr std::uint32_t kTrackbarVertical = 0x0002;
inline constexpr std::uint32_t kTrackbarTicksOnTopOrLeft = 0x0004;
inline constexpr std::uint32_t kTrackbarTicksOnBothSides = 0x0008;
inline constexpr std::uint32_t kTrackbarNoTicks = 0x0010;
inline constexpr std::uint32_t kTrackbarSelectionRange = 0x0020;

// Progress bars and up-down controls.
inline constexpr std::uint32_t kProgressVertical = 0x0004;
inline constexpr std::uint32_t kUpDownHorizontal = 0x0040;

// Tree views.
inline constexpr std::uint32_t kTreeHasButtons = 0x0001;
inline constexpr std::uint32_t kTreeHasLines = 0x0002;

// Dialog templates.
inline constexpr std::uint32_t kControlDialog = 0x0400;

constexpr bool Has(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

// Whether a control's style asks for a sunken border around it.
constexpr bool HasBorder(std::uint32_t style, std::uint32_t ex_style) {
    return (style & kBorder) != 0 || (ex_style & (kExClientEdge | kExStaticEdge)) != 0;
}

}  // namespace windlass::styles
