#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"

namespace {

struct FuzzTarget {
    const char* name;  // also the folder of its seeds
    int (*fuzzOne)(const uint8_t*, size_t);
};

const FuzzTarget kTargets[] = {
    {"member_file", fuzz::memberFile::fuzzOne},      {"upf_log", fuzz::upfLog::fuzzOne},
    {"csv_contacts", fuzz::csvContacts::fuzzOne},    {"update_text", fuzz::updateText::fuzzOne},
    {"debian_list", fuzz::debianList::fuzzOne},      {"jpeg_picture", fuzz::jpegPicture::fuzzOne},
    {"url_history", fuzz::urlHistory::fuzzOne},      {"http_answer", fuzz::httpAnswer::fuzzOne},
    {"iota_json_list", fuzz::iotaJsonList::fuzzOne}, {"adif_log", fuzz::adifLog::fuzzOne},
    {"node_stream", fuzz::nodeStream::fuzzOne},
};

void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.name;
}

class SeedReplay : public testing::TestWithParam<FuzzTarget> {};

// Every seed of a target runs through its reader as under the fuzzer, so each change replays the corpus.
TEST_P(SeedReplay, EverySeedRunsThroughItsReader) {
    const QDir seeds(QStringLiteral(SKERRY_FUZZ_SEEDS "/") + QLatin1String(GetParam().name));
    const QStringList files = seeds.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << "no seeds in " << seeds.path().toStdString();
    const QByteArray before = fuzz::FuzzStore::instance().contents();
    for (const QString& file : files) {
        QFile seed(seeds.filePath(file));
        ASSERT_TRUE(seed.open(QIODevice::ReadOnly)) << file.toStdString();
        const QByteArray bytes = seed.readAll();
        EXPECT_EQ(GetParam().fuzzOne(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0)
            << file.toStdString();
    }
    EXPECT_EQ(fuzz::FuzzStore::instance().contents(), before) << "the seeds left changes in the tables";
}

INSTANTIATE_TEST_SUITE_P(Readers, SeedReplay, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<FuzzTarget>& info) { return std::string(info.param.name); });

}  // namespace
