#include "base/progress.h"

namespace {

class NoProgress : public BatchProgress {
public:
    void setCaption(const QString&) override {}
    void setValue(int) override {}
    void advance(int) override {}
};

}  // namespace

BatchProgress& BatchProgress::none() {
    static NoProgress nobody;
    return nobody;
}
