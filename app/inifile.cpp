#include "inifile.h"

#include <QFile>
#include <QSaveFile>

bool IniFile::load(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    m_sections.clear();
    Section *current = nullptr;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    for (QString raw : lines) {
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = find(name);
            if (!current) {
                m_sections.append(Section{name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        // The value is kept as written, blanks included: it may be a password.
        const qsizetype eq = raw.indexOf(u'=');
        if (eq < 0 || raw.left(eq).trimmed().isEmpty() || !current)
            continue;
        current->entries.append({raw.left(eq).trimmed(), raw.mid(eq + 1)});
    }
    return true;
}

bool IniFile::save(const QString &path, bool privateFile) const
{
    QByteArray text;
    for (const Section &s : m_sections) {
        text += '[' + s.name.toUtf8() + "]\n";
        for (const auto &e : s.entries)
            text += e.first.toUtf8() + '=' + e.second.toUtf8() + '\n';
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (privateFile)
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    f.write(text);
    return f.commit();
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    if (const Section *s = find(section))
        for (const auto &e : s->entries)
            if (e.first.compare(key, Qt::CaseInsensitive) == 0)
                return e.second;
    return fallback;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Section *s = find(section);
    if (!s) {
        m_sections.append(Section{section, {}});
        s = &m_sections.last();
    }
    for (auto &e : s->entries) {
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
            e.second = value;
            return;
        }
    }
    s->entries.append({key, value});
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    if (const Section *s = find(section))
        for (const auto &e : s->entries)
            out << e.first;
    return out;
}

IniFile::Section *IniFile::find(const QString &name)
{
    for (Section &s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const IniFile::Section *IniFile::find(const QString &name) const
{
    return const_cast<IniFile *>(this)->find(name);
}
