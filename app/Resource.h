// The application's resource ids.
#pragma once

#include "app/framework/Resource.h"

inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDP_OLE_INIT_FAILED = 100;
inline constexpr UINT IDR_MAINFRAME = 128;
inline constexpr UINT IDR_QUORVELTYPE = 129;
inline constexpr UINT IDD_PARAMETERS = 134;
inline constexpr UINT ID_PARAMETERS = 32771;

// Controls of the Parameters dialog.
inline constexpr int IDC_AUTOSCALE_Y = 1000;
inline constexpr int IDC_GRID_Y = 1003;
inline constexpr int IDC_MIN_Y = 1004;
inline constexpr int IDC_STEP_Y = 1005;
inline constexpr int IDC_AUTOSCALE_X = 1006;
inline constexpr int IDC_GRID_X = 1009;
inline constexpr int IDC_MIN_X = 1010;
inline constexpr int IDC_STEP_X = 1011;
inline constexpr int IDC_LINE_WIDTH = 1012;
inline constexpr int IDC_SHOW_MARKS = 1013;
inline constexpr int IDC_SHOW_LEGEND = 1014;

// The application's resources: menus, accelerators, toolbar and its bitmap, icons, dialogs,
// strings and version information.
const ResourceSet& QuorvelResources();
