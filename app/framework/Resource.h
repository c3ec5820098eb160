// Resources as declarative tables: strings, menus, accelerators, 16-colour bitmaps, toolbars,
// icons, dialog templates and the version information. The application hands its set to the
// framework once (AfxSetResources); the framework looks items up by their numeric id and falls
// back on its own standard strings.
#pragma once

#include <span>

#include "platform/Types.h"

using WORD = std::uint16_t;

// Standard command, indicator and string ids of the framework.
inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr UINT ID_FILE_NEW = 57600;
inline constexpr UINT ID_FILE_OPEN = 57601;
inline constexpr UINT ID_FILE_CLOSE = 57602;
inline constexpr UINT ID_FILE_SAVE = 57603;
inline constexpr UINT ID_FILE_PRINT = 57607;
inline constexpr UINT ID_FILE_MRU_FILE1 = 57616;
inline constexpr UINT ID_FILE_MRU_LAST = 57631;  // the sixteenth: the range the prompts cover
inline constexpr UINT ID_EDIT_COPY = 57634;
inline constexpr UINT ID_EDIT_CUT = 57635;
inline constexpr UINT ID_EDIT_PASTE = 57637;
inline constexpr UINT ID_EDIT_UNDO = 57643;
inline constexpr UINT ID_WINDOW_ARRANGE = 57649;
inline constexpr UINT ID_WINDOW_CASCADE = 57650;
inline constexpr UINT ID_WINDOW_TILE_HORZ = 57651;
inline constexpr UINT ID_APP_ABOUT = 57664;
inline constexpr UINT ID_APP_EXIT = 57665;
inline constexpr UINT ID_HELP_FINDER = 57667;
inline constexpr UINT ID_CONTEXT_HELP = 57669;
inline constexpr UINT ID_HELP = 57670;
inline constexpr UINT ID_DEFAULT_HELP = 57671;
inline constexpr UINT ID_NEXT_PANE = 57680;
inline constexpr UINT ID_PREV_PANE = 57681;
inline constexpr UINT ID_INDICATOR_EXT = 59136;
inline constexpr UINT ID_INDICATOR_CAPS = 59137;
inline constexpr UINT ID_INDICATOR_NUM = 59138;
inline constexpr UINT ID_INDICATOR_SCRL = 59139;
inline constexpr UINT ID_INDICATOR_OVR = 59140;
inline constexpr UINT ID_INDICATOR_REC = 59141;
inline constexpr UINT ID_VIEW_TOOLBAR = 59392;
inline constexpr UINT ID_VIEW_STATUS_BAR = 59393;
inline constexpr UINT AFX_IDW_TOOLBAR = 59392;
inline constexpr UINT AFX_IDW_STATUS_BAR = 59393;
inline constexpr UINT AFX_IDS_APP_TITLE = 57344;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr UINT AFX_IDS_HELPMODEMESSAGE = 57346;
// The first command of the Window menu's list of open windows.
inline constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;

struct StringEntry {
    UINT id;
    const char* text;
};

// Menus: popups of items; an item with id 0 and no text is a separator.
inline constexpr UINT MF_GRAYED = 0x0001;
struct MenuItem {
    const char* text;  // null for a separator
    UINT id;
    UINT flags = 0;
};
struct MenuPopup {
    const char* text;
    std::span<const MenuItem> items;
};
struct MenuResource {
    UINT id;
    std::span<const MenuPopup> popups;
};

// Accelerators: virtual-key entries with modifier flags.
inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;
inline constexpr WORD VK_BACK = 0x08;
inline constexpr WORD VK_INSERT = 0x2D;
inline constexpr WORD VK_DELETE = 0x2E;
inline constexpr WORD VK_F1 = 0x70;
inline constexpr WORD VK_F6 = 0x75;
struct AccelEntry {
    BYTE fVirt;
    WORD key;  // a VK_ code, or 'A' to 'Z' and '0' to '9'
    UINT cmd;
};
struct AccelTable {
    UINT id;
    std::span<const AccelEntry> entries;
};

// A 16-colour bitmap: one text row per pixel row, one hexadecimal digit per pixel naming a colour
// of the standard 16-colour palette (0 black, 7 light grey, 8 dark grey, 9 red, B yellow, F white,
// and so on). In icons '.' is a transparent pixel.
struct Bitmap16 {
    int width;
    int height;
    std::span<const char* const> rows;
};
struct BitmapResource {
    UINT id;
    Bitmap16 bitmap;
};
struct IconResource {
    UINT id;
    std::span<const Bitmap16> images;  // e.g. 32 x 32 and 16 x 16
};
// Buttons taken in order from the bitmap of the same id; ID_SEPARATOR makes a gap.
struct ToolBarResource {
    UINT id;
    int buttonWidth;
    int buttonHeight;
    std::span<const UINT> buttons;
};

// Show states of windows.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOW = 5;

// Window and control styles of dialog templates.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD DS_SETFONT = 0x40;
inline constexpr DWORD DS_MODALFRAME = 0x80;
inline constexpr DWORD BS_PUSHBUTTON = 0x0;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x3;
inline constexpr DWORD BS_GROUPBOX = 0x7;
inline constexpr DWORD BS_TYPEMASK = 0xF;
inline constexpr DWORD ES_CENTER = 0x1;
inline constexpr DWORD ES_AUTOHSCROLL = 0x80;
inline constexpr DWORD SS_LEFT = 0x0;
inline constexpr DWORD SS_RIGHT = 0x2;
inline constexpr DWORD SS_ICON = 0x3;
inline constexpr DWORD SS_TYPEMASK = 0x1F;
inline constexpr BYTE RUSSIAN_CHARSET = 204;

enum class ControlClass { Button, Edit, Static };

// One control of a dialog template; position and size in dialog units.
struct DialogControl {
    ControlClass kind;
    int id;            // -1: no id
    const char* text;  // for an icon: unused
    int x, y, cx, cy;
    DWORD style;
    UINT iconId = 0;  // SS_ICON: the icon resource
};
struct DialogTemplate {
    UINT id;
    const char* caption;
    int cx, cy;  // client size in dialog units
    DWORD style;
    const char* face;
    int pointSize;
    int weight;
    bool italic;
    BYTE charset;
    std::span<const DialogControl> controls;
};

struct VersionInfo {
    WORD fileVersion[4];
    WORD productVersion[4];
    const char* fileVersionText;
    const char* productVersionText;
    const char* productName;
    const char* internalName;
    const char* originalFilename;
};

struct ResourceSet {
    std::span<const StringEntry> strings;
    std::span<const MenuResource> menus;
    std::span<const AccelTable> accelerators;
    std::span<const BitmapResource> bitmaps;
    std::span<const ToolBarResource> toolbars;
    std::span<const IconResource> icons;
    std::span<const DialogTemplate> dialogs;
    VersionInfo version;
};

// Makes the set current; it must outlive every window.
void AfxSetResources(const ResourceSet* resources);
const ResourceSet* AfxGetResources();

// The string with the id from the application's table, else from the framework's standard
// strings; null when neither has it.
const char* AfxLoadString(UINT id);
const MenuResource* AfxFindMenu(UINT id);
const AccelTable* AfxFindAccelerators(UINT id);
const Bitmap16* AfxFindBitmap(UINT id);
const ToolBarResource* AfxFindToolBar(UINT id);
const IconResource* AfxFindIcon(UINT id);
const DialogTemplate* AfxFindDialog(UINT id);
