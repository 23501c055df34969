#include "reportengine/ReportTemplate.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kv::report {

QString TemplateError::message() const {
    if (line > 0)
        return QStringLiteral("Błąd w szablonie raportu %1, wiersz %2: %3")
            .arg(file)
            .arg(line)
            .arg(reason);
    return QStringLiteral("Błąd szablonu raportu %1: %2").arg(file, reason);
}

namespace {

const QRegularExpression& slotPattern() {
    static const QRegularExpression re(QStringLiteral("\\[([A-Z][A-Z0-9_]*)\\]"));
    return re;
}

std::optional<BandKind> bandByName(const QString& name) {
    static const char* const names[kBandKinds] = {"title", "pageheader", "row", "summary",
                                                  "pagefooter"};
    for (int i = 0; i < kBandKinds; ++i)
        if (name.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return static_cast<BandKind>(i);
    return std::nullopt;
}

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || v < 0 || v > 10000)
        return std::nullopt;
    return v;
}

// Parses one placed item: "text X Y W H [options]: content" or "line X1 Y1 X2 Y2".
bool parseItem(const QString& line, TemplateItem& item, QString* reason) {
    QString head = line;
    if (line.startsWith(QLatin1String("text"), Qt::CaseInsensitive)) {
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) {
            *reason = QStringLiteral("po położeniu tekstu brak dwukropka i treści");
            return false;
        }
        head = line.left(colon);
        item.content = line.mid(colon + 1);
        if (item.content.startsWith(u' '))
            item.content.remove(0, 1);
        item.content.replace(QLatin1String("\\r"), QString(QChar(13)));
        item.kind = TemplateItem::Kind::Text;
    } else {
        item.kind = TemplateItem::Kind::Line;
    }
    const QStringList words = head.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 5) {
        *reason = QStringLiteral("oczekiwano czterech liczb położenia");
        return false;
    }
    double v[4];
    for (int i = 0; i < 4; ++i) {
        const auto n = number(words.at(i + 1));
        if (!n) {
            *reason = QStringLiteral("\"%1\" nie jest liczbą milimetrów").arg(words.at(i + 1));
            return false;
        }
        v[i] = *n;
    }
    if (item.kind == TemplateItem::Kind::Line) {
        if (words.size() != 5) {
            *reason = QStringLiteral("linia przyjmuje tylko cztery liczby");
            return false;
        }
        item.box = QRectF(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
        return true;
    }
    if (v[2] <= 0 || v[3] <= 0) {
        *reason = QStringLiteral("szerokość i wysokość tekstu muszą być większe od zera");
        return false;
    }
    item.box = QRectF(v[0], v[1], v[2], v[3]);
    for (int i = 5; i < words.size(); ++i) {
        const QString w = words.at(i).toLower();
        if (w == u"bold")
            item.bold = true;
        else if (w == u"frame")
            item.frame = true;
        else if (w == u"left")
            item.align = Qt::AlignLeft;
        else if (w == u"center")
            item.align = Qt::AlignHCenter;
        else if (w == u"right")
            item.align = Qt::AlignRight;
        else if (w.startsWith(QLatin1String("size="))) {
            const auto n = number(w.mid(5));
            if (!n || *n < 4 || *n > 72) {
                *reason = QStringLiteral("rozmiar czcionki \"%1\" spoza 4..72").arg(w.mid(5));
                return false;
            }
            item.fontSize = *n;
        } else {
            *reason = QStringLiteral("nieznana opcja \"%1\"").arg(words.at(i));
            return false;
        }
    }
    return true;
}

bool parsePageKey(ReportTemplate& t, const QString& key, const QString& value, QString* reason) {
    const QString k = key.toLower();
    if (k == u"size") {
        const QString v = value.trimmed().toUpper();
        if (v == u"A4")
            return true;
        *reason = QStringLiteral("obsługiwany jest tylko rozmiar A4");
        return false;
    }
    if (k == u"orientation") {
        const QString v = value.trimmed().toLower();
        if (v == u"portrait") {
            t.pageWidth = 210, t.pageHeight = 297;
        } else if (v == u"landscape") {
            t.pageWidth = 297, t.pageHeight = 210;
        } else {
            *reason = QStringLiteral("orientacja to portrait albo landscape");
            return false;
        }
        return true;
    }
    if (k == u"margins") {
        const QStringList parts = value.simplified().split(u' ');
        if (parts.size() != 4) {
            *reason = QStringLiteral("marginesy to cztery liczby: lewy górny prawy dolny");
            return false;
        }
        double m[4];
        for (int i = 0; i < 4; ++i) {
            const auto n = number(parts.at(i));
            if (!n || *n > 250) {
                *reason = QStringLiteral("margines \"%1\" nie jest liczbą 0..250").arg(parts.at(i));
                return false;
            }
            m[i] = *n;
        }
        t.marginLeft = m[0], t.marginTop = m[1], t.marginRight = m[2], t.marginBottom = m[3];
        return true;
    }
    if (k == u"fontsize") {
        const auto n = number(value);
        if (!n || *n < 4 || *n > 72) {
            *reason = QStringLiteral("rozmiar czcionki spoza 4..72");
            return false;
        }
        t.fontSize = *n;
        return true;
    }
    *reason = QStringLiteral("nieznany klucz \"%1\"").arg(key);
    return false;
}

} // namespace

