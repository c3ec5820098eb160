#include "app/framework/Resource.h"

#include <algorithm>

namespace {

const ResourceSet* g_resources = nullptr;

// The framework's own texts: prompts of its standard commands and the indicator names.
constexpr StringEntry kStandardStrings[] = {
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_CLOSE, "Close the active document\nClose"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
    {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {ID_APP_ABOUT, "Display program information and version number\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_HELP_FINDER, "List Help topics\nHelp Topics"},
    {ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows\nHelp"},
    {ID_HELP, "Display help for current task or command\nHelp"},
    {ID_DEFAULT_HELP, "List Help topics\nHelp Topics"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_INDICATOR_EXT, "EXT"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_INDICATOR_OVR, "OVR"},
    {ID_INDICATOR_REC, "REC"},
    {AFX_IDS_IDLEMESSAGE, " "},
    {AFX_IDS_HELPMODEMESSAGE, "Select an object on which to get Help"},
    {57616, "Open this document"},
    {57617, "Open this document"},
    {57618, "Open this document"},
    {57619, "Open this document"},
    {57620, "Open this document"},
    {57621, "Open this document"},
    {57622, "Open this document"},
    {57623, "Open this document"},
    {57624, "Open this document"},
    {57625, "Open this document"},
    {57626, "Open this document"},
    {57627, "Open this document"},
    {57628, "Open this document"},
    {57629, "Open this document"},
    {57630, "Open this document"},
    {57631, "Open this document"},
};

template <class T>
const T* FindById(std::span<const T> items, UINT id) {
    auto it = std::find_if(items.begin(), items.end(), [id](const T& t) { return t.id == id; });
    return it == items.end() ? nullptr : &*it;
}

}  // namespace

void AfxSetResources(const ResourceSet* resources) {
    g_resources = resources;
}
const ResourceSet* AfxGetResources() {
    return g_resources;
}

const char* AfxLoadString(UINT id) {
    if (g_resources) {
        if (const StringEntry* s = FindById(g_resources->strings, id))
            return s->text;
    }
    const StringEntry* s = FindById(std::span<const StringEntry>(kStandardStrings), id);
    return s ? s->text : nullptr;
}

const MenuResource* AfxFindMenu(UINT id) {
    return g_resources ? FindById(g_resources->menus, id) : nullptr;
}
const AccelTable* AfxFindAccelerators(UINT id) {
    return g_resources ? FindById(g_resources->accelerators, id) : nullptr;
}
const Bitmap16* AfxFindBitmap(UINT id) {
    if (!g_resources)
        return nullptr;
    const BitmapResource* b = FindById(g_resources->bitmaps, id);
    return b ? &b->bitmap : nullptr;
}
const ToolBarResource* AfxFindToolBar(UINT id) {
    return g_resources ? FindById(g_resources->toolbars, id) : nullptr;
}
const IconResource* AfxFindIcon(UINT id) {
    return g_resources ? FindById(g_resources->icons, id) : nullptr;
}
const DialogTemplate* AfxFindDialog(UINT id) {
    return g_resources ? FindById(g_resources->dialogs, id) : nullptr;
}
