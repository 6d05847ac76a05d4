#pragma once
// A plain UTF-8 INI file ([section], key=value). Keys may hold non-ASCII
// letters ("hatırla"), which QSettings would escape.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class IniFile
{
public:
    bool load(const QString &path);
    // Written readable by the owner only when `privateFile` (it may hold a password).
    bool save(const QString &path, bool privateFile) const;

    QString value(const QString &section, const QString &key, const QString &fallback = QString()) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    QStringList keys(const QString &section) const;

private:
    struct Section { QString name; QList<QPair<QString, QString>> entries; };
    Section *find(const QString &name);
    const Section *find(const QString &name) const;
    QList<Section> m_sections;
};
