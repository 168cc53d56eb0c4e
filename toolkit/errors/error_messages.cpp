// The message of every error code. Codes 1 to 66 come from the general, file, text,
// operating-system and graphics routines; codes 1001 to 1050 from windows, menus, dialogs and
// their fields. A code listed with an empty text has no message, as has every code not listed.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "errors/fixed_text.h"
#include "windlass/windlass.h"

namespace {

struct CodeMessage {
    int code;
    std::string_view text;
};

constexpr std::array<CodeMessage, 115> kMessages = {{
    {1, "Error opening file or device"},
    {2, "Error reading/writing file or device"},
    {3, "Error closing file or device"},
    {4, "Number too large in string to numeric conversion"},
    {5, "Graphics not supported on requested printer"},
    {6, ""},
    {7, ""},
    {8, ""},
    {9, ""},
    {10, "No substring found"},
    {11, "More than one decimal point in number"},
    {12, "Invalid character detected"},
    {13, "Operating system command error in an OS routine"},
    {14, ""},
    {15, ""},
    {16, "X or Y graphics unit range is invalid"},
    {17, ""},
    {18, "Numeric to string conversion error"},
    {19, ""},
    {20, "Circle/ellipse radius <=0, height ratio<=0 or arc angle=0"},
    {21, "Length of axis-parallel side of a parallelogram is =<0"},
    {22, "Width/height=0 for a rectangle/triangle/parallelogram"},
    {23, "No program name specified to IOsExecute"},
    {24, "Too many data values specified for a stacked plot"},
    {25, "Too many bytes in char set during conversion from ASCII"},
    {26, ""},
    {27, "Image file format not supported"},
    {28, "Borders cross in IGrPolygonSimple - unable to fill polygon"},
    {29, ""},
    {30, ""},
    {31, ""},
    {32, ""},
    {33, ""},
    {34, "Requested page size too large for raster image buffer"},
    {35, ""},
    {36, ""},
    {37, ""},
    {38, ""},
    {39, ""},
    {40, "Number of files matched by IOsDirInfo/List exceeds array size"},
    {41, ""},
    {42, "Unknown colour name/number specified to IGrColour/IGrColourN"},
    {43, "Contour heights must increase monotonically"},
    {44, "Invalid X and/or Y range in IGrArea/IGrViewport/IGrReplayArea"},
    {45, ""},
    {46, "No graphics hardcopy driver currently selected"},
    {47, ""},
    {48, ""},
    {49, "Fill too complex in IGrPolygonComplex"},
    {51, "A search box contains too many points in IPgXYZToGrid"},
    {52, ""},
    {53, "Cannot find substitute software font in IGrCharOut"},
    {54, "Mismatched driver/device in hardcopy options file"},
    {55, "Source and target file names same in copy command"},
    {56, ""},
    {57, ""},
    {58, "Min value greater than max value in IPgHighLow"},
    {59, ""},
    {60, ""},
    {61, ""},
    {62, ""},
    {63, "Windows printer not available"},
    {64, "Bit image transfer failed in IGrPrintImage"},
    {65, ""},
    {66, "Invalid character code in IGrCharSpace"},
    {1001, "Invalid menu item"},
    {1002, "Unable to load menu from resource"},
    {1003, "Invalid window handle"},
    {1004, "General error in common dialog"},
    {1005, "No dialogs currently loaded"},
    {1006, "Invalid field identifier"},
    {1007, "Unable to load dialog from resource"},
    {1008, "Unable to select specified dialog"},
    {1009, "Attempt to store an out of range dialog field value"},
    {1010, "Field value undefined"},
    {1011, "Option number out of range or invalid item ID"},
    {1012, "Invalid tab number specified"},
    {1013, "Invalid range specified for progress bar"},
    {1014, "Invalid dialog mode requested"},
    {1015, "Invalid bitmap/icon identifier"},
    {1016, "Unable to display window/dialog. Root window hidden"},
    {1017, "Cell co-ordinates out of range"},
    {1018, "Too many rows for grid field to hold"},
    {1019, "Invalid target drawing surface"},
    {1020, "Bitmap creation failed"},
    {1021, "Invalid bitmap handle"},
    {1022, "Only child windows can be converted into editors or viewers"},
    {1023, "Variable too small to receive text"},
    {1024, "Invalid editor mode requested"},
    {1025, "Editor can't have menu in InsideRoot child window"},
    {1026, "User menu not supported with modal editor"},
    {1027, "General problem initializing editor"},
    {1028, "Current window is not a text editor"},
    {1029, "Invalid range specified for trackbar"},
    {1030, "General help viewer error"},
    {1031, "Not a valid help file extension"},
    {1032, "Editor does not have a command line"},
    {1033, "Editor can't have command line in InsideRoot child window"},
    {1034, "External process timed out before completion"},
    {1035, "Failed to enable OpenGL graphics"},
    {1036, "Can't destroy bitmap while in use by bitmap viewer"},
    {1037, "Specified bitmap is already in use"},
    {1038, "Child window is already converted to a different type"},
    {1039, "Invalid bitmap viewer mode requested"},
    {1040, "General problem initializing bitmap viewer"},
    {1041, "X server modal dialog/window pixmap resources are low"},
    {1042, "X server modal dialog/window pixmap resources are exhausted"},
    {1043, "Invalid bitmap bitwise mode requested"},
    {1044, "Zlib compression/decompression failed"},
    {1045, "Specified dialog has wrong style to be combined with a window"},
    {1046, "Root window is combined with a dialog"},
    {1047, "Current dialog which is combined with a window"},
    {1048, "Item identifier already exists in treeview field"},
    {1049, "Treeview item is not a branch"},
    {1050, "Invalid pre-defined registry key"},
}};

static_assert(std::is_sorted(kMessages.begin(), kMessages.end(),
                             [](const CodeMessage& a, const CodeMessage& b) {
                                 return a.code < b.code;
                             }),
              "the message table is searched by code and must stay in code order");

std::string_view MessageOf(int code) {
    auto found =
        std::lower_bound(kMessages.begin(), kMessages.end(), code,
                         [](const CodeMessage& entry, int wanted) { return entry.code < wanted; });
    if (found == kMessages.end() || found->code != code) {
        return {};
    }
    return found->text;
}

}  // namespace

void WInfoErrorMessage(int ierr, std::string& message) {
    windlass::PutFixed(message, MessageOf(ierr));
}
