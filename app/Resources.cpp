// The application's resources as tables.
#include "app/Resource.h"
#include "platform/MessageBox.h"

namespace {

constexpr StringEntry kStrings[] = {
    {IDR_MAINFRAME, "Quorvel"},
    {IDR_QUORVELTYPE, "\nQuorvel\nQuorvel\n\n\nQuorvel.Document\nQuorvel.Document"},
    {ID_PARAMETERS, "Show Parameters\nShow Parameters"},
    {AFX_IDS_APP_TITLE, "Quorvel"},
    {AFX_IDS_IDLEMESSAGE, " "},
    {AFX_IDS_HELPMODEMESSAGE, "Select an object on which to get Help"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_CLOSE, "Close the active document\nClose"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_HELP_FINDER, "List Help topics\nHelp Topics"},
    {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
};

// Menu 128: no document window active.
constexpr MenuItem kFile128[] = {
    {"&Open...\tCtrl+O", ID_FILE_OPEN},
    {nullptr, 0},
    {"Recent File", ID_FILE_MRU_FILE1, MF_GRAYED},
    {nullptr, 0},
    {"&Close", ID_FILE_CLOSE},
    {"E&xit", ID_APP_EXIT},
};
constexpr MenuItem kView128[] = {
    {"&Toolbar", ID_VIEW_TOOLBAR},
    {"&Status Bar", ID_VIEW_STATUS_BAR},
};
constexpr MenuItem kHelp[] = {
    {"&Help Topics", ID_HELP_FINDER},
    {nullptr, 0},
    {"&About Quorvel...", ID_APP_ABOUT},
};
constexpr MenuPopup kMenu128[] = {
    {"&File", kFile128},
    {"&View", kView128},
    {"&Help", kHelp},
};

// Menu 129: a document window active.
constexpr MenuItem kFile129[] = {
    {"&Open...\tCtrl+O", ID_FILE_OPEN},
    {"&Close", ID_FILE_CLOSE},
    {nullptr, 0},
    {"Recent File", ID_FILE_MRU_FILE1, MF_GRAYED},
    {nullptr, 0},
    {"E&xit", ID_APP_EXIT},
};
constexpr MenuItem kView129[] = {
    {"&Toolbar", ID_VIEW_TOOLBAR},
    {"&Status Bar", ID_VIEW_STATUS_BAR},
    {nullptr, 0},
    {"Parameters", ID_PARAMETERS},
};
constexpr MenuItem kWindow129[] = {
    {"&Cascade", ID_WINDOW_CASCADE},
    {"&Tile", ID_WINDOW_TILE_HORZ},
    {"&Arrange Icons", ID_WINDOW_ARRANGE},
};
constexpr MenuPopup kMenu129[] = {
    {"&File", kFile129},
    {"&View", kView129},
    {"&Window", kWindow129},
    {"&Help", kHelp},
};

constexpr MenuResource kMenus[] = {
    {IDR_MAINFRAME, kMenu128},
    {IDR_QUORVELTYPE, kMenu129},
};

constexpr AccelEntry kAccel128[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
    {FVIRTKEY | FCONTROL, 'P', ID_FILE_PRINT},
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
    {FVIRTKEY | FSHIFT, VK_F1, ID_CONTEXT_HELP},
    {FVIRTKEY, VK_F1, ID_HELP},
};
constexpr AccelTable kAccelerators[] = {
    {IDR_MAINFRAME, kAccel128},
};

// Toolbar 128: a yellow folder opening under a curved arrow, and a grey spanner, on the light
// grey of the button face.
constexpr const char* kToolBarRows[] = {
    "77777777777777777777777777777777", "77777777770007777777777778877887",
    "77777777707770777777777778877887", "77777777777000007777777778888887",
    "77777777777700077777777778888877", "70000777777770777777777788888777",
    "0BBBB000000077777777777888877777", "0BBBBBBBBBB077777777778888777777",
    "0BB00000000000077777778888777777", "0B0BBBBBBBBBB0777777888877777777",
    "0B0BBBBBBBBB07777778888777777777", "00BBBBBBBBB077777788887777777777",
    "00BBBBBBBB0777777888877777777777", "00000000007777777888777777777777",
    "77777777777777777777777777777777",
};
constexpr UINT kToolBarButtons[] = {ID_FILE_OPEN, ID_PARAMETERS};
constexpr ToolBarResource kToolBars[] = {
    {IDR_MAINFRAME, 16, 15, kToolBarButtons},
};

constexpr const char* kIcon32[] = {
    "00000000000000000000000000000000", "0FFFFF7FFFFF7FFFFF7FFFFF7FFFFF70",
    "0FFFFF7FFFFF7FFFFF7FFFFF7FFFFF70", "0FFFFF7FFFFF7FFFFF7FFFFF7FFFFF70",
    "0FFFFF7FFFFF7FFFFF7FFFFF7FFFFF70", "0FFFFF7FFFFF7FFFFF7FFFFF7FFFFF70",
    "07777777777777777777977777777770", "0FFFFF7FFFFF7FFFFF799FFF7FFFFF70",
    "0FFFFF7FFFFF7FFFFF7999FF7FFFF970", "0FFFFF7FFFFF7FFFFF99F99F7FFF9970",
    "0FFFFF7F9FFF7FFFFF9FFF997FFF9F70", "0FFFFF799FFF7FFFF99FFFF97FF99F70",
    "07777779997777777977777997797770", "0FFFFF99F99F7FFF997FFFFF9999FF70",
    "0FFFFF9FFF997FFF9F7FFFFF799FFF70", "0FFFF99FFFF97FF99F7FF0FF7F9FFF70",
    "0FFFF97FFFF99FF9FF7F00FF7FFFFF70", "0FFFF97FFFFF9999FF70000F7FFFFF70",
    "07779977777779977770770077777070", "0FFF9F7FFFFF7F9FFF00FFF00FFF0070",
    "0FF99F7FF00F7FFFFF0FFFFF00FF0F70", "0FF9FF7F00007FFFF00FFFFF70000F70",
    "0F99FF700FF00FFF007FFFFF7F00FF70", "0F9FFF00FFFF00FF0F7FFFFF7FF0FF70",
    "07977007777770000777777777777770", "0F9F007FFFFF7F00FF7FFFFF7FFFFF70",
    "0FF00F7FFFFF7FF0FF7FFFFF7FFFFF70", "0F00FF7FFFFF7FFFFF7FFFFF7FFFFF70",
    "0F0FFF7FFFFF7FFFFF7FFFFF7FFFFF70", "0F0FFF7FFFFF7FFFFF7FFFFF7FFFFF70",
    "07777777777777777777777777777770", "00000000000000000000000000000000",
};
constexpr const char* kIcon16[] = {
    "0000000000000000", "0FF7FF7FF7FF7FF0", "0FF7FF7FF7FF7FF0", "0777777777977770",
    "0FF7FF7FF99F7FF0", "0FF79F7FF9F97F90", "0779977797779970", "0FF9F97F97FF79F0",
    "0F97FF99F7007FF0", "0797777970770770", "09F70F7F07FF70F0", "09F0F07F07FF7F00",
    "0707770077777770", "00F7FF70F7FF7FF0", "00F7FF7FF7FF7FF0", "0000000000000000",
};

constexpr Bitmap16 kIconImages[] = {
    {32, 32, kIcon32},
    {16, 16, kIcon16},
};

constexpr BitmapResource kBitmaps[] = {
    {IDR_MAINFRAME, {32, 15, kToolBarRows}},
};

constexpr IconResource kIcons[] = {
    {IDR_MAINFRAME, kIconImages},
    {IDR_QUORVELTYPE, kIconImages},
};

// The About box.
constexpr DialogControl kAboutControls[] = {
    {ControlClass::Static, -1, "", 11, 17, 20, 20, WS_CHILD | WS_VISIBLE | SS_ICON, IDR_MAINFRAME},
    {ControlClass::Static, -1, "Quorvel Version 1.0", 40, 10, 119, 8,
     WS_CHILD | WS_VISIBLE | SS_LEFT},
    {ControlClass::Button, IDOK, "OK", 178, 7, 50, 16,
     WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

// The Parameters dialog, in template order (which is the tab order).
constexpr DWORD kEditStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
constexpr DWORD kCheckStyle = WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kLabelStyle = WS_CHILD | WS_GROUP | SS_RIGHT;
constexpr DialogControl kParametersControls[] = {
    {ControlClass::Button, IDOK, "OK", 253, 110, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {ControlClass::Button, IDCANCEL, "Cancel", 312, 110, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    {ControlClass::Button, IDC_AUTOSCALE_Y, "Autoscale", 30, 23, 67, 10, kCheckStyle | WS_VISIBLE},
    {ControlClass::Button, IDC_GRID_Y, "Show net", 30, 41, 67, 10, kCheckStyle | WS_VISIBLE},
    {ControlClass::Edit, IDC_MIN_Y, "", 63, 60, 40, 14, kEditStyle | WS_VISIBLE | WS_DISABLED},
    {ControlClass::Edit, IDC_STEP_Y, "", 63, 80, 40, 14, kEditStyle | WS_VISIBLE | WS_DISABLED},
    {ControlClass::Button, IDC_AUTOSCALE_X, "Autoscale", 152, 23, 67, 10, kCheckStyle},
    {ControlClass::Button, IDC_GRID_X, "Show net", 152, 41, 67, 10, kCheckStyle | WS_VISIBLE},
    {ControlClass::Edit, IDC_MIN_X, "", 183, 60, 40, 14, kEditStyle},
    {ControlClass::Edit, IDC_STEP_X, "", 183, 80, 40, 14, kEditStyle},
    {ControlClass::Button, IDC_SHOW_MARKS, "Show marks", 274, 23, 67, 10, kCheckStyle | WS_VISIBLE},
    {ControlClass::Button, IDC_SHOW_LEGEND, "Show legend", 274, 41, 67, 10,
     kCheckStyle | WS_VISIBLE},
    {ControlClass::Button, -1, "Y Axe", 7, 7, 113, 95, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
    {ControlClass::Static, -1, "Y min:", 21, 66, 33, 8, kLabelStyle | WS_VISIBLE},
    {ControlClass::Static, -1, "Y delta:", 21, 86, 33, 8, kLabelStyle | WS_VISIBLE},
    {ControlClass::Button, -1, "X Axe", 127, 7, 113, 95, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
    {ControlClass::Static, -1, "X min:", 142, 66, 33, 8, kLabelStyle},
    {ControlClass::Static, -1, "X delta:", 142, 86, 33, 8, kLabelStyle},
    {ControlClass::Button, -1, "Graph", 249, 7, 113, 94, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
    {ControlClass::Edit, IDC_LINE_WIDTH, "", 325, 60, 18, 14, kEditStyle | WS_VISIBLE},
    {ControlClass::Static, -1, "Line width:", 261, 66, 58, 8, kLabelStyle | WS_VISIBLE},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_ABOUTBOX, "About Quorvel", 235, 55,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, "MS Shell Dlg", 8, 400, false,
     1, kAboutControls},
    {IDD_PARAMETERS, "Parameters", 369, 131,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, "Microsoft Sans Serif", 8,
     400, false, RUSSIAN_CHARSET, kParametersControls},
};

constexpr ResourceSet kResources = {
    kStrings,
    kMenus,
    kAccelerators,
    kBitmaps,
    kToolBars,
    kIcons,
    kDialogs,
    {{1, 0, 0, 1}, {1, 0, 0, 1}, "1.0.0.1", "1.0.0.1", "Quorvel", "Quorvel.exe", "Quorvel.exe"},
};

}  // namespace

const ResourceSet& QuorvelResources() {
    return kResources;
}
