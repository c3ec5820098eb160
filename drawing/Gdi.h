// Drawing objects: pens and fonts, described by value. A surface copies what it needs when an
// object is selected, so the object itself holds no pixels and no glyphs.
#pragma once

#include <cstring>

#include "platform/Types.h"

inline constexpr int PS_SOLID = 0;

inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;

inline constexpr BYTE ANSI_CHARSET = 0;

inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;

inline constexpr UINT OBJ_PEN = 1;
inline constexpr UINT OBJ_FONT = 6;

inline constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};

class CGdiObject {
  public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() = default;

    // True once the object has been created successfully.
    bool HasObject() const noexcept { return m_created; }
    void DeleteObject() noexcept { m_created = false; }

  protected:
    bool m_created = false;
};

class CPen : public CGdiObject {
  public:
    CPen() = default;
    // Creates the pen at once; a pen that cannot be created throws CResourceException.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);

    int GetStyle() const noexcept { return m_style; }
    int GetWidth() const noexcept { return m_width; }
    COLORREF GetColor() const noexcept { return m_color; }

    // Test hook: after n more successful creations every creation fails; a negative n means
    // creation never fails (the default).
    static void SetCreationLimit(int n) noexcept;

  private:
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
};

class CFont : public CGdiObject {
  public:
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    const LOGFONT& GetLogFont() const noexcept { return m_logFont; }

  private:
    LOGFONT m_logFont;
};
