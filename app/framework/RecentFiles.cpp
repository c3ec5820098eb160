#include "app/framework/RecentFiles.h"

#include <QSettings>

CRecentFileList::CRecentFileList(QString section, QString entryFormat, int nSize, int nMaxDispLen)
    : m_section(std::move(section)),
      m_entryFormat(std::move(entryFormat)),
      m_nSize(nSize),
      m_nMaxDispLen(nMaxDispLen) {}

QString CRecentFileList::EntryName(int n) const {
    return QString::asprintf(m_entryFormat.toLatin1().constData(), n);
}

void CRecentFileList::Add(const QString& path) {
    m_names.removeAll(path);
    m_names.prepend(path);
    while (m_names.size() > m_nSize)
        m_names.removeLast();
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < m_names.size())
        m_names.removeAt(nIndex);
}

void CRecentFileList::ReadList(QSettings& settings) {
    m_names.clear();
    settings.beginGroup(m_section);
    for (int i = 1; i <= m_nSize; ++i) {
        const QString name = settings.value(EntryName(i)).toString();
        if (!name.isEmpty() && !m_names.contains(name))
            m_names.push_back(name);
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
    settings.beginGroup(m_section);
    for (int i = 1; i <= m_nSize; ++i) {
        if (i <= m_names.size()) {
            settings.setValue(EntryName(i), m_names[i - 1]);
        } else {
            settings.remove(EntryName(i));
        }
    }
    settings.endGroup();
}

QString CRecentFileList::AbbreviatePath(const QString& path, int maxLength) {
    if (path.size() <= maxLength)
        return path;
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return path;
    const QString root = path.startsWith('/') ? "/..." : "...";
    QString tail = parts.last();
    if (root.size() + 1 + tail.size() > maxLength)
        return tail;
    for (qsizetype i = parts.size() - 2; i >= 0; --i) {
        const QString longer = parts[i] + '/' + tail;
        if (root.size() + 1 + longer.size() > maxLength)
            break;
        tail = longer;
    }
    return root + '/' + tail;
}

QString CRecentFileList::GetMenuText(int nIndex) const {
    QString shown = AbbreviatePath(m_names[nIndex], m_nMaxDispLen);
    shown.replace('&', "&&");
    const int n = nIndex + 1;
    const QString number = n < 10 ? QString("&%1").arg(n) : n == 10 ? "1&0" : QString::number(n);
    return number + ' ' + shown;
}
