#include "support/spot_archives.h"

#include <QFile>
#include <QRegularExpression>

#include "support/real_files.h"

namespace {

QStringList archiveLines(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(u'\n');
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The archives' own rule for a reference: a continent code, an optional dash and three digits,
// after no letter, digit or slash.
QStringList looseReferences(const QString& comment) {
    static const QRegularExpression reference(QStringLiteral("(?<![A-Za-z0-9/])(AF|AN|AS|EU|NA|OC|SA)-?(\\d{3})"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const QRegularExpressionMatch& match : reference.globalMatch(comment)) {
        const QString normal = match.captured(1).toUpper() + u'-' + match.captured(2);
        if (!found.contains(normal)) found << normal;
    }
    return found;
}

QString spotterOf(const QString& start) {
    QString spotter = start.mid(6).trimmed();
    if (spotter.endsWith(u':')) spotter.chop(1);
    return spotter;
}

// "2020-01-02 12:29" or "2018-11-17 19:24:00" as date and "1229Z".
void takeDateTime(const QString& text, Spot& spot) {
    spot.date = text.left(10);
    spot.time = text.mid(11, 2) + text.mid(14, 2) + u'Z';
}

// A comment as a terminal shows it: a few spotters' backspace keys left DEL bytes in theirs.
QString shownText(QString comment) {
    return comment.remove(QChar(0x7F));
}

ArchivedSpot archived(int lineNumber, const QString& line, Spot fields) {
    fields.kHz = fields.frequency.toDouble();
    QStringList references = looseReferences(fields.comment);
    return {lineNumber, line, std::move(fields), std::move(references)};
}

}  // namespace

std::vector<ArchivedSpot> tabSeparatedArchive(const QString& path) {
    std::vector<ArchivedSpot> spots;
    const QStringList lines = archiveLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList field = lines[i].split(u'\t');
        Spot spot;
        spot.spotter = spotterOf(field.value(0));
        spot.frequency = field.value(1);
        spot.dxCall = field.value(2);
        spot.comment = shownText(field.value(3)).trimmed();
        takeDateTime(field.value(4), spot);
        spots.push_back(archived(i + 1, lines[i], std::move(spot)));
    }
    return spots;
}

std::vector<ArchivedSpot> fixedColumnArchive(const QString& path) {
    std::vector<ArchivedSpot> spots;
    const QStringList lines = archiveLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const qsizetype colon = line.indexOf(u':');
        Spot spot;
        spot.spotter = spotterOf(line.left(colon + 1));
        spot.frequency = line.mid(colon + 1, 23 - colon - 1).trimmed();
        spot.dxCall = line.mid(26, 10).trimmed();
        spot.comment = shownText(line.mid(36, 30)).trimmed();
        takeDateTime(line.mid(66), spot);
        spots.push_back(archived(i + 1, line, std::move(spot)));
    }
    return spots;
}

QString nodeFrequency(const Spot& spot) {
    return QString::asprintf("%.1f", spot.kHz);
}

QString nodeSpotLine(const Spot& spot) {
    return QString::asprintf("DX de %-9s %8s  %-12s %-30s %s", qPrintable(spot.spotter + u':'),
                             qPrintable(nodeFrequency(spot)), qPrintable(spot.dxCall),
                             qPrintable(spot.comment.left(30)), qPrintable(spot.time));
}

void PrintTo(const Spot& spot, std::ostream* out) {
    const QStringList fields{spot.spotter, spot.frequency, QString::number(spot.kHz),
                             spot.dxCall,  spot.comment,   spot.time,
                             spot.date,    spot.locator};
    *out << fields.join(u'|').toStdString();
}

std::vector<ArchivedSpot> realArchivedSpots() {
    std::vector<ArchivedSpot> spots = tabSeparatedArchive(realFile(QStringLiteral("cluster/zc4uw_dxspots.txt")));
    for (ArchivedSpot& spot : fixedColumnArchive(realFile(QStringLiteral("cluster/vp2muw_dxspots.txt"))))
        spots.push_back(std::move(spot));
    return spots;
}

const QByteArray kNodeGreeting = "\xFF\xFB\x01\xFF\xFB\x03Welcome to GB7TST, a test node\r\n";

QByteArray nodeSession(const std::vector<Spot>& spots) {
    static const QByteArray kBetweenSpots[] = {
        "To ALL de G4XYZ: net on 3.760 tonight\a\a\r\n",
        "WWV de W0MU <18>:   SFI=68, A=4, K=1, No Storms -> No Storms\a\a\r\n",
        "WCY de DK0WCY-1 <18> : K=2 expK=2 A=8 R=0 SFI=70 SA=qui GMF=qui Au=no\a\a\r\n",
        "G3ABC de G4XYZ: see you on 20m\r\n",
        "\r\n\xFF\xF1",
    };
    QByteArray stream =
        "Hello Anna, this is GB7TST in Cambridge\r\nrunning DXSpider V1.57 build 540\r\n"
        "Please use set/qth <your qth> to set your location\r\n"
        "G3ABC de GB7TST  9-Dec-2026 1200Z dxspider >\r\n";
    for (size_t i = 0; i < spots.size(); ++i) {
        stream += nodeSpotLine(spots[i]).toLatin1() + (i % 3 == 0 ? "\a\a\r\n" : "\r\n");
        if (i % 50 == 49) stream += kBetweenSpots[(i / 50) % std::size(kBetweenSpots)];
    }
    return stream;
}
