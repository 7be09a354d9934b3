#include "cluster/island_references.h"
#include "cluster/node_line.h"
#include "cluster/telnet_line_reader.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"
#include "register/iota_list.h"

namespace fuzz::nodeStream {

namespace {

void requireWholeLine(const QString& line) {
    require(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds no line end");
    require(line.size() <= TelnetLineReader::kLongestLine, "a line keeps at most the longest line's bytes");
}

bool holdsControls(const QString& field) {
    for (const QChar c : field)
        if (c < u' ' || (c >= u'\x7F' && c <= u'\x9F')) return true;
    return false;
}

void requireSpot(const Spot& spot) {
    for (const QString& field : {spot.spotter, spot.frequency, spot.dxCall, spot.comment, spot.locator})
        require(!holdsControls(field), "no field of a spot holds a control character");
    require(!spot.dxCall.isEmpty() && !spot.spotter.isEmpty(), "a spot has a DX call and a spotter");
    require(spot.kHz >= 0, "a frequency is no negative number");
    require(spot.time.isEmpty() || (spot.time.size() == 5 && spot.time.endsWith(u'Z')), "a time reads HHMMZ");
    for (const QString& reference : islandReferencesIn(spot.comment))
        require(isListedReference(reference), "a reference found is a listed reference, EU-005");
}

}  // namespace

// Any bytes as what a DX cluster node sends, arriving in pieces whose size the first byte
// chooses: cut into lines, each line read, each spot's references found.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const QByteArray bytes = inputBytes(data, size);
        const qsizetype pieceSize = bytes.isEmpty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 64;
        TelnetLineReader reader;
        std::vector<QString> lines;
        for (qsizetype at = 0; at < bytes.size(); at += pieceSize) reader.read(bytes.mid(at, pieceSize), lines);
        lines.push_back(reader.unfinishedLine());
        for (const QString& line : lines) {
            requireWholeLine(line);
            const NodeLine read = readNodeLine(line);
            if (read.kind == NodeLineKind::Spot) requireSpot(read.spot);
        }
    });
}

}  // namespace fuzz::nodeStream
