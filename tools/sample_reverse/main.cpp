// revsample: the sample reverse processor. Started with no arguments in the
// system folder; see tools/README.md for what it reads and writes.
#include <iostream>

#include "ReverseRun.h"

int main() {
    const qv::Status status = qv::revsample::RunReverse();
    if (!status) {
        std::cerr << "revsample: " << status.message() << "\n";
        return 1;
    }
    return 0;
}
