// The recent-file list: paths, most recent first, at most a fixed number, kept in the settings
// store under the section "Recent File List" as File1, File2, ...
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
  public:
    CRecentFileList(QString section, QString entryFormat, int nSize, int nMaxDispLen);

    int GetSize() const { return m_nSize; }
    int GetCount() const { return static_cast<int>(m_names.size()); }
    const QString& operator[](int nIndex) const { return m_names[nIndex]; }

    // Puts the path on top; an entry for the same path moves up instead of appearing twice.
    void Add(const QString& path);
    void Remove(int nIndex);

    void ReadList(QSettings& settings);
    // Writes every entry and removes the values of entries that are gone.
    void WriteList(QSettings& settings) const;

    // The menu text of an entry: "&1 " and the path shortened to the display length.
    QString GetMenuText(int nIndex) const;
    // The path shortened to at most maxLength characters: the root, "...", and as many of the
    // last components as fit; the file name alone when even that is too long.
    static QString AbbreviatePath(const QString& path, int maxLength);

  private:
    QString EntryName(int n) const;

    QString m_section;
    QString m_entryFormat;
    int m_nSize;
    int m_nMaxDispLen;
    QStringList m_names;
};