QStringList slotNames(const QString& content) {
    QStringList names;
    auto it = slotPattern().globalMatch(content);
    while (it.hasNext())
        names.append(it.next().captured(1));
    return names;
}

std::optional<ReportTemplate> parseTemplate(const QString& text, const QString& name,
                                            TemplateError* error) {
    ReportTemplate t;
    t.name = name;
    const QStringList lines = text.split(u'\n');
    enum { None, Page, Band } section = None;
    TemplateBand* band = nullptr;
    bool anyBand = false;
    auto fail = [&](int line, const QString& reason) {
        if (error)
            *error = {name, line, reason};
        return std::nullopt;
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#') || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[')) {
            if (!trimmed.endsWith(u']'))
                return fail(i + 1, QStringLiteral("niezamknięty nawias sekcji"));
            const QString sec = trimmed.mid(1, trimmed.size() - 2).trimmed();
            if (sec.compare(QLatin1String("page"), Qt::CaseInsensitive) == 0) {
                section = Page;
                continue;
            }
            const auto kind = bandByName(sec);
            if (!kind)
                return fail(i + 1, QStringLiteral("nieznana sekcja [%1]").arg(sec));
            band = &t.band(*kind);
            if (band->present)
                return fail(i + 1, QStringLiteral("sekcja [%1] powtórzona").arg(sec));
            band->present = true;
            anyBand = true;
            section = Band;
            continue;
        }
        if (section == None)
            return fail(i + 1, QStringLiteral("wiersz poza sekcją"));
        QString reason;
        if (section == Page) {
            const qsizetype eq = trimmed.indexOf(u'=');
            if (eq < 0)
                return fail(i + 1, QStringLiteral("oczekiwano klucz = wartość"));
            if (!parsePageKey(t, trimmed.left(eq).trimmed(), trimmed.mid(eq + 1), &reason))
                return fail(i + 1, reason);
            continue;
        }
        if (trimmed.startsWith(QLatin1String("height"), Qt::CaseInsensitive) &&
            trimmed.contains(u'=')) {
            const auto n = number(trimmed.mid(trimmed.indexOf(u'=') + 1));
            if (!n)
                return fail(i + 1, QStringLiteral("wysokość pasa nie jest liczbą milimetrów"));
            band->height = *n;
            continue;
        }
        if (!trimmed.startsWith(QLatin1String("text"), Qt::CaseInsensitive) &&
            !trimmed.startsWith(QLatin1String("line"), Qt::CaseInsensitive))
            return fail(i + 1, QStringLiteral("oczekiwano \"text\", \"line\" albo \"height =\""));
        TemplateItem item;
        if (!parseItem(trimmed, item, &reason))
            return fail(i + 1, reason);
        band->items.append(item);
    }
    if (!anyBand)
        return fail(0, QStringLiteral("szablon nie ma żadnego pasa"));
    if (t.bodyWidth() < 20 || t.bodyHeight() < 20)
        return fail(0, QStringLiteral("marginesy nie zostawiają miejsca na treść"));
    for (const TemplateBand& b : t.bands)
        if (b.height > t.bodyHeight())
            return fail(0, QStringLiteral("pas wyższy niż strona"));
    return t;
}

std::optional<ReportTemplate> loadTemplate(const QString& path, TemplateError* error) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists()) {
        if (error)
            *error = {path, 0, QStringLiteral("brak pliku")};
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = {path, 0,
                      QStringLiteral("nie można odczytać pliku: %1").arg(file.errorString())};
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    auto t = parseTemplate(QString::fromUtf8(bytes), path, error);
    if (t)
        t->name = name;
    return t;
}

} // namespace kv::report
