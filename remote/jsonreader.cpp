#include "jsonreader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <charconv>
#include <cstring>
#include <cmath>

namespace {

constexpr int kMaxDepth = 64;

class Reader
{
public:
    Reader(const char *begin, const char *end, ParsedFrame *out) : p(begin), e(end), m_out(out) {}

    bool document(QJsonValue *v)
    {
        ws();
        if (!value(v, 0))
            return false;
        ws();
        return p == e || fail("sonda fazladan veri");
    }

    QString error;

private:
    const char *p;
    const char *e;
    ParsedFrame *m_out;

    bool fail(const char *what)
    {
        if (error.isEmpty())
            error = QStringLiteral("Bozuk JSON: %1").arg(QLatin1String(what));
        return false;
    }

    void ws()
    {
        while (p < e && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
            ++p;
    }

    bool expect(char c)
    {
        ws();
        if (p < e && *p == c) {
            ++p;
            return true;
        }
        return fail("beklenen karakter yok");
    }

    bool literal(const char *word, size_t n)
    {
        if (size_t(e - p) < n || std::memcmp(p, word, n) != 0)
            return fail("geçersiz sözcük");
        p += n;
        return true;
    }

    static int hex(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    bool hex4(uint *out)
    {
        if (e - p < 4)
            return fail("kısa \\u kaçışı");
        uint v = 0;
        for (int i = 0; i < 4; ++i) {
            const int h = hex(p[i]);
            if (h < 0)
                return fail("geçersiz \\u kaçışı");
            v = v * 16 + uint(h);
        }
        p += 4;
        *out = v;
        return true;
    }

    bool string(QString *out)
    {
        if (p >= e || *p != '"')
            return fail("metin bekleniyordu");
        ++p;
        const char *start = p;
        while (p < e && *p != '"' && *p != '\\') {
            if (uchar(*p) < 0x20)
                return fail("metinde denetim karakteri");
            ++p;
        }
        if (p >= e)
            return fail("metin bitmedi");
        if (*p == '"') { // no escapes: the common case
            *out = QString::fromUtf8(start, p - start);
            ++p;
            return true;
        }
        QByteArray bytes(start, p - start);
        while (p < e && *p != '"') {
            if (uchar(*p) < 0x20)
                return fail("metinde denetim karakteri");
            if (*p != '\\') {
                bytes.append(*p++);
                continue;
            }
            if (++p >= e)
                return fail("metin bitmedi");
            const char c = *p++;
            switch (c) {
            case '"': bytes.append('"'); break;
            case '\\': bytes.append('\\'); break;
            case '/': bytes.append('/'); break;
            case 'b': bytes.append('\b'); break;
            case 'f': bytes.append('\f'); break;
            case 'n': bytes.append('\n'); break;
            case 'r': bytes.append('\r'); break;
            case 't': bytes.append('\t'); break;
            case 'u': {
                uint cp = 0;
                if (!hex4(&cp))
                    return false;
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    uint low = 0;
                    if (e - p < 2 || p[0] != '\\' || p[1] != 'u')
                        return fail("eksik vekil çift");
                    p += 2;
                    if (!hex4(&low) || low < 0xDC00 || low > 0xDFFF)
                        return fail("geçersiz vekil çift");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return fail("yalnız vekil");
                }
                const char32_t c32 = char32_t(cp);
                bytes.append(QString::fromUcs4(&c32, 1).toUtf8());
                break;
            }
            default: return fail("geçersiz kaçış");
            }
        }
        if (p >= e)
            return fail("metin bitmedi");
        ++p;
        *out = QString::fromUtf8(bytes);
        return true;
    }

    bool number(double *out)
    {
        const char *start = p;
        if (p < e && *p == '-')
            ++p;
        if (p >= e || !(*p >= '0' && *p <= '9'))
            return fail("sayı bekleniyordu");
        if (*p == '0')
            ++p;
        else
            while (p < e && *p >= '0' && *p <= '9') ++p;
        if (p < e && *p == '.') {
            ++p;
            if (p >= e || !(*p >= '0' && *p <= '9'))
                return fail("geçersiz sayı");
            while (p < e && *p >= '0' && *p <= '9') ++p;
        }
        if (p < e && (*p == 'e' || *p == 'E')) {
            ++p;
            if (p < e && (*p == '+' || *p == '-'))
                ++p;
            if (p >= e || !(*p >= '0' && *p <= '9'))
                return fail("geçersiz üs");
            while (p < e && *p >= '0' && *p <= '9') ++p;
        }
        const auto r = std::from_chars(start, p, *out);
        if (r.ec != std::errc() || !std::isfinite(*out))
            return fail("sayı okunamadı");
        return true;
    }

    bool value(QJsonValue *v, int depth)
    {
        ws();
        if (p >= e)
            return fail("değer bekleniyordu");
        if (depth > kMaxDepth)
            return fail("çok derin");
        switch (*p) {
        case '{': return object(v, depth);
        case '[': {
            QJsonArray a;
            if (!array(&a, depth))
                return false;
            *v = a;
            return true;
        }
        case '"': {
            QString s;
            if (!string(&s))
                return false;
            *v = s;
            return true;
        }
        case 't': if (!literal("true", 4)) return false; *v = true; return true;
        case 'f': if (!literal("false", 5)) return false; *v = false; return true;
        case 'n': if (!literal("null", 4)) return false; *v = QJsonValue(); return true;
        default: {
            double d = 0;
            if (!number(&d))
                return false;
            *v = d;
            return true;
        }
        }
    }

    bool array(QJsonArray *a, int depth)
    {
        ++p; // '['
        ws();
        if (p < e && *p == ']') {
            ++p;
            return true;
        }
        for (;;) {
            QJsonValue item;
            if (!value(&item, depth + 1))
                return false;
            a->append(item);
            ws();
            if (p < e && *p == ',') {
                ++p;
                continue;
            }
            return expect(']');
        }
    }

    bool object(QJsonValue *v, int depth)
    {
        ++p; // '{'
        QJsonObject o;
        ws();
        if (p < e && *p == '}') {
            ++p;
            *v = o;
            return true;
        }
        for (int member = 0;; ++member) {
            ws();
            QString key;
            if (!string(&key) || !expect(':'))
                return false;
            if (member == 1 && key == QLatin1String("columns") && isTableKind(o)) {
                ws();
                return table(o.value("kind").toString(), v, depth);
            }
            QJsonValue item;
            if (!value(&item, depth + 1))
                return false;
            o.insert(key, item);
            ws();
            if (p < e && *p == ',') {
                ++p;
                continue;
            }
            if (!expect('}'))
                return false;
            *v = o;
            return true;
        }
    }

    static bool isTableKind(const QJsonObject &o)
    {
        const QString kind = o.value("kind").toString();
        return o.size() == 1 && (kind == QLatin1String("table") || kind == QLatin1String("datapacket"));
    }

    // After "kind" and the key "columns": the columns array, "rows" and the rows.
    bool table(const QString &kind, QJsonValue *v, int depth)
    {
        if (p >= e || *p != '[')
            return fail("sütunlar dizi olmalı");
        QJsonArray cols;
        if (!array(&cols, depth + 1))
            return false;
        QList<FieldDef> fields;
        for (const QJsonValue &c : cols) {
            const QJsonObject co = c.toObject();
            FieldDef f;
            f.name = co.value("name").toString();
            if (!c.isObject() || f.name.isEmpty() || !co.value("name").isString()
                || !fieldTypeFromName(co.value("type").toString(), &f.type))
                return fail("geçersiz sütun tanımı");
            fields.append(f);
        }
        TableData t(fields);
        if (!expect(','))
            return false;
        ws();
        QString key;
        if (!string(&key) || key != QLatin1String("rows") || !expect(':'))
            return fail("satırlar bekleniyordu");
        if (!expect('['))
            return false;
        ws();
        if (p < e && *p == ']') {
            ++p;
        } else {
            for (;;) {
                if (!row(t))
                    return false;
                ws();
                if (p < e && *p == ',') {
                    ++p;
                    continue;
                }
                if (!expect(']'))
                    return false;
                break;
            }
        }
        if (!expect('}'))
            return false;
        m_out->tables.push_back(std::move(t));
        *v = QJsonObject{{"kind", kind}, {"$table", double(m_out->tables.size() - 1)}};
        return true;
    }

    bool row(TableData &t)
    {
        if (!expect('['))
            return false;
        const int r = t.appendRow();
        const int n = t.columnCount();
        for (int c = 0; c < n; ++c) {
            if (c > 0 && !expect(','))
                return fail("satırdaki değer sayısı sütun sayısına uymuyor");
            ws();
            if (p >= e)
                return fail("satır bitmedi");
            if (*p == 'n') {
                if (!literal("null", 4))
                    return false;
                continue;
            }
            const FieldType type = t.fields()[c].type;
            switch (type) {
            case FieldType::String:
            case FieldType::Blob: {
                QString s;
                if (*p != '"' || !string(&s))
                    return fail("metin hücre bekleniyordu");
                if (type == FieldType::String)
                    t.setString(r, c, s);
                else
                    t.setBlob(r, c, QByteArray::fromBase64(s.toLatin1()));
                break;
            }
            case FieldType::Boolean:
                if (*p == 't') { if (!literal("true", 4)) return false; t.setBool(r, c, true); }
                else if (*p == 'f') { if (!literal("false", 5)) return false; t.setBool(r, c, false); }
                else return fail("mantıksal hücre bekleniyordu");
                break;
            default: {
                double d = 0;
                if (!number(&d))
                    return fail("sayısal hücre bekleniyordu");
                if (type == FieldType::Integer || type == FieldType::LargeInt) {
                    const double limit = type == FieldType::Integer ? 2147483647.0 : 9007199254740992.0;
                    if (d != std::floor(d) || d > limit || d < -limit - (type == FieldType::Integer ? 1 : 0))
                        return fail("tamsayı hücre bekleniyordu");
                    t.setInt(r, c, qint64(d));
                } else {
                    t.setFloat(r, c, d);
                }
            }
            }
        }
        if (!expect(']'))
            return fail("satırdaki değer sayısı sütun sayısına uymuyor");
        return true;
    }
};

} // namespace

bool parseFrameJson(const QByteArray &text, ParsedFrame *out, QString *error)
{
    out->tables.clear();
    Reader r(text.constData(), text.constData() + text.size(), out);
    QJsonValue v;
    if (!r.document(&v)) {
        *error = r.error;
        return false;
    }
    out->value = v;
    return true;
}
