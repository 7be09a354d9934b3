#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"
#include "listupdate/url_history.h"

namespace fuzz::urlHistory {

// Any bytes as "history.dat": read, offered again to the URL list, written and read back.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const std::optional<QStringList> urls = readUrlHistory(inputFile(data, size));
        require(urls.has_value(), "an existing history file is read");
        require(!urls->contains(QString()), "empty lines are left out");
        QStringList offered;
        for (const QString& url : *urls) addToUrlHistory(offered, url);
        writeUrlHistory(secondFile(), offered);
        require(readUrlHistory(secondFile()) == offered, "a written history reads back as written");
    });
}

}  // namespace fuzz::urlHistory
