#include "TimeText.h"

namespace {

const QString kTimeTextFormat = QStringLiteral("H:mm:ss");

// Calls `visit(token, quoted)` for each run of one format letter, or each
// quoted literal, of a Qt date-time format.
template <typename Visit>
void forEachToken(const QString& format, Visit visit) {
    for (qsizetype i = 0; i < format.size();) {
        qsizetype end = i + 1;
        if (format[i] == u'\'') {
            while (end < format.size() && format[end] != u'\'') ++end;
            end = qMin(end + 1, format.size());
            visit(format.mid(i, end - i), true);
        } else {
            while (end < format.size() && format[end] == format[i]) ++end;
            visit(format.mid(i, end - i), false);
        }
        i = end;
    }
}

bool isTwelveHour(const QString& format) {
    bool twelve = false;
    forEachToken(format, [&](const QString& token, bool quoted) {
        if (!quoted && (token[0] == u'a' || token[0] == u'A')) twelve = true;
    });
    return twelve;
}

}  // namespace

QString timeText(QTime time) {
    return time.toString(kTimeTextFormat);
}

namespace {

// The long format with the zone and any brackets around it taken out.
QString clockFaceFormat(const QLocale& locale) {
    if (locale.language() == QLocale::C) return kTimeTextFormat;
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    const bool twelveHour = isTwelveHour(longFormat);
    QString format;
    forEachToken(longFormat, [&](const QString& token, bool quoted) {
        if (quoted) {
            format += token;
        } else if (token[0] == u't') {
            return;  // the time zone name
        } else if (!twelveHour && token == u"HH") {
            format += u'H';
        } else {
            format += token;
        }
    });
    for (QStringView emptied : {u"()", u"[]", u"( )", u"[ ]"}) format.remove(emptied.toString());
    return format.simplified();
}

}  // namespace

ClockFace::ClockFace(const QLocale& locale) : locale_(locale), format_(clockFaceFormat(locale)) {}
