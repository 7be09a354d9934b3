#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "base/failure.h"
#include "cli/drawing.h"
#include "cli/open_data_folder.h"
#include "cluster/cluster_client.h"

namespace {

SpotSelection selection(const Arguments& arguments) {
    if (arguments.has("--needed")) return SpotSelection::Needed;
    return arguments.has("--needed-worked") ? SpotSelection::NeededWorked : SpotSelection::Any;
}

struct SpotsRequest {
    NodeAddress node;
    SpotSelection selection = SpotSelection::Any;
    std::optional<int> count;
    std::optional<int> timeoutSeconds;
};

SpotsRequest spotsRequest(const Arguments& arguments) {
    const std::optional<NodeAddress> node = parseNodeAddress(arguments[0]);
    if (!node) throw UsageError{QStringLiteral("HOST:PORT names the node, e.g. dxc.example.org:7300")};
    return {*node, selection(arguments), arguments.wholeNumber("--count"), arguments.wholeNumber("--timeout")};
}

// The owner's callsign and the island records, read at once: the data folder is free again while
// the node talks, so the program can open it meanwhile.
struct RegisterAtStart {
    QString callsign;
    IslandRecordStates records;
};

RegisterAtStart readRegisterAtStart() {
    OpenDataFolder folder;
    RegisterAtStart state{folder.start.ownerCallsign.trimmed(), readIslandRecordStates(folder.table)};
    if (state.callsign.isEmpty())
        throw Failure(QStringLiteral(
            "The owner's callsign is empty, and a node logs in by it: import the member file (skerrydesk-cli "
            "import-member FILE) or enter the callsign in the program first"));
    return state;
}

// time, frequency, DX call, reference, status, spotter, comment
QString spotLine(const IslandSpot& spot) {
    return QStringList{spot.spot.time,          spot.spot.frequency, spot.spot.dxCall, spot.island.reference,
                       statusText(spot.island), spot.spot.spotter,   spot.spot.comment}
        .join(u'\t');
}

bool endsTheRun(NodeState state) {
    return state == NodeState::Unreachable || state == NodeState::Refused || state == NodeState::Closed;
}

// Prints the island spots of the selection as they arrive, until the count or the time-out;
// fails when the node cannot be reached, refuses the login or closes the connection.
}  // namespace

void drawing::spots(const Arguments& arguments, QTextStream& out) {
    const SpotsRequest request = spotsRequest(arguments);
    const RegisterAtStart start = readRegisterAtStart();
    ClusterTimings timings;
    timings.batch = std::chrono::milliseconds(0);  // each piece the node sends is printed as it comes
    ClusterClient client(start.callsign, SpotMatcher(start.records), timings);
    client.setReconnecting(false);

    QEventLoop loop;
    int printed = 0;
    const auto countReached = [&] { return request.count && printed >= *request.count; };
    std::optional<QString> failure;
    QObject::connect(&client, &ClusterClient::spotsArrived, &loop, [&](const std::vector<IslandSpot>& batch) {
        for (const IslandSpot& spot : batch) {
            if (countReached()) break;
            if (!isSelected(request.selection, spot.island.standing)) continue;
            out << spotLine(spot) << '\n';
            ++printed;
        }
        out.flush();
        if (countReached()) loop.quit();
    });
    QObject::connect(&client, &ClusterClient::stateChanged, &loop, [&](NodeState state, const QString& text) {
        if (!endsTheRun(state)) return;
        failure = text;
        loop.quit();
    });
    if (request.timeoutSeconds)
        QTimer::singleShot(std::chrono::seconds(*request.timeoutSeconds), &loop, &QEventLoop::quit);
    client.connectToNode(request.node);
    if (!failure) loop.exec();
    if (failure && !countReached()) throw Failure(*failure);
}
