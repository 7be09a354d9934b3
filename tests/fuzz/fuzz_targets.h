#pragma once

#include <cstddef>
#include <cstdint>

// One fuzz target per reader. Each takes any bytes as the content of the reader's file (or as
// the answer of a web server) and runs them through the reader's public functions. A reader may
// refuse the bytes with a Failure that names what failed; a crash, any other exception or a
// broken promise of the reader is a finding. The libFuzzer entry point and the seed replay test
// call the same functions.
namespace fuzz {

namespace memberFile {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace upfLog {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace csvContacts {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace updateText {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace debianList {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace jpegPicture {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace urlHistory {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace httpAnswer {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace iotaJsonList {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace adifLog {
int fuzzOne(const uint8_t* data, size_t size);
}
namespace nodeStream {
int fuzzOne(const uint8_t* data, size_t size);
}

}  // namespace fuzz
