#pragma once
// The object form on the wire: {"type", "id", "fields"}, "ref" back-references
// and null. Each transfer class lists its fields once (wireFields()); this
// file turns that list into JSON and back.

#include "wire.h"

#include <QHash>
#include <QJsonObject>
#include <memory>
#include <span>
#include <variant>

template <class T>
struct WireField {
    const char *name;
    std::variant<qint32 T::*, double T::*, QString T::*, bool T::*> member;
};

class ObjectWriter
{
public:
    // A null pointer is written as JSON null; an object written before in the
    // same frame as a reference.
    template <class T>
    QJsonValue write(const T *o)
    {
        if (!o)
            return QJsonValue();
        const auto it = m_ids.constFind(o);
        if (it != m_ids.constEnd())
            return QJsonObject{{"type", T::kType}, {"ref", *it}};
        const int id = m_next++;
        m_ids.insert(o, id);
        QJsonObject fields;
        for (const WireField<T> &f : T::wireFields()) {
            std::visit([&](auto m) {
                using V = std::remove_cvref_t<decltype(o->*m)>;
                if constexpr (std::is_same_v<V, double>)
                    fields.insert(QLatin1String(f.name), wire::writeDouble(o->*m));
                else
                    fields.insert(QLatin1String(f.name), o->*m);
            }, f.member);
        }
        if constexpr (requires { o->writeMore(*this, fields); })
            o->writeMore(*this, fields);
        return QJsonObject{{"type", T::kType}, {"id", id}, {"fields", fields}};
    }

private:
    QHash<const void *, int> m_ids;
    int m_next = 1;
};

class ObjectReader
{
public:
    // Null gives an empty pointer and true. A wrong type, an unknown
    // reference or a field of the wrong JSON type fail with *error set.
    template <class T>
    bool read(const QJsonValue &v, std::unique_ptr<T> *out, QString *error)
    {
        out->reset();
        if (v.isNull() || v.isUndefined())
            return true;
        if (!v.isObject())
            return fail(error, QStringLiteral("Nesne bekleniyordu"));
        QJsonObject o = v.toObject();
        const QString type = o.value("type").toString();
        if (type != T::kType)
            return fail(error, QStringLiteral("Bilinmeyen nesne türü: %1").arg(type));
        if (o.contains("ref")) {
            qint32 ref = 0;
            if (!wire::readInt32(o.value("ref"), &ref) || !m_seen.contains(ref))
                return fail(error, QStringLiteral("Geçersiz nesne başvurusu"));
            o = m_seen.value(ref);
            if (o.value("type").toString() != type)
                return fail(error, QStringLiteral("Başvuru türü uyuşmuyor"));
        } else {
            qint32 id = 0;
            if (!wire::readInt32(o.value("id"), &id))
                return fail(error, QStringLiteral("Nesne kimliği eksik"));
            m_seen.insert(id, o);
        }
        const QJsonValue fv = o.value("fields");
        if (!fv.isObject())
            return fail(error, QStringLiteral("Nesne alanları eksik"));
        const QJsonObject fields = fv.toObject();
        auto obj = std::make_unique<T>();
        for (const WireField<T> &f : T::wireFields()) {
            const QJsonValue val = fields.value(QLatin1String(f.name));
            if (val.isUndefined())
                continue;
            bool ok = true;
            std::visit([&](auto m) {
                using V = std::remove_cvref_t<decltype(obj.get()->*m)>;
                if constexpr (std::is_same_v<V, qint32>) ok = wire::readInt32(val, &(obj.get()->*m));
                else if constexpr (std::is_same_v<V, double>) ok = wire::readDouble(val, &(obj.get()->*m));
                else if constexpr (std::is_same_v<V, bool>) ok = wire::readBool(val, &(obj.get()->*m));
                else ok = wire::readString(val, &(obj.get()->*m));
            }, f.member);
            if (!ok)
                return fail(error, QStringLiteral("%1 alanı için geçersiz değer").arg(QLatin1String(f.name)));
        }
        if constexpr (requires { obj->readMore(*this, fields, error); }) {
            if (!obj->readMore(*this, fields, error))
                return false;
        }
        *out = std::move(obj);
        return true;
    }

private:
    static bool fail(QString *error, const QString &text)
    {
        if (error)
            *error = text;
        return false;
    }
    QHash<int, QJsonObject> m_seen;
};
