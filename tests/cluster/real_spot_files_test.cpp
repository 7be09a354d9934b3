// The spots of real island DXpeditions (ZC4UW, AS-004; VP2MUW, NA-103), lines real nodes sent
// that another client failed to read, and a DX Summit answer: every spot read with the fields its
// archive's own layout gives, every reference the archives' own rule finds and no other.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cluster/island_references.h"
#include "cluster/node_line.h"
#include "support/qt_printers.h"
#include "support/real_files.h"
#include "support/spot_archives.h"

namespace {

void expectReadAsArchived(const std::vector<ArchivedSpot>& archive, const char* name) {
    for (const ArchivedSpot& archived : archive) {
        const NodeLine read = readNodeLine(archived.line);
        const std::string where = std::string(name) + " line " + std::to_string(archived.lineNumber);
        ASSERT_EQ(read.kind, NodeLineKind::Spot) << where;
        EXPECT_EQ(read.spot, archived.fields) << where;
        EXPECT_EQ(islandReferencesIn(read.spot.comment), archived.references) << where;
    }
}

// The lines with a reference and every reference they name, joined.
std::pair<int, QStringList> referencesIn(const std::vector<ArchivedSpot>& archive) {
    int lines = 0;
    QStringList all;
    for (const ArchivedSpot& archived : archive) {
        lines += archived.references.isEmpty() ? 0 : 1;
        all << archived.references;
    }
    all.removeDuplicates();
    return {lines, all};
}

// ZC4UW's archive is TAB-separated, VP2MUW's in fixed columns.
TEST(RealSpotFiles, ArchivesOfTwoIslandDxpeditions) {
    SKIP_WITHOUT_REAL_FILE(zc4uw, "cluster/zc4uw_dxspots.txt");
    SKIP_WITHOUT_REAL_FILE(vp2muw, "cluster/vp2muw_dxspots.txt");
    const struct {
        std::vector<ArchivedSpot> archive;
        const char* name;
        size_t spots;
        int linesWithReferences;
        const char* reference;
    } archives[] = {
        {tabSeparatedArchive(zc4uw), "zc4uw_dxspots.txt", 1880, 16, "AS-004"},
        {fixedColumnArchive(vp2muw), "vp2muw_dxspots.txt", 823, 9, "NA-103"},
    };
    for (const auto& archive : archives) {
        ASSERT_EQ(archive.archive.size(), archive.spots) << archive.name;
        expectReadAsArchived(archive.archive, archive.name);
        EXPECT_EQ(referencesIn(archive.archive), std::pair(archive.linesWithReferences, QStringList{archive.reference}))
            << archive.name;
    }
}

TEST(RealSpotFiles, LinesAnotherClientFailedToRead) {
    SKIP_WITHOUT_REAL_FILE(path, "cluster/dxclustergoapi_patterns.txt");
    const struct {
        const char* spotter;
        const char* frequency;
        const char* dxCall;
        const char* comment;
        const char* time;
    } expected[] = {
        {"VE1SKY", "144174.0", "TU", "Jeff -12", "1220Z"},
        {"SMS", "28385.0", "TF3EK", "", ""},
        {"PS7BZ", "21248.0", "CQ", "JOTA  USB", "1642Z"},
        {"W4BEE", "146520.0", "W4BEE", "W4C/EM-066", "1800Z"},
        {"W4BEE", "18137.0", "W4BEE", "W4C/EM-066", "1818Z"},
        {"W4BEE", "14259.0", "W4BEE", "W4C/EM-066", "1835Z"},
        {"W4BEE", "21360.0", "W4BEE", "W4C/EM-066", "1841Z"},
        {"W4BEE", "28381.0", "W4BEE", "W4C/EM-066", "1853Z"},
        {"OK2IT", "3796.0", "I", "am cheating agn with sdr RX!", "1522Z"},
        {"OK2IT", "3796.0", "I", "am cheating agn with sdr RX!", "1522Z"},
    };
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    size_t spot = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        ASSERT_LT(spot, std::size(expected)) << line.toStdString();
        const NodeLine read = readNodeLine(QString::fromLatin1(line));
        const auto& want = expected[spot++];
        ASSERT_EQ(read.kind, NodeLineKind::Spot) << line.toStdString();
        EXPECT_EQ(read.spot.spotter, want.spotter) << line.toStdString();
        EXPECT_EQ(read.spot.frequency, want.frequency) << line.toStdString();
        EXPECT_EQ(read.spot.dxCall, want.dxCall) << line.toStdString();
        EXPECT_EQ(read.spot.comment, want.comment) << line.toStdString();
        EXPECT_EQ(read.spot.time, want.time) << line.toStdString();
        EXPECT_TRUE(islandReferencesIn(read.spot.comment).isEmpty()) << line.toStdString();
    }
    EXPECT_EQ(spot, std::size(expected));
}

// The web spots laid out as a node sends them come back with their fields, and only the one
// that says "IOTA OC-001" names a reference (not the castle, nor the flora and fauna ones).
TEST(RealSpotFiles, DxSummitSpotsLaidOutAsANodeSendsThem) {
    SKIP_WITHOUT_REAL_FILE(path, "cluster/dxsummit_response.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray spots = QJsonDocument::fromJson(file.readAll()).array();
    ASSERT_EQ(spots.size(), 6);
    QStringList references;
    for (const QJsonValue& value : spots) {
        const QJsonObject web = value.toObject();
        Spot sent;
        sent.spotter = web["de_call"].toString();
        sent.kHz = web["frequency"].toDouble();
        sent.frequency = nodeFrequency(sent);
        sent.dxCall = web["dx_call"].toString();
        sent.comment = web["info"].toString();
        sent.time = web["time"].toString().mid(11, 2) + web["time"].toString().mid(14, 2) + u'Z';
        const NodeLine read = readNodeLine(nodeSpotLine(sent));
        ASSERT_EQ(read.kind, NodeLineKind::Spot) << nodeSpotLine(sent).toStdString();
        EXPECT_EQ(read.spot, sent) << nodeSpotLine(sent).toStdString();
        for (const QString& reference : islandReferencesIn(read.spot.comment))
            references << read.spot.dxCall + u' ' + reference;
    }
    EXPECT_EQ(references, QStringList{"VK6GC OC-001"});
}

}  // namespace
